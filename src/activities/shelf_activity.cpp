#include "activities/shelf_activity.h"

#include "activities/media_layout.h"
#include "activities/shelf_file.h"
#include "common/debug_log.h"

namespace notch {

ShelfActivity::ShelfActivity(ShelfPorts ports) : ports_(std::move(ports)), view_(ports_.picture) {}

void ShelfActivity::Load() {
  list_.Clear();
  const std::optional<std::string> bytes = ports_.read_file ? ports_.read_file() : std::nullopt;
  if (!bytes) return;
  for (const std::wstring& path : ReadShelfFileText(*bytes)) {
    if (ports_.exists && ports_.exists(path)) list_.Add(path);
  }
}

bool ShelfActivity::Save() {
  view_.icons().Prune(list_.entries());
  return ports_.write_file && ports_.write_file(ShelfFileText(list_.entries()));
}

bool ShelfActivity::DragEnter(bool offers_files) {
  if (!offers_files) return false;
  drag_hovering_ = true;
  if (island_) island_->BeginFileDrag();
  return true;
}

void ShelfActivity::DragLeave() {
  drag_hovering_ = false;
  if (island_) island_->EndFileDrag(false);
}

void ShelfActivity::Drop(const std::vector<std::wstring>& names) {
  drag_hovering_ = false;
  for (const std::wstring& name : names) {
    if (list_.Add(name)) Save();
  }
  DebugLog(L"ilha: %u arquivo(s) na Estante", static_cast<unsigned>(names.size()));
  if (island_) island_->EndFileDrag(true);
}

void ShelfActivity::Open(int index) {
  const std::wstring* path = list_.At(index);
  if (path && ports_.open) ports_.open(*path);
}

void ShelfActivity::Remove(int index) {
  const std::wstring* path = list_.At(index);
  if (!path) return;
  list_.Remove(std::wstring(*path));
  Save();
  if (island_) island_->Redraw();
}

void ShelfActivity::Clear() {
  list_.Clear();
  Save();
  if (island_) island_->Redraw();
}

void ShelfActivity::DragOut(int index) {
  const std::wstring* entry = list_.At(index);
  if (!entry || !ports_.drag_out) return;
  const std::wstring path = *entry;
  const ShelfDragOutcome outcome = ports_.drag_out(path);
  if (!outcome.dropped) return;
  // A copy or a link leaves the file where it was; a move, or a source that
  // has vanished meanwhile, leaves nothing for the entry to name.
  if (!outcome.moved && ports_.exists && ports_.exists(path)) return;
  list_.Remove(path);
  Save();
  if (island_) island_->Redraw();
}

bool ShelfActivity::Activate(HitItem item) {
  if (item.kind == shelf_hit::kItem) {
    Open(item.index);
    return true;
  }
  if (item.kind == shelf_hit::kClear) {
    Clear();
    return true;
  }
  return false;
}

void ShelfActivity::DrawPage(Canvas& canvas, const IslandContentFrame& frame, const IslandTextFormats& formats,
                             HitRegions& hits) {
  const IslandRecord& r = frame.record;
  const RectF box = MediaCardBox(r.style, r.theme, frame.shape, frame.notch_height);
  view_.Draw(canvas, {r, box, list_.entries(), drag_hovering_}, formats, hits);
}

}  // namespace notch
