#include "system/radios.h"

namespace notch::radios {
namespace {

std::optional<std::size_t> FirstOfKind(RadioList& list, RadioKind kind) {
  const std::size_t count = list.Count();
  for (std::size_t i = 0; i < count; ++i) {
    if (list.Kind(i) == kind) return i;
  }
  return std::nullopt;
}

}  // namespace

std::int32_t ReadRadioState(RadioSource& source, RadioKind kind) {
  std::unique_ptr<RadioList> list = source.Radios();
  if (!list) return kStateUnknown;
  const std::optional<std::size_t> index = FirstOfKind(*list, kind);
  return index ? list->State(*index) : kStateUnknown;
}

std::wstring SetRadio(RadioSource& source, RadioKind kind, bool on) {
  std::unique_ptr<RadioList> list = source.Radios();
  const std::optional<std::size_t> index = list ? FirstOfKind(*list, kind) : std::nullopt;
  if (!index) return kNoMatchingRadio;
  return list->SetState(*index, on) == kAccessAllowed ? std::wstring() : std::wstring(kRadioDenied);
}

ToggleTile RadioToggleTile(bool wifi_page, std::int32_t state, bool slot_idle) {
  ToggleTile tile;
  tile.title = wifi_page ? L"Wi-Fi" : L"Bluetooth";
  if (state == kStateOn) {
    tile.subtitle = wifi_page ? L"On" : L"Discoverable";
    tile.tooltip = tile.title + L" on";
  } else if (state == kStateOff) {
    tile.subtitle = L"Off";
    tile.tooltip = tile.title + L" off";
  } else {
    tile.subtitle = L"Checking\u2026";
    tile.tooltip = tile.title;
  }
  tile.enabled = slot_idle && (state == kStateOn || state == kStateOff);
  tile.crossed = state == kStateOff;
  return tile;
}

}  // namespace notch::radios
