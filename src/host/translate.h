#pragma once
// Island and panel texts are written in Portuguese and pass through
// Translate, which gives the English text of the pair when the language is
// English.
#include <span>

namespace notch {

struct TranslationPair {
  const wchar_t* portuguese;
  const wchar_t* english;
};

// The constant pairs; the Portuguese texts are unique.
std::span<const TranslationPair> TranslationTable();

// Null stays null; a text without a pair is returned unchanged.
const wchar_t* Translate(const wchar_t* text);

}  // namespace notch
