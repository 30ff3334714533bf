#pragma once
// The shelf activity: the list of parked files, its file, the files dropped
// on the island and dragged out of it, and the shelf page's clicks.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "activities/shelf_list.h"
#include "activities/shelf_view.h"
#include "shell/ilha/island_ports.h"

namespace notch {

// How a drag out of the island ended.
struct ShelfDragOutcome {
  bool dropped = false;  // false: cancelled, or nothing took it
  bool moved = false;    // the target moved the file
};

// What the shelf does outside itself.
struct ShelfPorts {
  std::function<std::optional<std::string>()> read_file;   // estante.txt; nothing when missing or unreadable
  std::function<bool(std::string_view bytes)> write_file;  // replaces estante.txt whole
  std::function<bool(const std::wstring& path)> exists;    // a file or a folder
  std::function<void(const std::wstring& path)> open;
  std::function<ShelfDragOutcome(const std::wstring& path)> drag_out;
  FilePictureSource picture;
};

class ShelfActivity {
 public:
  explicit ShelfActivity(ShelfPorts ports);

  void Attach(IslandCommands& island) { island_ = &island; }

  const ShelfList& list() const { return list_; }
  bool drag_hovering() const { return drag_hovering_; }

  // Reads estante.txt again: entries that no longer exist are left out.
  void Load();
  // Prunes the icon cache and rewrites estante.txt; false when writing failed
  // (the list in memory stays).
  bool Save();

  // OLE drag and drop over the island. DragEnter returns whether the drag
  // is taken (the data offers file names).
  bool DragEnter(bool offers_files);
  void DragLeave();
  // `names`: the dropped file names in order, empty where one could not be read.
  void Drop(const std::vector<std::wstring>& names);

  // The page's elements.
  void Open(int index);
  void Remove(int index);
  void Clear();
  void DragOut(int index);
  bool Activate(HitItem item);

  void DrawPage(Canvas& canvas, const IslandContentFrame& frame, const IslandTextFormats& formats, HitRegions& hits);
  ShelfView& view() { return view_; }

 private:
  ShelfPorts ports_;
  IslandCommands* island_ = nullptr;
  ShelfList list_;
  ShelfView view_;
  bool drag_hovering_ = false;
};

}  // namespace notch
