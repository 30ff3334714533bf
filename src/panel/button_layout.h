#pragma once
// The sixteen buttons that sit either in the island's header row (at most
// six) or on the panel's Home page, the "button_layout" value that records
// where each one sits, and the arithmetic of the Home tile grid and of the
// Customize page's chips, drag and keyboard moves.
#include <array>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/settings.h"
#include "panel/panel_page.h"

namespace notch::quick {

inline constexpr int kButtonCount = 16;
inline constexpr int kHeaderCapacity = 6;

struct ButtonInfo {
  const wchar_t* key;         // token in the setting
  int id;                     // control id of the Home tile
  const wchar_t* tooltip;     // Portuguese source text of the tile's window text
  const wchar_t* short_name;  // Portuguese source text of the chip's caption
};

const std::array<ButtonInfo, kButtonCount>& ButtonCatalogue();
// The button with `key` (exact, case-sensitive); nothing for any other text.
std::optional<int> ButtonFromKey(std::wstring_view key);
// The button whose Home tile has control id `id`.
std::optional<int> ButtonOfTile(int id);
std::wstring ButtonTooltip(int button);    // translated
std::wstring ButtonShortName(int button);  // translated

struct Layout {
  std::vector<int> header;
  std::vector<int> panel;
  friend bool operator==(const Layout&, const Layout&) = default;
};

Layout DefaultLayout();
// Never fails: unknown and repeated tokens are dropped, header overflow goes
// to the front of the panel and missing buttons are appended.
Layout ParseLayout(std::wstring_view value);
std::wstring SerializeLayout(const Layout& layout);
bool IsDefaultLayout(const Layout& layout);

// ceil(panel size / 6): the Customize page's panel rows.
int PanelRowCount(const Layout& layout);

// The layout after moving `button` before position `index` of the header
// (`to_header`) or the panel; nothing when the move changes nothing or is
// not allowed (a full header, an index past the end, an unknown button).
std::optional<Layout> MovedLayout(const Layout& layout, int button, bool to_header, int index);

// The process-wide layout: loaded from the settings on first use and
// replaced only by a successful save.
class LayoutStore {
 public:
  explicit LayoutStore(Settings& settings) : settings_(settings) {}

  Layout Current();

  enum class SaveKind { Move, Reset };
  struct SaveResult {
    bool saved = false;
    std::wstring status;  // translated, held on the status line
  };
  // Writes the layout; on failure the layout in memory stays as it was.
  SaveResult Save(const Layout& layout, SaveKind kind);
  // MovedLayout then Save; nothing when the move changes nothing.
  std::optional<SaveResult> Move(int button, bool to_header, int index);

 private:
  Settings& settings_;
  std::mutex mutex_;
  std::optional<Layout> layout_;
};

// What a click on a header button does.
enum class HeaderAction {
  IslandMedia,
  IslandTimer,
  IslandClipboard,
  IslandShelf,
  IslandStatistics,
  OpenWiFi,
  OpenBluetooth,
  OpenHomeAndToggleHotspot,
  OpenSound,
  OpenDisplay,
  OpenQuickSearch,
  OpenNotchSettings,
  PreviousTrack,
  PlayPause,
  NextTrack,
  ToggleLyrics,
};
HeaderAction HeaderButtonAction(int button);

// The Home tile grid.
struct HomeTileRect {
  int button = 0;
  int id = 0;
  int left = 0, top = 0, right = 0, bottom = 0;  // DIPs
  friend bool operator==(const HomeTileRect&, const HomeTileRect&) = default;
};
std::vector<HomeTileRect> HomeTileGrid(const std::vector<int>& panel);
int HomeTileRows(const std::vector<int>& panel);
// 164 DIPs with up to five rows, 204 with six.
int HomePageHeight(const std::vector<int>& panel);

// The page builder's inputs that follow the layout: the Home tiles, the
// Customize page's chips and both pages' sizes.
void UseLayout(PageInputs& in, Layout layout);

// The 24-unit icon path of a catalogue button's tile or chip.
const char* ButtonIconPath(int button, bool playing, bool lyrics_on);

// Customize page geometry.
inline constexpr int kChipBaseId = 300;
inline constexpr int kHeaderChipTop = 86;
inline constexpr int kPanelChipTop = 166;
DipRect ChipRect(int index, bool in_header);
std::wstring SlotsUsedText(const Layout& layout);
std::wstring CustomizeHint();  // translated

// Whether the pointer has moved far enough from the press point (pixels) to
// start a drag at `dpi`.
bool DragStarts(int dx, int dy, unsigned dpi);

struct DropTarget {
  bool header = false;
  int index = 0;
  bool allowed = true;
  friend bool operator==(const DropTarget&, const DropTarget&) = default;
};
// The drop target under the pointer at (x, y) in panel pixels, for a drag of
// `button`; nothing outside both zones.
std::optional<DropTarget> DropTargetAt(const Layout& layout, int button, int x, int y, unsigned dpi);
// Where the painter marks the insertion point of `target`: a bar 3 DIPs wide
// in the gap before the chip at the index, or after the last chip of a row
// when the index starts the next one.
DipRect InsertionMarker(const DropTarget& target);
// The status text while hovering over `target` (translated).
std::wstring DragStatus(const std::optional<DropTarget>& target);
std::wstring HeaderFullMessage();  // translated

enum class ChipKey { Left, Right, Up, Down };
struct KeyMove {
  enum class Kind { None, Move, HeaderFull } kind = Kind::None;
  bool to_header = false;
  int index = 0;
  friend bool operator==(const KeyMove&, const KeyMove&) = default;
};
// What Ctrl + an arrow key does to the focused chip of `button`.
KeyMove ChipKeyMove(const Layout& layout, int button, ChipKey key);

}  // namespace notch::quick
