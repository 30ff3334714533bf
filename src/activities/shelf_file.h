#pragma once
// The text of estante.txt: UTF-8, one full path per line, oldest first.
// Written with a byte order mark and CR LF line ends; read with or without
// the mark and with LF or CR LF line ends.
#include <string>
#include <string_view>
#include <vector>

namespace notch {

inline constexpr wchar_t kShelfFileName[] = L"estante.txt";

// The paths the file lists, in file order: trailing CRs and LFs stripped,
// empty lines and lines no path could be (holding a NUL) skipped. Lines of
// any length are read whole. Invalid UTF-8 reads as U+FFFD.
std::vector<std::wstring> ReadShelfFileText(std::string_view bytes);

// The whole file for `paths`.
std::string ShelfFileText(const std::vector<std::wstring>& paths);

}  // namespace notch
