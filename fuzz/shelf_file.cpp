// estante.txt as the shelf reads it: any bytes give a list of non-empty
// paths without line breaks, and writing that list and reading it back
// gives the same list.
#include "activities/shelf_file.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "activities/shelf_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace notch;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::vector<std::wstring> paths = ReadShelfFileText(bytes);
  for (const std::wstring& path : paths) {
    if (path.empty() || path.find(L'\n') != std::wstring::npos || path.back() == L'\r') std::abort();
  }
  if (ReadShelfFileText(ShelfFileText(paths)) != paths) std::abort();
  ShelfList list;
  for (const std::wstring& path : paths) list.Add(path);
  if (list.size() > kShelfCapacity) std::abort();
  return 0;
}
