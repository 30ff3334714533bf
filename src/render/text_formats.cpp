#include "render/text_formats.h"

namespace notch {
namespace {

constexpr std::wstring_view kLeopardTextFont = L"Lucida Sans Unicode";

struct RoleFormat {
  TextRole role;
  float size;
  int weight;
  TextAlignment alignment;
  bool icon;
};

using A = TextAlignment;
constexpr std::array<RoleFormat, kTextRoleCount> kRoleFormats = {{
    {TextRole::Title, 12.5f, 600, A::Leading, false},
    {TextRole::Secondary, 11.0f, 400, A::Leading, false},
    {TextRole::SmallLeading, 10.5f, 400, A::Leading, false},
    {TextRole::SmallTrailing, 10.5f, 400, A::Trailing, false},
    {TextRole::SmallCentred, 10.5f, 400, A::Centre, false},
    {TextRole::Lyric, 12.0f, 600, A::Leading, false},
    {TextRole::LyricCentred, 11.0f, 600, A::Centre, false},
    {TextRole::BoldLeading, 11.0f, 600, A::Leading, false},
    {TextRole::BoldTrailing, 11.0f, 600, A::Trailing, false},
    {TextRole::Big, 28.0f, 600, A::Leading, false},
    {TextRole::Value, 17.0f, 600, A::Leading, false},
    {TextRole::Button, 12.0f, 600, A::Centre, false},
    {TextRole::Icon14, 14.0f, 400, A::Centre, true},
    {TextRole::Icon12, 12.0f, 400, A::Centre, true},
    {TextRole::Icon20, 20.0f, 400, A::Centre, true},
}};

}  // namespace

TextFormat MakeTextFormat(const FontSet& fonts, Theme theme, float size, int weight, TextAlignment alignment,
                          bool icon) {
  TextFormat format{icon ? fonts.icon_font : fonts.text_font, size, weight, alignment, !icon};
  if (theme == Theme::Leopard && !icon && fonts.Installed(kLeopardTextFont)) {
    format.family = kLeopardTextFont;
    format.size = size - 0.5f;
    format.weight = weight < 600 ? weight : 700;
  }
  return format;
}

TextFormat MakeTextFormatFor(const FontSet& fonts, std::wstring_view family, float size, int weight) {
  return TextFormat{std::wstring(fonts.Installed(family) ? family : fonts.text_font), size, weight,
                    TextAlignment::Leading, false};
}

IslandTextFormats::IslandTextFormats(const FontSet& fonts, Theme theme) {
  for (const RoleFormat& f : kRoleFormats) {
    formats_[static_cast<std::size_t>(f.role)] = MakeTextFormat(fonts, theme, f.size, f.weight, f.alignment, f.icon);
  }
}

}  // namespace notch
