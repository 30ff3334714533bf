#pragma once
// The nine pages of the Quick Controls panel as data: each page's size and
// the table of child controls SetupPage creates, in creation order. The
// Win32 shell and notch-inspect both read these tables.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/settings.h"

namespace notch::quick {

enum class Page : int {
  Home = 0,
  WiFi = 1,
  Bluetooth = 2,
  Sound = 3,
  Display = 4,
  NotchSettings = 5,
  Search = 6,
  SearchSettings = 7,
  CustomizeButtons = 8,
};

inline constexpr int kPageCount = 9;

std::string_view PageName(Page page);
std::optional<Page> PageFromName(std::string_view name);

// Control ids of the panel's children.
namespace control {
inline constexpr int kBack = 100;
inline constexpr int kWiFiPage = 101;
inline constexpr int kBluetoothPage = 102;
inline constexpr int kSoundPage = 103;
inline constexpr int kDisplayPage = 104;
inline constexpr int kNotchPage = 105;
inline constexpr int kSearchPage = 106;
inline constexpr int kTimerPage = 107;
inline constexpr int kShelfPage = 108;
inline constexpr int kPrevious = 109;
inline constexpr int kPlayPause = 110;
inline constexpr int kNext = 111;
inline constexpr int kLyrics = 112;
inline constexpr int kRadioToggle = 113;
inline constexpr int kRefresh = 114;
inline constexpr int kList = 115;
inline constexpr int kAct = 116;
inline constexpr int kSettings = 117;
inline constexpr int kPromptEdit = 118;
inline constexpr int kRemember = 119;
inline constexpr int kPromptSubmit = 120;
inline constexpr int kPromptCancel = 121;
inline constexpr int kSlider = 122;
inline constexpr int kMute = 123;
inline constexpr int kTheme = 124;
inline constexpr int kAutoHide = 125;
inline constexpr int kStyleNotch = 126;
inline constexpr int kStylePill = 127;
inline constexpr int kStyleActivity = 128;
inline constexpr int kSearchSettings = 129;
inline constexpr int kSearchEdit = 130;
inline constexpr int kDefaultBrowser = 131;
inline constexpr int kAltSpace = 132;
inline constexpr int kCtrlAltSpace = 133;
inline constexpr int kCustomShortcut = 134;
inline constexpr int kBrowse = 135;
inline constexpr int kFallback = 136;
inline constexpr int kTerminal = 137;
inline constexpr int kHotspot = 138;
inline constexpr int kMediaPage = 139;
inline constexpr int kClipboardPage = 140;
inline constexpr int kStatisticsPage = 141;
inline constexpr int kCustomize = 142;
inline constexpr int kResetLayout = 143;
inline constexpr int kStatus = 200;
inline constexpr int kValue = 201;
// Labels without a control id; the title and subtitle are told apart so that
// the shell can keep their handles.
inline constexpr int kLabel = -1;
inline constexpr int kTitle = -2;
inline constexpr int kSubtitle = -3;
}  // namespace control

enum class ControlKind { Button, Label, Edit, List, Trackbar };
std::string_view ControlKindName(ControlKind kind);

// The six GDI fonts of the panel.
enum class FontRole { Normal, Title, Small, Icon, Section, Value };

struct DipRect {
  int x = 0, y = 0, w = 0, h = 0;
  friend bool operator==(const DipRect&, const DipRect&) = default;
};

struct PanelControl {
  int id = control::kLabel;
  ControlKind kind = ControlKind::Label;
  std::wstring text;  // translated
  DipRect rect;       // DIPs at 96 DPI
  FontRole font = FontRole::Normal;
  bool muted = false;  // drawn in the grey of the subtitle and status line
  int range_max = 0;   // track bars: 0..range_max
  bool enabled = true;
  bool password = false;     // edits: characters hidden
  int text_limit = 0;        // edits: at most this many characters; 0 for no limit
  bool align_right = false;  // labels: text against the right edge
};

struct PanelSize {
  int w = 0, h = 0;
  friend bool operator==(const PanelSize&, const PanelSize&) = default;
};

// The size while the panel is closed.
inline constexpr PanelSize kClosedPanelSize{244, 156};

// What a page's size depends on besides the page itself.
struct PageSizeInputs {
  int home_tile_rows = 2;
  int search_rows = 0;  // result rows; 0 counts as 5
  int panel_buttons = 0;
};

PanelSize PageSize(Page page, const PageSizeInputs& in);
PanelSize PageSize(int page_value, const PageSizeInputs& in);  // any stored value

// The header title (translated) and the title label's width for a page.
std::wstring PageTitle(Page page);
int TitleWidth(Page page, int panel_width);

// The buttons of the Home page in order: the panel list of the default
// button layout.
std::vector<int> DefaultHomeButtons();
// The island header's buttons of the default button layout.
std::vector<int> DefaultHeaderButtons();

// Everything SetupPage reads to build a page's controls.
struct PageInputs {
  PageSizeInputs size;
  std::vector<int> home_buttons = DefaultHomeButtons();      // catalogue numbers
  std::vector<int> header_buttons = DefaultHeaderButtons();  // the Customize page's header chips
  IslandStyle style = IslandStyle::Notch;
  Theme theme = Theme::Sequoia;
  bool lyrics_on = true;
  bool media_available = false;
  bool media_playing = false;
  std::optional<int> brightness;  // percent, when known
};

struct PageLayout {
  Page page = Page::Home;
  PanelSize size;
  std::vector<PanelControl> controls;  // creation order
};

PageLayout BuildPage(Page page, const PageInputs& in);

// Texts shared by the page builder and the panel's rules (translated).
std::wstring StyleName(IslandStyle style);
std::wstring ThemeName(Theme theme);
std::wstring NotchSubtitle(IslandStyle style, Theme theme);
int StyleControl(IslandStyle style);
std::wstring LyricsTileText(bool on);
std::wstring PlayTileText(bool playing);

}  // namespace notch::quick
