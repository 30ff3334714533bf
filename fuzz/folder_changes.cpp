// A folder-change buffer as the downloads watcher reads it: any bytes give a
// list of changes without reading past the buffer, and every name the list
// yields is either ignored or checked at a path inside the folder.
#include <cstdint>
#include <cstdlib>

#include "activities/download_watch.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace notch;
  const std::vector<FolderChange> changes = ReadFolderChanges(data, size);
  if (changes.size() > size / 12) std::abort();
  const std::wstring folder = L"C:\\Users\\ana\\Downloads";
  for (const std::wstring& path : DownloadsToCheck(folder, changes)) {
    if (!path.starts_with(folder + L"\\")) std::abort();
    if (path.find(L'\\', folder.size() + 1) != std::wstring::npos) std::abort();
  }
  return 0;
}
