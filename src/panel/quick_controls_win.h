#pragma once
// The Quick Controls panel's window: the TemboNotchQuickControls layered
// popup over the expanded island, its child controls built from the page
// tables, its tooltip window, placement and clipping inside the growing
// island, and the message handling that feeds the portable QuickPanel.
#include <windows.h>

#include <atomic>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <vector>

#include "panel/panel_ports.h"
#include "panel/quick_panel.h"
#include "panel/search_ports.h"
#include "shell/ilha/island_ports.h"

namespace notch::quick {

inline constexpr wchar_t kPanelWindowClass[] = L"TemboNotchQuickControls";
inline constexpr wchar_t kPanelWindowTitle[] = L"Notch Quick Controls";
// Timer 2: the search page's debounce; its ticks run the panel's Tick.
inline constexpr UINT_PTR kSearchDebounceTimer = 2;
inline constexpr UINT kSearchDebounceMs = 20;

// The seams the window does not implement itself.
struct PanelSeams {
  PanelIsland& island;
  MediaControls& media;
  VolumeControl& volume;
  PanelHost& host;
  PageWork& work;
  TaskLauncher& launcher;
  SoundDevices* sound = nullptr;
};

class QuickControlsWindow final : public PanelWindow, public IslandPanel, public SearchView {
 public:
  QuickControlsWindow(HWND island, const PanelSeams& seams);
  ~QuickControlsWindow() override;
  QuickControlsWindow(const QuickControlsWindow&) = delete;
  QuickControlsWindow& operator=(const QuickControlsWindow&) = delete;

  // The island window that owns the panel; set before the window is made.
  void AttachIsland(HWND island) { island_ = island; }
  // Creates the window if needed; false when the class or window cannot be made.
  bool Create();
  HWND window() const { return window_; }
  QuickPanel& panel() { return panel_; }
  // The main loop's key filter: true when the message was handled.
  bool PreTranslate(MSG& message);
  bool HasFocus() const;

  // IslandPanel.
  bool Busy() const override { return panel_.PanelWantsToStay(); }
  bool Foreground() const override { return HasFocus(); }
  void Close() override { panel_.Close(); }
  void Place(const PanelPlacement& placement) override;
  void StartSearch() override { panel_.OpenQuickSearch(); }
  void OpenButtonLayout() override { panel_.OpenPanelAt(Page::CustomizeButtons); }
  void HeaderClicked(HitItem item) override;
  SizeF ContentSize() const override;

  // PanelWindow.
  const Clock& clock() const override;
  void CreateControls(const PageLayout& layout) override;
  void DestroyControls() override;
  void SetText(int id, const std::wstring& text) override;
  std::wstring Text(int id) const override;
  void Enable(int id, bool enabled) override;
  void SetSlider(int value) override;
  void Focus(int id) override;
  void Redraw() override;
  void SetAlpha(std::uint8_t alpha) override;
  void SetFadeClock(bool on) override;
  void SetTickTimer(bool on) override;
  void Hide() override;
  bool Visible() const override;
  bool ForegroundOwnedByPanel() const override;
  bool CursorInside() const override;
  void FillList(const std::vector<ListRow>& rows, std::optional<std::size_t> selected) override;
  std::optional<std::size_t> ListSelection() const override;
  void SetListPlaceholder(const std::wstring& text) override;
  void ShowPrompt(const std::vector<PanelControl>& controls) override;
  void ClosePrompt() override;
  void SetPressed(int id, bool pressed) override;
  void SetTileCaption(int id, const TileCaption& caption) override;
  void PopTooltip() override;
  void ReleaseMouse() override;

  // SearchView (search_view_win.cpp).
  void SetListRows(const std::vector<ListRow>& rows) override;
  int SelectedRow() const override;
  void SelectListRow(int row) override;
  void MoveControl(int id, const DipRect& rect) override;
  void SetDebounceTimer(bool on) override;
  std::optional<std::wstring> ChooseProgram() override;

  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);
  // Hover tracking of the buttons and the list's empty placeholder.
  LRESULT HandleChild(HWND child, UINT message, WPARAM wparam, LPARAM lparam);

 private:
  HWND Control(int id) const;
  HWND CreateChild(const PanelControl& c, Page page);
  void MakeFonts();
  void ReleaseGdi();
  void PrepareBrushes(COLORREF background);
  void DrawButton(const DRAWITEMSTRUCT& item);
  void DrawListItem(const DRAWITEMSTRUCT& item);
  void DrawIcon(HDC dc, const char* path, const RECT& box, int max_dips, COLORREF colour);
  // A Customize chip's mouse messages; true when handled.
  bool ChipMouse(HWND child, int button, UINT message, LPARAM lparam);
  // A row of rows_: icon, title over detail, and the text on the right.
  void DrawListRow(HDC dc, RECT rect, const ListRow& row, bool selected);
  // The list's hover row and the search box's hint (search_view_win.cpp).
  void TrackListHover(HWND list, LPARAM point);
  void DrawSearchHint(HWND edit);
  void Paint();
  int ControlIdOf(HWND child) const;
  void CreateChildren(const std::vector<PanelControl>& controls, Page page);
  void ForgetChild(HWND child);

  HWND island_;
  PanelSeams seams_;
  HWND window_ = nullptr;
  std::atomic<HWND> post_target_{nullptr};  // read by task threads
  HWND tooltip_ = nullptr;
  QuickPanel panel_;
  std::map<int, HWND> controls_;
  std::vector<HWND> children_;
  std::set<HWND> muted_;
  HFONT fonts_[6] = {};
  unsigned font_dpi_ = 0;
  unsigned font_theme_ = ~0u;
  COLORREF background_ = RGB(0, 0, 0);
  HBRUSH background_brush_ = nullptr;
  HBRUSH edit_brush_ = nullptr;
  HBRUSH list_brush_ = nullptr;
  COLORREF list_colour_ = 0;
  COLORREF edit_colour_ = 0;
  bool high_contrast_ = false;
  unsigned theme_ = 0;
  RECT placed_ = {};
  std::optional<PanelClip> clip_;
  bool region_set_ = false;
  bool slider_dragging_ = false;
  HWND hovered_ = nullptr;
  std::wstring list_placeholder_;
  std::vector<ListRow> rows_;  // what the list's owner-drawn rows show
  std::map<int, TileCaption> captions_;
  std::vector<HWND> hidden_for_prompt_;
  std::vector<int> prompt_ids_;
  std::set<int> pressed_;
  int hovered_row_ = -1;
};

// Task threads as the program starts them: detached, in the multithreaded
// apartment.
TaskLauncher& WorkerThreadLauncher();

// The program's panel (created on first use, owned by the island window).
QuickControlsWindow* ProgramPanel();

// The program's button layout, over its settings file.
LayoutStore& ProgramButtonLayout();

}  // namespace notch::quick
