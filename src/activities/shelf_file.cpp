#include "activities/shelf_file.h"

#include "common/text.h"

namespace notch {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

std::vector<std::wstring> ReadShelfFileText(std::string_view bytes) {
  if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) bytes.remove_prefix(kByteOrderMark.size());
  std::vector<std::wstring> paths;
  while (!bytes.empty()) {
    const std::size_t end = bytes.find('\n');
    std::string_view line = bytes.substr(0, end);
    bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.remove_suffix(1);
    if (line.empty() || line.find('\0') != std::string_view::npos) continue;
    paths.push_back(Utf8ToWide(line));
  }
  return paths;
}

std::string ShelfFileText(const std::vector<std::wstring>& paths) {
  std::string text(kByteOrderMark);
  for (const std::wstring& path : paths) {
    text += WideToUtf8(path);
    text += "\r\n";
  }
  return text;
}

}  // namespace notch
