#pragma once
// Text files as Windows programs write them: UTF-16LE or UTF-8 with a byte
// order mark, or no mark at all (UTF-8 when valid, else the ANSI code page,
// read here as Windows-1252).
#include <string>
#include <string_view>

namespace notch {

enum class TextEncoding { Utf8, Utf8WithMark, Utf16LeWithMark, Ansi };

struct DecodedText {
  std::wstring text;
  TextEncoding encoding = TextEncoding::Utf8;
};

DecodedText DecodeTextFile(std::string_view bytes);
std::string EncodeTextFile(std::wstring_view text, TextEncoding encoding);

}  // namespace notch
