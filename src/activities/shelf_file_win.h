#pragma once
// estante.txt on disk: under the local application data folder, replaced
// whole on each save through a temporary file beside it, so that a crash or
// a full disk part-way through a save leaves the previous list in place.
#include <optional>
#include <string>
#include <string_view>

namespace notch {

// A file larger than this is not a shelf this program wrote; only its
// beginning is read.
inline constexpr unsigned long kShelfFileReadLimit = 8u * 1024u * 1024u;

// "<local application data>\StandaloneTemboNotch\estante.txt"; empty when
// the system does not report the folder.
std::wstring ShelfFilePath();
// Where a save writes before it replaces the file.
std::wstring ShelfTemporaryPath(const std::wstring& path);

// The file's bytes (at most kShelfFileReadLimit), or nothing when it is
// missing or cannot be read.
std::optional<std::string> ReadShelfFile(const std::wstring& path);
// Writes the bytes to the temporary file, flushes it to disk and moves it
// over `path` (replacing it, write-through). Creates the folder when it is
// missing. On failure `path` is left as it was.
bool WriteShelfFile(const std::wstring& path, std::string_view bytes);

}  // namespace notch
