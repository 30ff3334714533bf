#include "common/known_folder_win.h"

#include <shlobj.h>

namespace notch {

std::wstring KnownFolderPath(REFKNOWNFOLDERID folder) {
  PWSTR path = nullptr;
  std::wstring result;
  if (SUCCEEDED(SHGetKnownFolderPath(folder, 0, nullptr, &path)) && path != nullptr) result = path;
  CoTaskMemFree(path);
  return result;
}

}  // namespace notch
