#include "host/language.h"

#include <atomic>

#include "common/environment.h"
#include "common/file_io.h"
#include "common/text_file.h"

namespace notch {
namespace {

std::atomic<int> g_language{kLanguageUnknown};

constexpr std::size_t kLineBufferChars = 512;
constexpr std::size_t kAppDataBufferChars = 260;
constexpr std::wstring_view kLanguageLinePrefix = L"idioma=";

}  // namespace

int LanguageFlag() { return g_language.load(std::memory_order_acquire); }

void SetLanguageFlag(int language) { g_language.store(language, std::memory_order_release); }

int LanguageFromSetting(std::wstring_view idioma) { return idioma == L"pt" ? kPortuguese : kEnglish; }

int LanguageFromAjustesText(std::wstring_view text) {
  int language = kEnglish;
  while (!text.empty()) {
    std::size_t length = text.find(L'\n');
    length = length == std::wstring_view::npos ? text.size() : length + 1;
    if (length > kLineBufferChars - 1) length = kLineBufferChars - 1;
    const std::wstring_view piece = text.substr(0, length);
    text.remove_prefix(length);
    if (piece.substr(0, kLanguageLinePrefix.size()) != kLanguageLinePrefix) continue;
    const std::wstring_view rest = piece.substr(kLanguageLinePrefix.size());
    language = rest.size() >= 2 && rest[0] == L'e' && rest[1] == L'n' ? kEnglish : kPortuguese;
  }
  return language;
}

std::optional<std::wstring> AjustesPath(const std::optional<std::wstring>& appdata) {
  if (!appdata || appdata->empty() || appdata->size() > kAppDataBufferChars - 1) return std::nullopt;
  return *appdata + L"\\Shell\\ajustes.txt";
}

int EnsureLanguageKnown() {
  const int known = LanguageFlag();
  if (known != kLanguageUnknown) return known;
  int language = kEnglish;
  if (const auto path = AjustesPath(ReadEnvironmentVariable(L"APPDATA"))) {
    if (const auto bytes = ReadFileBytes(PathFromWide(*path))) {
      language = LanguageFromAjustesText(DecodeTextFile(*bytes).text);
    }
  }
  SetLanguageFlag(language);
  return language;
}

}  // namespace notch
