#include "render/symbols.h"

#include <algorithm>
#include <array>

#include "common/file_io.h"

namespace notch {
namespace {

struct SymbolEntry {
  std::wstring_view name;
  char16_t code_point;
};

constexpr std::array<SymbolEntry, 11> kSymbolTable = {{
    {L"music.note", 0xEC4F},
    {L"pause.fill", 0xE769},
    {L"play.fill", 0xE768},
    {L"forward.fill", 0xEB9D},
    {L"timer", 0xE916},
    {L"bolt.fill", 0xE945},
    {L"battery.50percent", 0xEBA5},
    {L"speaker.slash.fill", 0xE74F},
    {L"speaker.wave.1.fill", 0xE993},
    {L"speaker.wave.2.fill", 0xE994},
    {L"speaker.wave.3.fill", 0xE995},
}};

}  // namespace

std::optional<char16_t> SymbolCodePoint(std::wstring_view name) {
  for (const SymbolEntry& entry : kSymbolTable) {
    if (entry.name == name) return entry.code_point;
  }
  return std::nullopt;
}

Transform SvgPlacement(const RectF& bounds, const RectF& rect) {
  // In double: a file's points may lie far enough apart to overflow a float.
  const double bw = std::max(1.0, static_cast<double>(bounds.right) - bounds.left);
  const double bh = std::max(1.0, static_cast<double>(bounds.bottom) - bounds.top);
  const double scale = std::min(rect.height() / bh, rect.width() / bw);
  return Transform::ScaleThenMove(
      static_cast<float>(scale),
      static_cast<float>((rect.width() - bw * scale) / 2.0 + rect.left - scale * bounds.left),
      static_cast<float>((rect.height() - bh * scale) / 2.0 + rect.top - scale * bounds.top));
}

RectF SymbolGlyphBox(const RectF& rect) {
  const PointF c = rect.centre();
  return {c.x - 10.0f, c.y - 9.0f, c.x + 10.0f, c.y + 9.0f};
}

const SvgSymbol* Symbols::LoadSvg(std::wstring_view name) {
  auto found = files_.find(name);
  if (found == files_.end()) {
    std::optional<SvgSymbol> symbol;
    if (!folder_.empty()) {
      if (const auto bytes = ReadFileBytes(PathFromWide(folder_ + L"\\" + std::wstring(name) + L".svg"))) {
        symbol = ReadSvgSubset(*bytes);
      }
    }
    found = files_.emplace(std::wstring(name), std::move(symbol)).first;
  }
  return found->second ? &*found->second : nullptr;
}

bool Symbols::DrawSvgSymbol(Canvas& canvas, std::wstring_view name, const RectF& rect, Colour colour) {
  if (name.empty()) return false;
  const SvgSymbol* symbol = LoadSvg(name);
  if (symbol == nullptr) return false;
  const CanvasPath& geometry = geometry_.Get(canvas, name, symbol->figures);
  const Brush brush = Brush::Solid(colour);
  canvas.PushTransform(SvgPlacement(PathBounds(symbol->figures), rect));
  canvas.FillPath(geometry, brush);
  // The outline thickens the fill a little; its width is in the file's units.
  canvas.StrokePath(geometry, brush, 1.0f, LineStyle::Sharp);
  canvas.PopTransform();
  return true;
}

void Symbols::DrawSymbol(Canvas& canvas, std::wstring_view name, const RectF& rect, Colour colour,
                         const TextFormat& icon_format) {
  if (DrawSvgSymbol(canvas, name, rect, colour)) return;
  const auto code_point = SymbolCodePoint(name);
  if (!code_point) return;
  const wchar_t glyph[] = {static_cast<wchar_t>(*code_point), L'\0'};
  canvas.DrawText(std::wstring_view(glyph, 1), icon_format, SymbolGlyphBox(rect), Brush::Solid(colour));
}

}  // namespace notch
