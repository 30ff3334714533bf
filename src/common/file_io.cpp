#include "common/file_io.h"

#include <fstream>
#include <iterator>
#include <system_error>

#include "common/text.h"

namespace notch {

std::filesystem::path PathFromWide(std::wstring_view path) {
  if constexpr (sizeof(wchar_t) == 2) {
    return std::filesystem::path(std::wstring(path));
  } else {
    // The program builds Windows paths; natively their separators become '/'.
    std::string narrow = WideToUtf8(path);
    for (char& c : narrow) {
      if (c == '\\') c = '/';
    }
    return std::filesystem::path(narrow);
  }
}

std::wstring WideFromPath(const std::filesystem::path& path) {
  if constexpr (sizeof(wchar_t) == 2) {
    return path.wstring();
  } else {
    return Utf8ToWide(path.string());
  }
}

std::optional<std::string> ReadFileBytes(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  try {
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return bytes;
  } catch (const std::ios_base::failure&) {
    return std::nullopt;  // a read error part-way
  }
}

bool ReplaceFileBytes(const std::filesystem::path& path, std::string_view bytes) {
  std::filesystem::path temporary = path;
  temporary += ".new";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
      out.close();
      std::error_code ignored;
      std::filesystem::remove(temporary, ignored);
      return false;
    }
  }
  std::error_code error;
  std::filesystem::rename(temporary, path, error);
  if (error) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    return false;
  }
  return true;
}

}  // namespace notch
