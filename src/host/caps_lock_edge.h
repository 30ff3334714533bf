#pragma once
// Turns the keyboard hook's Caps Lock events into one notification per
// press: auto-repeat of a held key does not count again.

namespace notch {

class CapsLockEdge {
 public:
  // Returns whether this event should notify the island: a key-down after a
  // key-up while the island can take it.
  bool OnCapsLockEvent(bool key_down, bool island_ready) {
    const bool notify = key_down && !down_ && island_ready;
    down_ = key_down;
    return notify;
  }

 private:
  bool down_ = false;
};

}  // namespace notch
