#pragma once
// Heap blocks handed from another thread to a window through a message's
// lParam. The sender registers the block before posting; the receiver takes
// only a block that is registered, so a message posted by another process
// (any process on the desktop can post to our windows) can never make us
// free, or read through, a pointer it chose.
#include <cstdint>
#include <memory>
#include <mutex>
#include <unordered_map>

#include "common/debug_log.h"

namespace notch {

template <typename Block>
class HandOff {
 public:
  // Keeps the block until it is taken; returns the message parameter that
  // names it.
  std::uintptr_t Register(std::unique_ptr<Block> block) {
    const auto key = reinterpret_cast<std::uintptr_t>(block.get());
    std::lock_guard lock(mutex_);
    outstanding_[key] = std::move(block);
    return key;
  }

  // The receiver's side, and the sender's when posting failed: the block
  // named by `key`, or nullptr when no registered block has that name.
  std::unique_ptr<Block> Take(std::uintptr_t key) {
    std::lock_guard lock(mutex_);
    const auto found = outstanding_.find(key);
    if (found == outstanding_.end()) return nullptr;
    std::unique_ptr<Block> block = std::move(found->second);
    outstanding_.erase(found);
    return block;
  }

  // The receiver's side: Take, logging a parameter that names no block.
  std::unique_ptr<Block> Receive(std::uintptr_t key, unsigned message) {
    std::unique_ptr<Block> block = Take(key);
    if (block == nullptr) {
      DebugLog(L"hand-off: message 0x%04X with an unknown block %llX ignored", message,
               static_cast<unsigned long long>(key));
    }
    return block;
  }

  std::size_t outstanding() const {
    std::lock_guard lock(mutex_);
    return outstanding_.size();
  }

 private:
  mutable std::mutex mutex_;
  std::unordered_map<std::uintptr_t, std::unique_ptr<Block>> outstanding_;
};

// Registers the block and posts it with `post(parameter)`; when posting
// fails the block is taken back and freed here. Returns whether it was posted.
template <typename Block, typename Post>
bool PostHandOff(HandOff<Block>& hand_off, std::unique_ptr<Block> block, Post&& post) {
  const std::uintptr_t parameter = hand_off.Register(std::move(block));
  if (post(parameter)) return true;
  hand_off.Take(parameter);
  return false;
}

}  // namespace notch
