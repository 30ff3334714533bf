#include "search/file_system.h"

#include <algorithm>

namespace notch::quick {
namespace {

// Length of the root ("C:\", "\\server\share\", "\") that a path starts with.
std::size_t RootLength(std::wstring_view path) {
  if (path.size() >= 2 && path[1] == L':') return (path.size() >= 3 && IsPathSeparator(path[2])) ? 3 : 2;
  if (path.size() >= 2 && IsPathSeparator(path[0]) && IsPathSeparator(path[1])) {
    std::size_t at = path.find_first_of(L"\\/", 2);                              // end of the server name
    if (at != std::wstring_view::npos) at = path.find_first_of(L"\\/", at + 1);  // end of the share
    return at == std::wstring_view::npos ? path.size() : at + 1;
  }
  return (!path.empty() && IsPathSeparator(path[0])) ? 1 : 0;
}

std::wstring_view WithoutTrailingSeparators(std::wstring_view path, std::size_t root) {
  while (path.size() > root && IsPathSeparator(path.back())) path.remove_suffix(1);
  return path;
}

}  // namespace

bool IsPathSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

std::wstring JoinPath(std::wstring_view folder, std::wstring_view name) {
  std::wstring path(folder);
  if (!path.empty() && !IsPathSeparator(path.back())) path.push_back(L'\\');
  path.append(name);
  return path;
}

std::size_t NameStart(std::wstring_view path) {
  const std::size_t separator = path.find_last_of(L"\\/");
  return separator == std::wstring_view::npos ? 0 : separator + 1;
}

std::wstring_view Stem(std::wstring_view name) {
  const std::size_t dot = name.rfind(L'.');
  return dot == std::wstring_view::npos ? name : name.substr(0, dot);
}

std::wstring_view LastComponent(std::wstring_view path) {
  const std::size_t root = RootLength(path);
  path = WithoutTrailingSeparators(path, root);
  return path.size() <= root ? std::wstring_view() : path.substr(std::max(root, NameStart(path)));
}

bool IsNetworkPath(std::wstring_view path) {
  return path.size() >= 2 && IsPathSeparator(path[0]) && IsPathSeparator(path[1]);
}

PathKind LikelyPathKind(std::wstring_view path) {
  if (path.empty() || IsPathSeparator(path.back())) return PathKind::Folder;
  const std::wstring_view name = LastComponent(path);
  return name.find(L'.') == std::wstring_view::npos ? PathKind::Folder : PathKind::File;
}

std::wstring_view FileStem(std::wstring_view path) { return Stem(path.substr(NameStart(path))); }

std::optional<std::wstring_view> ParentFolder(std::wstring_view path) {
  const std::size_t root = RootLength(path);
  path = WithoutTrailingSeparators(path, root);
  const std::size_t separator = path.find_last_of(L"\\/");
  if (path.size() <= root || separator == std::wstring_view::npos || separator + 1 < root) return std::nullopt;
  if (separator + 1 == root) return path.substr(0, root);
  return path.substr(0, separator);
}

}  // namespace notch::quick
