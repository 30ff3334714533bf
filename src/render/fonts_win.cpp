#include "render/fonts_win.h"

#include <wrl/client.h>

#include <map>
#include <string>

#include "common/debug_log.h"
#include "host/host_links_win.h"
#include "render/fonts.h"

namespace notch {
namespace {

using Microsoft::WRL::ComPtr;

DWRITE_TEXT_ALIGNMENT AlignmentOf(TextAlignment alignment) {
  switch (alignment) {
    case TextAlignment::Trailing:
      return DWRITE_TEXT_ALIGNMENT_TRAILING;
    case TextAlignment::Centre:
      return DWRITE_TEXT_ALIGNMENT_CENTER;
    case TextAlignment::Leading:
      break;
  }
  return DWRITE_TEXT_ALIGNMENT_LEADING;
}

ComPtr<IDWriteTextFormat> CreateFormat(IDWriteFactory* factory, const TextFormat& f) {
  ComPtr<IDWriteTextFormat> format;
  if (FAILED(factory->CreateTextFormat(f.family.c_str(), nullptr, static_cast<DWRITE_FONT_WEIGHT>(f.weight),
                                       DWRITE_FONT_STYLE_NORMAL, DWRITE_FONT_STRETCH_NORMAL, f.size, kTextLocale,
                                       &format))) {
    return nullptr;
  }
  format->SetTextAlignment(AlignmentOf(f.alignment));
  format->SetParagraphAlignment(DWRITE_PARAGRAPH_ALIGNMENT_CENTER);
  format->SetWordWrapping(DWRITE_WORD_WRAPPING_NO_WRAP);
  if (f.ellipsis) {
    ComPtr<IDWriteInlineObject> sign;
    if (SUCCEEDED(factory->CreateEllipsisTrimmingSign(format.Get(), &sign))) {
      const DWRITE_TRIMMING trimming{DWRITE_TRIMMING_GRANULARITY_CHARACTER, 0, 0};
      format->SetTrimming(&trimming, sign.Get());
    }
  }
  return format;
}

}  // namespace

IDWriteFactory* DirectWrite() {
  static const ComPtr<IDWriteFactory> factory = [] {
    ComPtr<IDWriteFactory> made;
    if (FAILED(DWriteCreateFactory(DWRITE_FACTORY_TYPE_SHARED, __uuidof(IDWriteFactory),
                                   reinterpret_cast<IUnknown**>(made.GetAddressOf())))) {
      made.Reset();
    }
    return made;
  }();
  return factory.Get();
}

IDWriteTextFormat* DirectWriteFormat(const TextFormat& format) {
  // The program uses a small fixed set of formats, so they are all kept.
  static std::map<TextFormat, ComPtr<IDWriteTextFormat>> formats;
  IDWriteFactory* factory = DirectWrite();
  if (factory == nullptr) return nullptr;
  auto found = formats.find(format);
  if (found == formats.end()) found = formats.emplace(format, CreateFormat(factory, format)).first;
  return found->second.Get();
}

float MeasureTextWidthWithDirectWrite(std::wstring_view text, const TextFormat& format) {
  IDWriteTextFormat* platform_format = DirectWriteFormat(format);
  if (platform_format == nullptr) return 0.0f;
  ComPtr<IDWriteTextLayout> layout;
  DWRITE_TEXT_METRICS metrics{};
  if (FAILED(DirectWrite()->CreateTextLayout(text.data(), static_cast<UINT32>(text.size()), platform_format, 10000.0f,
                                             100.0f, &layout)) ||
      FAILED(layout->GetMetrics(&metrics))) {
    return 0.0f;
  }
  return metrics.width;
}

namespace links {

bool InitFonts() {
  IDWriteFactory* factory = DirectWrite();
  if (factory == nullptr) return false;
  ComPtr<IDWriteFontCollection> collection;
  FamilyInstalled installed;
  if (SUCCEEDED(factory->GetSystemFontCollection(&collection))) {
    installed = [collection](std::wstring_view family) {
      UINT32 index = 0;
      BOOL exists = FALSE;
      return SUCCEEDED(collection->FindFamilyName(std::wstring(family).c_str(), &index, &exists)) && exists;
    };
  }
  FontSet& fonts = SharedFonts();
  fonts = ChooseFonts(std::move(installed));
  DebugLog(L"fonte: %ls, ícones: %ls", fonts.text_font.c_str(), fonts.icon_font.c_str());
  return true;
}

}  // namespace links
}  // namespace notch
