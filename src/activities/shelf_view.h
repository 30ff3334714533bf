#pragma once
// The shelf page of the expanded island: a drop zone while the shelf is
// empty or files hover over the island, otherwise a row of tiles (file
// picture and name) for the newest entries and the "Limpar" button.
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "activities/hit_regions.h"
#include "host/settings.h"
#include "render/canvas.h"
#include "render/file_icon.h"
#include "render/text_formats.h"
#include "shell/ilha/island_record.h"

namespace notch {

namespace shelf_hit {
inline constexpr int kItem = hit::kShelfItem;  // index: the entry's place in the list
inline constexpr int kClear = 21;
}  // namespace shelf_hit

using FilePictureSource = std::function<std::optional<FilePicture>(const std::wstring& path)>;

// The file pictures of the shelf's entries as bitmaps, each made the first
// time its entry is drawn; a path without a picture is remembered as such.
class ShelfIcons {
 public:
  explicit ShelfIcons(FilePictureSource source) : source_(std::move(source)) {}

  // The entry's bitmap on this canvas, or null when it has no picture.
  const CanvasBitmap* Get(Canvas& canvas, const std::wstring& path);
  // Forgets the pictures of paths that are not in `kept`.
  void Prune(const std::vector<std::wstring>& kept);
  struct Size {
    int width = 0, height = 0;
  };
  // The picture's size in pixels; zero when it has none or was never asked.
  Size SizeOf(const std::wstring& path) const;
  std::size_t size() const { return icons_.size(); }
  int pictures_asked() const { return pictures_asked_; }

 private:
  struct Icon {
    std::optional<FilePicture> picture;
    std::unique_ptr<CanvasBitmap> bitmap;
    const void* domain = nullptr;
  };
  FilePictureSource source_;
  std::map<std::wstring, Icon> icons_;
  int pictures_asked_ = 0;
};

// Figures of a dashed outline along a rounded rectangle, each dash an open
// figure.
std::vector<PathData> DashedRoundedRect(const RectF& rect, float radius, float dash, float gap);

// The text after the last "\" (or "/"); a root path whole.
std::wstring ShelfItemName(const std::wstring& path);

struct ShelfPageInputs {
  const IslandRecord& record;
  RectF box;  // the card's content box
  const std::vector<std::wstring>& entries;
  bool drag_hovering = false;
};

class ShelfView {
 public:
  explicit ShelfView(FilePictureSource pictures) : icons_(std::move(pictures)) {}

  void Draw(Canvas& canvas, const ShelfPageInputs& in, const IslandTextFormats& formats, HitRegions& hits);
  ShelfIcons& icons() { return icons_; }

  // How many tiles fit in a content box this wide.
  static int TilesThatFit(float box_width);

 private:
  void DrawDropZone(Canvas& canvas, const ShelfPageInputs& in, const IslandTextFormats& formats);
  void DrawTiles(Canvas& canvas, const ShelfPageInputs& in, const IslandTextFormats& formats, HitRegions& hits);

  ShelfIcons icons_;
  // The dashed outline, kept while its rectangle and domain stay.
  std::unique_ptr<CanvasPath> zone_;
  RectF zone_rect_;
  float zone_radius_ = 0.0f;
  const void* zone_domain_ = nullptr;
};

}  // namespace notch
