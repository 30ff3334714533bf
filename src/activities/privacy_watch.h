#pragma once
// Whether any application is using the microphone or the camera, read from
// the system's capability consent store, and the watcher's loop that tells
// the island when that changes. The Windows side opens the keys, arms their
// change notifications and waits; the reading and the loop are here.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace notch {

inline constexpr std::uint32_t kMicrophoneInUse = 1;  // bit 0 of the privacy state
inline constexpr std::uint32_t kCameraInUse = 2;      // bit 1
inline constexpr unsigned kPrivacySettleMs = 150;
// Desktop applications sit below a "NonPackaged" subkey; a store that nests
// more of them than this is not searched deeper.
inline constexpr int kMaxNonPackagedDepth = 8;

// One capability's key of the consent store ("microphone" or "webcam").
class ConsentStore {
 public:
  virtual ~ConsentStore() = default;
  // The subkey names of the key at `path` (relative to the capability's key,
  // "" for the key itself, parts joined by "\"); empty when it cannot be read.
  virtual std::vector<std::wstring> Subkeys(const std::wstring& path) const = 0;
  // A 64-bit value of the key at `path`; nullopt when it cannot be read.
  virtual std::optional<std::uint64_t> ReadTime(const std::wstring& path, const std::wstring& name) const = 0;
};

// True when an application entry has a start time and a zero stop time.
bool CapabilityInUse(const ConsentStore& store);

enum class Capability { Microphone, Camera };

class PrivacyWatchPorts {
 public:
  virtual ~PrivacyWatchPorts() = default;
  // The capability's key, or null when it could not be opened.
  virtual const ConsentStore* Store(Capability capability) = 0;
  // Asks to be woken by the next change below the capability's key.
  virtual void Arm(Capability capability) = 0;
  // Tells the island; false when it could not be told.
  virtual bool Post(std::uint32_t state) = 0;
  // Waits for a change, then lets a burst of changes settle; false ends the loop.
  virtual bool WaitForChange() = 0;
};

// The watcher's loop. Each pass arms both keys before reading them (so no
// change between the reading and the wait is missed) and posts the state
// when it differs from the last one posted; the first pass always posts.
// Returns at once when neither key is open.
void WatchPrivacy(PrivacyWatchPorts& ports);

}  // namespace notch
