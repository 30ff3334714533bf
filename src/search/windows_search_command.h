#pragma once
// The SQL the Windows Search index is asked for files and folders.
#include <string>
#include <string_view>

namespace notch::quick {

// "'" doubled; "%", "_", "[" and "]" wrapped in square brackets.
std::wstring EscapeForLike(std::wstring_view word);

// Every word of the lower-case query in the item's name or path, shortcuts
// left out, best ranked and newest first; at most 60 rows.
std::wstring WindowsSearchCommand(std::wstring_view lower_query);

}  // namespace notch::quick
