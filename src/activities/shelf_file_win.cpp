#include "activities/shelf_file_win.h"

#include <windows.h>

#include <shlobj.h>

#include <algorithm>

#include "activities/shelf_file.h"
#include "common/known_folder_win.h"

namespace notch {
namespace {

constexpr wchar_t kProgramFolderName[] = L"\\StandaloneTemboNotch";

class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  ~FileHandle() { Close(); }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return handle_; }
  bool Close() {
    if (!valid()) return true;
    const bool closed = CloseHandle(handle_) != 0;
    handle_ = INVALID_HANDLE_VALUE;
    return closed;
  }

 private:
  HANDLE handle_;
};

bool WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 20));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

void CreateParentFolder(const std::wstring& path) {
  const std::size_t slash = path.find_last_of(L'\\');
  if (slash == std::wstring::npos || slash == 0) return;
  CreateDirectoryW(path.substr(0, slash).c_str(), nullptr);  // it may exist already
}

}  // namespace

std::wstring ShelfFilePath() {
  const std::wstring local = KnownFolderPath(FOLDERID_LocalAppData);
  if (local.empty()) return {};
  return local + kProgramFolderName + L"\\" + kShelfFileName;
}

std::wstring ShelfTemporaryPath(const std::wstring& path) { return path + L".tmp"; }

std::optional<std::string> ReadShelfFile(const std::wstring& path) {
  if (path.empty()) return std::nullopt;
  FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return std::nullopt;
  std::string bytes;
  char buffer[64 * 1024];
  for (;;) {
    DWORD read = 0;
    if (!ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr)) return std::nullopt;
    if (read == 0) break;
    const std::size_t room = kShelfFileReadLimit - bytes.size();
    bytes.append(buffer, std::min<std::size_t>(read, room));
    if (bytes.size() >= kShelfFileReadLimit) break;
  }
  return bytes;
}

bool WriteShelfFile(const std::wstring& path, std::string_view bytes) {
  if (path.empty()) return false;
  CreateParentFolder(path);
  const std::wstring temporary = ShelfTemporaryPath(path);
  {
    FileHandle file(
        CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return false;
    const bool written = WriteAll(file.get(), bytes) && FlushFileBuffers(file.get()) != 0;
    if (!file.Close() || !written) {
      DeleteFileW(temporary.c_str());
      return false;
    }
  }
  if (!MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DeleteFileW(temporary.c_str());
    return false;
  }
  return true;
}

}  // namespace notch
