#include "host/translate.h"

#include <string_view>
#include <unordered_map>

#include "host/language.h"

namespace notch {
namespace {

using TranslationMap = std::unordered_map<std::wstring_view, const wchar_t*>;

const TranslationMap& Map() {
  static const TranslationMap map = [] {
    TranslationMap built;
    const auto pairs = TranslationTable();
    built.reserve(pairs.size());
    for (const TranslationPair& pair : pairs) built.emplace(pair.portuguese, pair.english);
    return built;
  }();
  return map;
}

}  // namespace

const wchar_t* Translate(const wchar_t* text) {
  if (text == nullptr) return nullptr;
  if (EnsureLanguageKnown() != kEnglish) return text;
  const TranslationMap& map = Map();
  const auto found = map.find(text);
  return found == map.end() ? text : found->second;
}

}  // namespace notch
