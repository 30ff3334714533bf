#pragma once
// Whole-file reads and safe whole-file replacement, with wide paths on both
// platforms.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace notch {

// Natively, backslashes in `path` are taken as folder separators.
std::filesystem::path PathFromWide(std::wstring_view path);
// The path as the program's wide text (natively, from its UTF-8 bytes).
std::wstring WideFromPath(const std::filesystem::path& path);

// The file's bytes, or nothing when it cannot be opened.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& path);

// Writes the bytes beside the file and renames them over it, so that a
// failure half-way never leaves a truncated file behind.
bool ReplaceFileBytes(const std::filesystem::path& path, std::string_view bytes);

}  // namespace notch
