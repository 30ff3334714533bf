#include "render/document_badge.h"

#include <algorithm>
#include <array>

#include "common/text.h"
#include "render/text_formats.h"

namespace notch {
namespace {

struct FamilyLook {
  Colour colour;
  char16_t glyph;  // 0: none
};

// Indexed by BadgeFamily.
constexpr std::array<FamilyLook, 7> kFamilyLooks = {{
    {{0.55f, 0.55f, 0.57f}, 0},       // archive
    {{0.62f, 0.62f, 0.64f}, 0},       // text
    {{0.93f, 0.27f, 0.45f}, 0xE8D6},  // audio
    {{0.35f, 0.45f, 0.95f}, 0xE714},  // video
    {{0.25f, 0.62f, 0.95f}, 0xE91B},  // image
    {{0.86f, 0.22f, 0.20f}, 0},       // pdf
    {{0.45f, 0.45f, 0.48f}, 0},       // other
}};

struct ExtensionFamily {
  std::wstring_view extension;
  BadgeFamily family;
};

using F = BadgeFamily;
constexpr std::array<ExtensionFamily, 65> kExtensionFamilies = {{
    {L"zip", F::Archive}, {L"rar", F::Archive}, {L"7z", F::Archive},  {L"tar", F::Archive}, {L"gz", F::Archive},
    {L"bz2", F::Archive}, {L"xz", F::Archive},  {L"cab", F::Archive}, {L"iso", F::Archive}, {L"txt", F::Text},
    {L"md", F::Text},     {L"log", F::Text},    {L"json", F::Text},   {L"xml", F::Text},    {L"csv", F::Text},
    {L"ini", F::Text},    {L"cfg", F::Text},    {L"yaml", F::Text},   {L"yml", F::Text},    {L"cpp", F::Text},
    {L"c", F::Text},      {L"h", F::Text},      {L"hpp", F::Text},    {L"py", F::Text},     {L"js", F::Text},
    {L"ts", F::Text},     {L"html", F::Text},   {L"css", F::Text},    {L"rtf", F::Text},    {L"cmd", F::Text},
    {L"bat", F::Text},    {L"ps1", F::Text},    {L"sh", F::Text},     {L"toml", F::Text},   {L"wav", F::Audio},
    {L"mp3", F::Audio},   {L"flac", F::Audio},  {L"aac", F::Audio},   {L"m4a", F::Audio},   {L"ogg", F::Audio},
    {L"aif", F::Audio},   {L"aiff", F::Audio},  {L"wma", F::Audio},   {L"mid", F::Audio},   {L"midi", F::Audio},
    {L"opus", F::Audio},  {L"mp4", F::Video},   {L"mov", F::Video},   {L"mkv", F::Video},   {L"avi", F::Video},
    {L"webm", F::Video},  {L"wmv", F::Video},   {L"m4v", F::Video},   {L"png", F::Image},   {L"jpg", F::Image},
    {L"jpeg", F::Image},  {L"gif", F::Image},   {L"bmp", F::Image},   {L"webp", F::Image},  {L"heic", F::Image},
    {L"tif", F::Image},   {L"tiff", F::Image},  {L"svg", F::Image},   {L"ico", F::Image},   {L"pdf", F::Pdf},
}};

const FamilyLook& LookOf(BadgeFamily family) { return kFamilyLooks[static_cast<std::size_t>(family)]; }

// Text files whose type is worth a label of their own.
bool IsLabelledText(std::wstring_view extension) {
  return extension == L"md" || extension == L"json" || extension == L"csv";
}

constexpr Colour kLabelGrey{0.5f, 0.5f, 0.52f};
constexpr Colour kEdge = Black(0.18f);

// The page: g is the badge size, everything else follows from it.
struct Page {
  float g, w, o, left, right, top, bottom, r, f;
  explicit Page(float size)
      : g(size),
        w(0.74f * size),
        o(0.94f * size),
        left(size / 2.0f - w / 2.0f),
        right(size / 2.0f + w / 2.0f),
        top(size - o),
        bottom(size - 1.3f),
        r(std::max(0.04f * size, 1.0f)),
        f(0.24f * w) {}
  float centre() const { return g / 2.0f; }
};

PathData PageOutline(const Page& p) {
  PathData path;
  path.start = {p.left, p.top + p.r};
  path.ArcTo(p.r, {p.left + p.r, p.top});
  path.LineTo({p.right - p.f, p.top});
  path.LineTo({p.right, p.top + p.f});
  path.LineTo({p.right, p.bottom - p.r});
  path.ArcTo(p.r, {p.right - p.r, p.bottom});
  path.LineTo({p.left + p.r, p.bottom});
  path.ArcTo(p.r, {p.left, p.bottom - p.r});
  return path;
}

// The folded corner, its inner corner rounded.
PathData Fold(const Page& p) {
  PathData path;
  path.start = {p.right, p.top + p.f};
  path.LineTo({p.right - p.f + p.r, p.top + p.f});
  path.ArcTo(p.r, {p.right - p.f, p.top + p.f - p.r});
  path.LineTo({p.right - p.f, p.top});
  return path;
}

void DrawPaper(Canvas& canvas, const Page& page) {
  const auto outline = canvas.CreatePath(PageOutline(page));
  const auto fold = canvas.CreatePath(Fold(page));
  canvas.PushTransform(Transform::Translation(0.0f, 0.8f));
  canvas.FillPath(*outline, Brush::Solid(Black(0.22f)));
  canvas.PopTransform();
  canvas.FillPath(*outline, Brush::Solid({0.985f, 0.985f, 0.985f}));
  canvas.StrokePath(*outline, Brush::Solid(kEdge), 1.0f, LineStyle::Sharp);
  canvas.FillPath(*fold, Brush::Solid({0.86f, 0.86f, 0.87f}));
  canvas.StrokePath(*fold, Brush::Solid(kEdge), 1.0f, LineStyle::Sharp);
}

void DrawZipper(Canvas& canvas, const Page& p, Colour colour) {
  const float step = std::max(0.05f * p.g, 2.0f);
  const float bar = 0.55f * step;
  const float half = 0.08f * p.w;
  const float c = p.centre();
  const Brush brush = Brush::Solid(colour);
  for (int k = 0;; ++k) {
    const float y = p.top + static_cast<float>(k) * step;
    if (y + bar > p.top + 0.55f * p.o) break;
    const bool left = k % 2 == 0;
    canvas.FillRect({left ? c - half : c, y, left ? c : c + half, y + bar}, brush);
  }
  canvas.FillRoundedRect({c - half, p.top + 0.56f * p.o, c + half, p.top + 0.72f * p.o}, 0.02f * p.g, brush);
}

void DrawTextLines(Canvas& canvas, const Page& p, Colour colour, bool labelled) {
  const float height = std::max(0.018f * p.g, 0.8f);
  const float limit = p.bottom - (labelled ? 0.3f : 0.12f) * p.o;
  const float start = p.left + 0.16f * p.w;
  const float full = 0.68f * p.w;
  const Brush brush = Brush::Solid(colour);
  for (int k = 0;; ++k) {
    const float y = p.top + 0.3f * p.o + static_cast<float>(k) * 0.065f * p.g;
    if (y + height > limit) break;
    const float length = k % 4 == 3 ? 0.55f * full : full;
    canvas.FillRect({start, y, start + length, y + height}, brush);
  }
}

void DrawCentred(Canvas& canvas, std::wstring_view text, TextFormat format, const RectF& box, Colour colour) {
  format.alignment = TextAlignment::Centre;
  canvas.DrawText(text, format, box, Brush::Solid(colour));
}

}  // namespace

BadgeFamily BadgeFamilyFor(std::wstring_view extension) {
  for (const ExtensionFamily& entry : kExtensionFamilies) {
    if (entry.extension == extension) return entry.family;
  }
  return BadgeFamily::Other;
}

std::wstring BadgeLabel(std::wstring_view extension) {
  std::wstring label;
  std::size_t index = 0;
  for (int taken = 0; taken < 4 && index < extension.size(); ++taken) {
    char32_t c = NextCodePoint(extension, index);
    if (c >= U'a' && c <= U'z') c -= U'a' - U'A';
    AppendCodePoint(label, c);
  }
  return label;
}

bool DrawDocumentBadge(Canvas& canvas, int size, std::wstring_view extension, const FontSet& fonts) {
  if (size <= 7) return false;
  const Page p(static_cast<float>(size));
  const BadgeFamily family = BadgeFamilyFor(extension);
  const FamilyLook& look = LookOf(family);
  DrawPaper(canvas, p);

  if (family == BadgeFamily::Archive) {
    DrawZipper(canvas, p, look.colour);
    return true;
  }
  const bool labelled_text = family == BadgeFamily::Text && IsLabelledText(extension);
  if (family == BadgeFamily::Text) DrawTextLines(canvas, p, look.colour, labelled_text);
  if (look.glyph != 0) {
    const wchar_t glyph[] = {static_cast<wchar_t>(look.glyph), L'\0'};
    DrawCentred(canvas, std::wstring_view(glyph, 1), TextFormat{fonts.icon_font, 0.34f * p.g, 400},
                {p.left, p.top + 0.15f * p.o, p.right, p.top + 0.65f * p.o}, look.colour);
  }

  const std::wstring label = BadgeLabel(extension);
  const bool plain_text = family == BadgeFamily::Text && !labelled_text;
  if (label.empty() || size < 28 || plain_text) return true;
  const auto label_format = [&](float factor) {
    return MakeTextFormatFor(fonts, L"SF Pro Text", std::max(factor * p.g, 6.0f), 700);
  };
  if (labelled_text) {
    DrawCentred(canvas, label, label_format(0.13f), {p.left, p.bottom - 0.27f * p.o, p.right, p.bottom - 0.06f * p.o},
                kLabelGrey);
  } else if (look.glyph != 0) {
    DrawCentred(canvas, label, label_format(0.15f), {p.left, p.top + 0.66f * p.o, p.right, p.top + 0.86f * p.o},
                kLabelGrey);
  } else {
    DrawCentred(canvas, label, label_format(0.15f), {p.left, p.top + 0.45f * p.o, p.right, p.top + 0.75f * p.o},
                look.colour);
  }
  return true;
}

}  // namespace notch
