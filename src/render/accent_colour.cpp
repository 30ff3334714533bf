#include "render/accent_colour.h"

#include <array>
#include <cstdint>

namespace notch {
namespace {

struct AccentEntry {
  std::wstring_view name;
  std::uint32_t rgb;
};

// The first entry is also the colour of any unknown name.
constexpr std::array<AccentEntry, 9> kAccents = {{
    {L"azul", 0x007AFF},
    {L"roxo", 0x953D96},
    {L"rosa", 0xF74F9E},
    {L"vermelho", 0xE0383E},
    {L"laranja", 0xF7821B},
    {L"amarelo", 0xFCB827},
    {L"verde", 0x62BA46},
    {L"grafite", 0x8C8C8C},
    {L"lavanda", 0x98A8D9},
}};

const AccentEntry& EntryFor(std::wstring_view name) {
  for (const AccentEntry& entry : kAccents) {
    if (entry.name == name) return entry;
  }
  return kAccents[0];
}

}  // namespace

std::wstring_view EffectiveAccentName(std::wstring_view name) { return EntryFor(name).name; }

Colour AccentColourForName(std::wstring_view name) { return ColourFromRgb(EntryFor(name).rgb); }

Colour AccentColour(const Settings& settings) { return AccentColourForName(settings.Read(setting::kAccent)); }

}  // namespace notch
