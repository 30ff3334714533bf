#include "activities/shelf_win.h"

#include <ole2.h>

#include "activities/island_activity_set_win.h"
#include "activities/shelf_drag_drop_win.h"
#include "activities/shelf_file_win.h"
#include "activities/shell_open_win.h"
#include "common/debug_log.h"
#include "render/file_icon_win.h"

namespace notch {
namespace {

constexpr int kIconSize = 64;

}  // namespace

ShelfPorts WindowsShelfPorts() {
  ShelfPorts ports;
  ports.read_file = [] { return ReadShelfFile(ShelfFilePath()); };
  ports.write_file = [](std::string_view bytes) { return WriteShelfFile(ShelfFilePath(), bytes); };
  ports.exists = [](const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; };
  ports.open = ShellOpen;
  ports.drag_out = DragOutShelfItem;
  ports.picture = [](const std::wstring& path) { return FileIcon(path, kIconSize); };
  return ports;
}

void LoadShelf() { WindowsShelf().Load(); }

void RegisterShelfDropTarget(HWND island) {
  // The window keeps its own reference; this one is released at once.
  auto* target = new ShelfDropTarget(WindowsShelf());
  const HRESULT result = RegisterDragDrop(island, target);
  if (FAILED(result)) DebugLog(L"ilha: RegisterDragDrop 0x%08X", static_cast<unsigned>(result));
  target->Release();
}

}  // namespace notch
