#include "search/windows_search_command.h"

#include "search/search_text.h"

namespace notch::quick {

std::wstring EscapeForLike(std::wstring_view word) {
  std::wstring escaped;
  for (const wchar_t c : word) {
    if (c == L'\'') {
      escaped += L"''";
    } else if (c == L'%' || c == L'_' || c == L'[' || c == L']') {
      escaped += L'[';
      escaped += c;
      escaped += L']';
    } else {
      escaped += c;
    }
  }
  return escaped;
}

std::wstring WindowsSearchCommand(std::wstring_view lower_query) {
  std::wstring command =
      L"SELECT TOP 60 System.ItemNameDisplay, System.ItemPathDisplay, System.ItemTypeText FROM SystemIndex WHERE ";
  bool first = true;
  for (const std::wstring_view word : SplitWords(lower_query)) {
    const std::wstring escaped = EscapeForLike(word);
    if (!first) command += L" AND ";
    first = false;
    command +=
        L"(System.ItemNameDisplay LIKE '%" + escaped + L"%' OR System.ItemPathDisplay LIKE '%" + escaped + L"%')";
  }
  command +=
      L" AND (System.FileExtension IS NULL OR System.FileExtension <> '.lnk') ORDER BY System.Search.Rank DESC, "
      L"System.DateModified DESC";
  return command;
}

}  // namespace notch::quick
