#include "activities/privacy_watch.h"

#include "common/text.h"

namespace notch {
namespace {

std::wstring Join(const std::wstring& path, const std::wstring& name) {
  return path.empty() ? name : path + L'\\' + name;
}

bool AppInUse(const ConsentStore& store, const std::wstring& path) {
  const std::optional<std::uint64_t> start = store.ReadTime(path, L"LastUsedTimeStart");
  if (!start || *start == 0) return false;
  const std::optional<std::uint64_t> stop = store.ReadTime(path, L"LastUsedTimeStop");
  return stop && *stop == 0;
}

bool AnyInUse(const ConsentStore& store, const std::wstring& path, int depth) {
  for (const std::wstring& name : store.Subkeys(path)) {
    const std::wstring child = Join(path, name);
    if (EqualsIgnoringAsciiCase(name, L"NonPackaged")) {
      if (depth < kMaxNonPackagedDepth && AnyInUse(store, child, depth + 1)) return true;
    } else if (AppInUse(store, child)) {
      return true;
    }
  }
  return false;
}

}  // namespace

bool CapabilityInUse(const ConsentStore& store) { return AnyInUse(store, L"", 0); }

void WatchPrivacy(PrivacyWatchPorts& ports) {
  constexpr Capability kCapabilities[] = {Capability::Microphone, Capability::Camera};
  if (ports.Store(Capability::Microphone) == nullptr && ports.Store(Capability::Camera) == nullptr) return;
  std::optional<std::uint32_t> posted;
  do {
    std::uint32_t state = 0;
    for (const Capability capability : kCapabilities) {
      const ConsentStore* store = ports.Store(capability);
      if (store == nullptr) continue;
      ports.Arm(capability);
      if (CapabilityInUse(*store)) state |= capability == Capability::Microphone ? kMicrophoneInUse : kCameraInUse;
    }
    // A state the island did not receive counts as not yet posted.
    if (state != posted && ports.Post(state)) posted = state;
  } while (ports.WaitForChange());
}

}  // namespace notch
