#include "panel/quick_controls_win.h"

#include <commctrl.h>
#include <uxtheme.h>

#include <algorithm>
#include <cmath>

#include "common/app_messages.h"
#include "common/debug_log.h"
#include "host/translate.h"
#include "panel/button_layout.h"
#include "panel/panel_icons.h"
#include "render/fonts.h"
#include "render/frame_clock_win.h"
#include "render/path_icon.h"

namespace notch::quick {
namespace {

constexpr UINT_PTR kTickTimer = 1;
constexpr UINT kTickMs = 100;
constexpr int kStaticId = 0xFFFF;
constexpr COLORREF kMutedText = RGB(154, 159, 170);
constexpr COLORREF kWhite = RGB(255, 255, 255);

// c + (255 - c) * p / 100 per channel.
COLORREF Lighten(COLORREF colour, int percent) {
  auto channel = [percent](int c) { return c + (255 - c) * percent / 100; };
  return RGB(channel(GetRValue(colour)), channel(GetGValue(colour)), channel(GetBValue(colour)));
}

COLORREF FromColour(const Colour& c) {
  auto channel = [](float v) { return static_cast<int>(std::clamp(v, 0.0f, 1.0f) * 255.0f + 0.5f); };
  return RGB(channel(c.r), channel(c.g), channel(c.b));
}

bool HighContrastOn() {
  HIGHCONTRASTW contrast{sizeof(contrast), 0, nullptr};
  return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0) &&
         (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

LRESULT CALLBACK PanelProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lparam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* panel = reinterpret_cast<QuickControlsWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (panel != nullptr && panel->window() == window) return panel->Handle(message, wparam, lparam);
  return DefWindowProcW(window, message, wparam, lparam);
}

LRESULT CALLBACK ChildProc(HWND child, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR data) {
  if (message == WM_NCDESTROY) RemoveWindowSubclass(child, ChildProc, 1);
  return reinterpret_cast<QuickControlsWindow*>(data)->HandleChild(child, message, wparam, lparam);
}

// The slider's value under x: where the press falls along the channel.
int SliderValueAt(HWND slider, int x) {
  RECT channel{};
  SendMessageW(slider, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
  const int width = channel.right - channel.left;
  return std::clamp(MulDiv(x - channel.left, 100, width < 2 ? 1 : width), 0, 100);
}

// Moves the thumb and tells the panel as the track bar itself would.
void ReportSlider(HWND slider, int value, WORD code) {
  SendMessageW(slider, TBM_SETPOS, TRUE, value);
  SendMessageW(GetParent(slider), WM_HSCROLL, MAKEWPARAM(code, value), reinterpret_cast<LPARAM>(slider));
}

// A press anywhere on the slider jumps the thumb there and drags it until the
// release; true when the message is taken.
bool SliderMouse(HWND slider, UINT message, LPARAM lparam) {
  const int x = static_cast<short>(LOWORD(lparam));
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      SetFocus(slider);
      SetCapture(slider);
      ReportSlider(slider, SliderValueAt(slider, x), TB_THUMBTRACK);
      return true;
    case WM_MOUSEMOVE:
      if (GetCapture() == slider) {
        const int value = SliderValueAt(slider, x);
        if (value != static_cast<int>(SendMessageW(slider, TBM_GETPOS, 0, 0))) {
          ReportSlider(slider, value, TB_THUMBTRACK);
        }
      }
      return false;
    case WM_LBUTTONUP:
      if (GetCapture() != slider) return false;
      ReleaseCapture();
      ReportSlider(slider, SliderValueAt(slider, x), TB_THUMBPOSITION);
      return true;
    default:
      return false;
  }
}

// Empties an edit and its undo buffer, so a typed key leaves nothing behind.
void ClearEdit(HWND edit) {
  if (edit == nullptr) return;
  SetWindowTextW(edit, L"");
  SendMessageW(edit, EM_EMPTYUNDOBUFFER, 0, 0);
}

bool RegisterPanelClass() {
  static bool registered = false;
  if (registered) return true;
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = PanelProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = kPanelWindowClass;
  if (RegisterClassExW(&wc) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    DebugLog(L"painel: RegisterClassExW %lu", GetLastError());
    return false;
  }
  registered = true;
  return true;
}

}  // namespace

QuickControlsWindow::QuickControlsWindow(HWND island, const PanelSeams& seams)
    : island_(island),
      seams_(seams),
      panel_(PanelServices{*this, seams.island, seams.media, seams.volume, seams.host, seams.work, seams.launcher,
                           seams.sound},
             [this] {
               // On the worker thread: only the post touches the window.
               if (HWND window = post_target_.load()) PostMessageW(window, panel_message::kTaskFinished, 0, 0);
             }) {}

QuickControlsWindow::~QuickControlsWindow() {
  if (window_ != nullptr) {
    SetFrameClock(window_, panel_message::kFadeFrame, false);
    HWND window = window_;
    post_target_.store(nullptr);
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    window_ = nullptr;
    DestroyWindow(window);
  }
  ReleaseGdi();
}

bool QuickControlsWindow::Create() {
  if (window_ != nullptr) return true;
  if (!RegisterPanelClass()) return false;
  HWND window =
      CreateWindowExW(WS_EX_LAYERED | WS_EX_CONTROLPARENT | WS_EX_TOOLWINDOW, kPanelWindowClass, kPanelWindowTitle,
                      WS_POPUP | WS_CLIPCHILDREN, 0, 0, 0, 0, island_, nullptr, GetModuleHandleW(nullptr), this);
  if (window == nullptr) {
    DebugLog(L"painel: CreateWindowExW %lu", GetLastError());
    return false;
  }
  window_ = window;
  post_target_.store(window);
  SetLayeredWindowAttributes(window_, 0, 255, LWA_ALPHA);
  tooltip_ = CreateWindowExW(WS_EX_NOACTIVATE | WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                             WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, window_, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (tooltip_ != nullptr) SendMessageW(tooltip_, TTM_SETDELAYTIME, TTDT_INITIAL, 350);
  high_contrast_ = HighContrastOn();
  const unsigned dpi = island_ != nullptr ? GetDpiForWindow(island_) : 96;
  font_dpi_ = dpi < 96 ? 96 : dpi;
  MakeFonts();
  PrepareBrushes(background_);
  return true;
}

// ---- Fonts and brushes -------------------------------------------------------

void QuickControlsWindow::MakeFonts() {
  for (HFONT& font : fonts_) {
    if (font != nullptr) DeleteObject(font);
    font = nullptr;
  }
  const bool leopard = theme_ == 3;
  const std::wstring face = leopard ? L"Lucida Sans Unicode" : SharedFonts().text_font;
  const std::wstring icon_face = SharedFonts().icon_font;
  const int title_weight = leopard ? FW_BOLD : FW_SEMIBOLD;
  struct FontChoice {
    int size;
    int weight;
    const std::wstring* face;
  };
  const FontChoice specs[6] = {{12, FW_NORMAL, &face},      {15, title_weight, &face}, {11, FW_NORMAL, &face},
                               {14, FW_NORMAL, &icon_face}, {11, title_weight, &face}, {13, title_weight, &face}};
  for (int i = 0; i < 6; ++i) {
    fonts_[i] =
        CreateFontW(-ScaleDip(specs[i].size, font_dpi_), 0, 0, 0, specs[i].weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH, specs[i].face->c_str());
  }
  font_theme_ = theme_;
}

void QuickControlsWindow::PrepareBrushes(COLORREF background) {
  if (background_brush_ != nullptr && background == background_) return;
  for (HBRUSH* brush : {&background_brush_, &edit_brush_, &list_brush_}) {
    if (*brush != nullptr) DeleteObject(*brush);
  }
  background_ = background;
  edit_colour_ = Lighten(background, 8);
  list_colour_ = Lighten(background, 6);
  background_brush_ = CreateSolidBrush(high_contrast_ ? GetSysColor(COLOR_WINDOW) : background);
  edit_brush_ = CreateSolidBrush(high_contrast_ ? GetSysColor(COLOR_WINDOW) : edit_colour_);
  list_brush_ = CreateSolidBrush(high_contrast_ ? GetSysColor(COLOR_WINDOW) : list_colour_);
}

void QuickControlsWindow::ReleaseGdi() {
  for (HFONT& font : fonts_) {
    if (font != nullptr) DeleteObject(font);
    font = nullptr;
  }
  for (HBRUSH* brush : {&background_brush_, &edit_brush_, &list_brush_}) {
    if (*brush != nullptr) DeleteObject(*brush);
    *brush = nullptr;
  }
}

// ---- Placement ---------------------------------------------------------------

SizeF QuickControlsWindow::ContentSize() const {
  const PanelSize size = panel_.size();
  return {static_cast<float>(size.w), static_cast<float>(size.h)};
}

void QuickControlsWindow::Place(const PanelPlacement& placement) {
  if (!Create()) return;
  if (!placement.visible) {
    if (panel_.open() && IsWindowVisible(window_)) ShowWindow(window_, SW_HIDE);
    return;
  }
  unsigned dpi = GetDpiForWindow(island_);
  if (dpi < 96) dpi = 96;
  const bool contrast = HighContrastOn();
  const bool restyle = dpi != font_dpi_ || contrast != high_contrast_ || placement.theme != font_theme_;
  high_contrast_ = contrast;
  theme_ = placement.theme;
  if (restyle) {
    font_dpi_ = dpi;
    MakeFonts();
    background_brush_ != nullptr ? DeleteObject(background_brush_) : 0;
    background_brush_ = nullptr;
  }
  PrepareBrushes(FromColour(placement.background));
  panel_.Show({dpi, contrast, placement.theme, placement.opacity});

  const double scale = dpi / 96.0;
  const PanelSize size = panel_.size();
  const int width = ScaleDip(size.w, dpi);
  const int height = ScaleDip(size.h, dpi);
  RECT island{};
  GetWindowRect(island_, &island);
  const double centre = island.left + (placement.left + placement.width / 2.0) * scale;
  RECT rect;
  rect.left = static_cast<LONG>(centre - width / 2.0);
  rect.top = island.top + static_cast<LONG>(placement.top * scale + 0.5);
  rect.right = rect.left + width;
  rect.bottom = rect.top + height;
  const bool was_hidden = !IsWindowVisible(window_);
  const bool resized =
      rect.right - rect.left != placed_.right - placed_.left || rect.bottom - rect.top != placed_.bottom - placed_.top;
  if (was_hidden || !EqualRect(&rect, &placed_)) {
    // A new size is a new page's: nothing of the old picture is kept.
    SetWindowPos(window_, HWND_TOPMOST, rect.left, rect.top, width, height,
                 SWP_SHOWWINDOW | SWP_NOACTIVATE | (resized ? SWP_NOCOPYBITS : 0));
    placed_ = rect;
  }

  constexpr double kCornerRadius = 16.0;
  const std::optional<PanelClip> clip = ClipWhileGrowing(size, placement.width, placement.height, kCornerRadius, scale);
  if (clip != clip_ || (clip.has_value() != region_set_)) {
    if (clip) {
      HRGN region = CreateRoundRectRgn(clip->left, clip->top, clip->right, clip->bottom, clip->corner_diameter,
                                       clip->corner_diameter);
      SetWindowRgn(window_, region, TRUE);  // the window owns the region now
      region_set_ = true;
    } else {
      SetWindowRgn(window_, nullptr, TRUE);
      region_set_ = false;
    }
    clip_ = clip;
    // What the new clip uncovers is painted afresh, children and all: what
    // the window held there before may be the previous page's picture.
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
  }
}

bool QuickControlsWindow::HasFocus() const {
  if (window_ == nullptr || !IsWindowVisible(window_)) return false;
  HWND foreground = GetForegroundWindow();
  return foreground == window_ || (foreground != nullptr && IsChild(window_, foreground));
}

// ---- PanelWindow -------------------------------------------------------------

const Clock& QuickControlsWindow::clock() const { return SystemClock(); }

void QuickControlsWindow::DestroyControls() {
  hovered_ = nullptr;
  if (tooltip_ != nullptr) SendMessageW(tooltip_, TTM_POP, 0, 0);
  ClearEdit(Control(control::kPromptEdit));
  for (HWND child : children_) DestroyWindow(child);
  children_.clear();
  controls_.clear();
  muted_.clear();
  rows_.clear();
  hovered_row_ = -1;
  captions_.clear();
  hidden_for_prompt_.clear();
  prompt_ids_.clear();
  pressed_.clear();
}

void QuickControlsWindow::CreateControls(const PageLayout& layout) {
  DestroyControls();
  if (window_ == nullptr) return;
  list_placeholder_ = layout.page == Page::WiFi        ? Translate(L"Procurando redes Wi-Fi…")
                      : layout.page == Page::Bluetooth ? Translate(L"Procurando dispositivos Bluetooth…")
                                                       : L"";
  CreateChildren(layout.controls, layout.page);
}

void QuickControlsWindow::CreateChildren(const std::vector<PanelControl>& controls, Page page) {
  for (const PanelControl& c : controls) CreateChild(c, page);
}

HWND QuickControlsWindow::CreateChild(const PanelControl& c, Page page) {
  const unsigned dpi = font_dpi_;
  HINSTANCE instance = GetModuleHandleW(nullptr);
  {
    const wchar_t* cls = L"STATIC";
    DWORD style = WS_CHILD | WS_VISIBLE;
    DWORD ex_style = 0;
    switch (c.kind) {
      case ControlKind::Button:
        cls = L"BUTTON";
        style |= WS_TABSTOP | BS_OWNERDRAW;
        break;
      case ControlKind::Label:
        style |= SS_NOPREFIX | SS_ENDELLIPSIS | (c.align_right ? SS_RIGHT : 0);
        break;
      case ControlKind::Edit:
        cls = L"EDIT";
        style |= WS_TABSTOP | ES_AUTOHSCROLL | (c.password ? ES_PASSWORD : 0);
        break;
      case ControlKind::List:
        cls = L"LISTBOX";
        style |= WS_VSCROLL | WS_TABSTOP | LBS_NOINTEGRALHEIGHT | LBS_HASSTRINGS | LBS_OWNERDRAWFIXED | LBS_NOTIFY;
        break;
      case ControlKind::Trackbar:
        cls = TRACKBAR_CLASSW;
        style |= WS_TABSTOP | TBS_HORZ | TBS_NOTICKS | TBS_BOTH;
        break;
    }
    const int id = c.id >= 0 ? c.id : kStaticId;
    HWND child = CreateWindowExW(ex_style, cls, c.text.c_str(), style, ScaleDip(c.rect.x, dpi), ScaleDip(c.rect.y, dpi),
                                 ScaleDip(c.rect.w, dpi), ScaleDip(c.rect.h, dpi), window_,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    if (child == nullptr) return nullptr;
    children_.push_back(child);
    if (c.id != control::kLabel) controls_[c.id] = child;
    if (c.muted) muted_.insert(child);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_[static_cast<int>(c.font)]), FALSE);
    if (c.kind == ControlKind::Edit && c.text_limit > 0) SendMessageW(child, EM_SETLIMITTEXT, c.text_limit, 0);
    if (c.kind == ControlKind::Trackbar) {
      SendMessageW(child, TBM_SETRANGE, FALSE, MAKELPARAM(0, c.range_max));
    }
    if (c.kind == ControlKind::Button || c.kind == ControlKind::List || c.kind == ControlKind::Trackbar ||
        c.id == control::kSearchEdit) {
      SetWindowSubclass(child, ChildProc, 1, reinterpret_cast<DWORD_PTR>(this));
    }
    if (c.kind == ControlKind::List) {
      const int item = page == Page::Search ? 36 : page == Page::SearchSettings ? 32 : 35;
      SendMessageW(child, LB_SETITEMHEIGHT, 0, ScaleDip(item, dpi));
      if (!high_contrast_) SetWindowTheme(child, L"DarkMode_Explorer", nullptr);
    }
    if (!c.enabled) EnableWindow(child, FALSE);
    if (c.kind == ControlKind::Button && tooltip_ != nullptr) {
      TOOLINFOW tool{};
      tool.cbSize = sizeof(tool);
      tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
      tool.hwnd = window_;
      tool.uId = reinterpret_cast<UINT_PTR>(child);
      tool.lpszText = LPSTR_TEXTCALLBACKW;
      SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    return child;
  }
}

void QuickControlsWindow::ForgetChild(HWND child) {
  if (child == nullptr) return;
  if (hovered_ == child) hovered_ = nullptr;
  if (tooltip_ != nullptr) {
    TOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = window_;
    tool.uId = reinterpret_cast<UINT_PTR>(child);
    SendMessageW(tooltip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
  children_.erase(std::remove(children_.begin(), children_.end(), child), children_.end());
  muted_.erase(child);
  for (auto it = controls_.begin(); it != controls_.end(); ++it) {
    if (it->second == child) {
      controls_.erase(it);
      break;
    }
  }
  DestroyWindow(child);
}

HWND QuickControlsWindow::Control(int id) const {
  const auto found = controls_.find(id);
  return found == controls_.end() ? nullptr : found->second;
}

int QuickControlsWindow::ControlIdOf(HWND child) const {
  for (const auto& [id, handle] : controls_) {
    if (handle == child) return id;
  }
  return 0;
}

void QuickControlsWindow::SetText(int id, const std::wstring& text) {
  HWND control = Control(id);
  if (control == nullptr) return;
  wchar_t current[512] = {};
  GetWindowTextW(control, current, 512);
  if (text == current) return;
  SetWindowTextW(control, text.c_str());
  InvalidateRect(control, nullptr, TRUE);
}

std::wstring QuickControlsWindow::Text(int id) const {
  HWND control = Control(id);
  if (control == nullptr) return {};
  wchar_t text[512] = {};
  GetWindowTextW(control, text, 512);
  std::wstring copy = text;
  SecureZeroMemory(text, sizeof(text));  // the prompt's edit holds a key
  return copy;
}

void QuickControlsWindow::Enable(int id, bool enabled) {
  HWND control = Control(id);
  if (control != nullptr && (IsWindowEnabled(control) != FALSE) != enabled) EnableWindow(control, enabled);
}

void QuickControlsWindow::SetSlider(int value) {
  HWND slider = Control(control::kSlider);
  if (slider == nullptr || slider_dragging_ || GetCapture() == slider) return;
  if (SendMessageW(slider, TBM_GETPOS, 0, 0) != value) SendMessageW(slider, TBM_SETPOS, TRUE, value);
}

void QuickControlsWindow::Focus(int id) {
  HWND control = Control(id);
  if (control == nullptr) return;
  if (GetForegroundWindow() != window_) SetForegroundWindow(window_);
  SetFocus(control);
}

void QuickControlsWindow::Redraw() {
  if (window_ != nullptr)
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | (high_contrast_ ? RDW_ERASE : 0));
}

void QuickControlsWindow::SetAlpha(std::uint8_t alpha) {
  if (window_ != nullptr) SetLayeredWindowAttributes(window_, 0, alpha, LWA_ALPHA);
}

void QuickControlsWindow::SetFadeClock(bool on) {
  if (window_ != nullptr) notch::SetFrameClock(window_, panel_message::kFadeFrame, on);
}

void QuickControlsWindow::SetTickTimer(bool on) {
  if (window_ == nullptr) return;
  if (on) {
    SetTimer(window_, kTickTimer, kTickMs, nullptr);
  } else {
    KillTimer(window_, kTickTimer);
  }
}

void QuickControlsWindow::Hide() {
  if (window_ == nullptr) return;
  SetWindowRgn(window_, nullptr, FALSE);
  region_set_ = false;
  clip_.reset();
  if (tooltip_ != nullptr) SendMessageW(tooltip_, TTM_POP, 0, 0);
  ShowWindow(window_, SW_HIDE);
  placed_ = {};
  if (HWND list = Control(control::kList)) SendMessageW(list, LB_RESETCONTENT, 0, 0);
  rows_.clear();
  hovered_row_ = -1;
  ClosePrompt();
}

bool QuickControlsWindow::Visible() const { return window_ != nullptr && IsWindowVisible(window_); }

bool QuickControlsWindow::ForegroundOwnedByPanel() const {
  HWND foreground = GetForegroundWindow();
  return window_ != nullptr && foreground != nullptr &&
         (foreground == window_ || GetWindow(foreground, GW_OWNER) == window_ || IsChild(window_, foreground));
}

bool QuickControlsWindow::CursorInside() const {
  if (!Visible()) return false;
  POINT cursor{};
  RECT rect{};
  return GetCursorPos(&cursor) && GetWindowRect(window_, &rect) && PtInRect(&rect, cursor);
}

void QuickControlsWindow::FillList(const std::vector<ListRow>& rows, std::optional<std::size_t> selected) {
  HWND list = Control(control::kList);
  if (list == nullptr) return;
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  rows_ = rows;
  for (const ListRow& row : rows_) SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.item_text.c_str()));
  const bool valid = selected && *selected < rows_.size();
  SendMessageW(list, LB_SETCURSEL, valid ? static_cast<WPARAM>(*selected) : static_cast<WPARAM>(-1), 0);
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
}

std::optional<std::size_t> QuickControlsWindow::ListSelection() const {
  HWND list = Control(control::kList);
  if (list == nullptr) return std::nullopt;
  const LRESULT row = SendMessageW(list, LB_GETCURSEL, 0, 0);
  if (row == LB_ERR || row < 0) return std::nullopt;
  return static_cast<std::size_t>(row);
}

void QuickControlsWindow::SetListPlaceholder(const std::wstring& text) {
  if (text == list_placeholder_) return;
  list_placeholder_ = text;
  if (HWND list = Control(control::kList)) InvalidateRect(list, nullptr, TRUE);
}

void QuickControlsWindow::ShowPrompt(const std::vector<PanelControl>& controls) {
  ClosePrompt();
  const HWND header[] = {Control(control::kBack), Control(control::kTitle), Control(control::kSubtitle),
                         Control(control::kStatus)};
  for (HWND child : children_) {
    if (std::find(std::begin(header), std::end(header), child) != std::end(header)) continue;
    if (IsWindowVisible(child)) {
      ShowWindow(child, SW_HIDE);
      hidden_for_prompt_.push_back(child);
    }
  }
  CreateChildren(controls, panel_.page());
  for (const PanelControl& c : controls) prompt_ids_.push_back(c.id);
  Redraw();
}

void QuickControlsWindow::ClosePrompt() {
  ClearEdit(Control(control::kPromptEdit));
  for (int id : prompt_ids_) {
    pressed_.erase(id);
    ForgetChild(Control(id));
  }
  prompt_ids_.clear();
  for (HWND child : hidden_for_prompt_) ShowWindow(child, SW_SHOWNA);
  hidden_for_prompt_.clear();
  Redraw();
}

void QuickControlsWindow::SetPressed(int id, bool pressed) {
  if (pressed ? !pressed_.insert(id).second : pressed_.erase(id) == 0) return;
  if (HWND button = Control(id)) InvalidateRect(button, nullptr, FALSE);
}

void QuickControlsWindow::SetTileCaption(int id, const TileCaption& caption) {
  const auto found = captions_.find(id);
  if (found != captions_.end() && found->second == caption) return;
  captions_[id] = caption;
  if (HWND tile = Control(id)) InvalidateRect(tile, nullptr, FALSE);
}
void QuickControlsWindow::PopTooltip() {
  if (tooltip_ != nullptr) SendMessageW(tooltip_, TTM_POP, 0, 0);
}

void QuickControlsWindow::ReleaseMouse() {
  HWND capture = GetCapture();
  if (window_ != nullptr && capture != nullptr && (capture == window_ || IsChild(window_, capture))) ReleaseCapture();
}

// ---- IslandPanel -------------------------------------------------------------

void QuickControlsWindow::HeaderClicked(HitItem item) { panel_.HeaderClicked(item.kind, item.index); }

// ---- Key filter --------------------------------------------------------------

bool QuickControlsWindow::PreTranslate(MSG& message) {
  if (window_ == nullptr || !panel_.open()) return false;
  if (message.hwnd != window_ && !IsChild(window_, message.hwnd)) return false;
  const UINT m = message.message;
  if (m != WM_KEYDOWN && m != WM_CHAR && m != WM_SYSKEYDOWN) return false;
  if ((m == WM_KEYDOWN || m == WM_SYSKEYDOWN) &&
      panel_.CaptureKey(static_cast<int>(message.wParam), (GetKeyState(VK_MENU) & 0x8000) != 0,
                        (GetKeyState(VK_CONTROL) & 0x8000) != 0, (GetKeyState(VK_SHIFT) & 0x8000) != 0)) {
    return true;
  }
  if (m == WM_KEYDOWN) {
    PanelKey key = PanelKey::Other;
    const bool ctrl = (GetKeyState(VK_CONTROL) & 0x8000) != 0;
    const bool alt = (GetKeyState(VK_MENU) & 0x8000) != 0;
    if (message.wParam == VK_UP)
      key = PanelKey::Up;
    else if (message.wParam == VK_DOWN)
      key = PanelKey::Down;
    else if (message.wParam == VK_ESCAPE)
      key = PanelKey::Escape;
    else if (message.wParam == VK_RETURN)
      key = PanelKey::Enter;
    else if (message.wParam == 'T' && ctrl && !alt)
      key = PanelKey::CtrlT;
    if (key != PanelKey::Other && panel_.Key(key, ControlIdOf(GetFocus()))) return true;
    const int focused = ControlIdOf(GetFocus());
    if (ctrl && !alt && focused >= kChipBaseId && focused < kChipBaseId + kButtonCount) {
      std::optional<ChipKey> arrow;
      switch (message.wParam) {
        case VK_LEFT:
          arrow = ChipKey::Left;
          break;
        case VK_RIGHT:
          arrow = ChipKey::Right;
          break;
        case VK_UP:
          arrow = ChipKey::Up;
          break;
        case VK_DOWN:
          arrow = ChipKey::Down;
          break;
        default:
          break;
      }
      if (arrow) {
        panel_.MoveChipByKey(focused - kChipBaseId, *arrow);
        return true;
      }
    }
  }
  return IsDialogMessageW(window_, &message) != FALSE;
}

// ---- Messages ----------------------------------------------------------------

void QuickControlsWindow::DrawButton(const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  RECT rect = item.rcItem;
  FillRect(dc, &rect, background_brush_);
  const bool disabled = (item.itemState & ODS_DISABLED) != 0;
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  const int id = static_cast<int>(item.CtlID);
  const bool active = panel_.ButtonSelected(id) || pressed_.count(id) != 0;
  COLORREF fill = high_contrast_ ? GetSysColor(COLOR_BTNFACE)
                                 : Lighten(background_, pressed                     ? 22
                                                        : active                    ? 26
                                                        : item.hwndItem == hovered_ ? 17
                                                                                    : 12);
  HBRUSH brush = CreateSolidBrush(fill);
  HPEN pen = CreatePen(PS_SOLID, 1, high_contrast_ ? GetSysColor(COLOR_WINDOWFRAME) : fill);
  HGDIOBJ old_brush = SelectObject(dc, brush);
  HGDIOBJ old_pen = SelectObject(dc, pen);
  const int round = ScaleDip(id == control::kBack ? 28 : 12, font_dpi_);
  RoundRect(dc, rect.left, rect.top, rect.right, rect.bottom, round, round);
  SelectObject(dc, old_brush);
  SelectObject(dc, old_pen);
  DeleteObject(brush);
  DeleteObject(pen);
  wchar_t text[256] = {};
  GetWindowTextW(item.hwndItem, text, 256);
  const Page page = panel_.page();
  const COLORREF ink = high_contrast_ ? GetSysColor(COLOR_BTNTEXT) : disabled ? kMutedText : kWhite;
  IconState icon_state{page, seams_.media.Playing(), seams_.host.LyricsOn()};
  if (id == control::kMute) {
    const std::optional<VolumeReading> volume = seams_.volume.Read();
    icon_state.muted = volume && volume->muted;
  }
  const auto tile_caption = captions_.find(id);
  if (tile_caption != captions_.end()) icon_state.radio_off = tile_caption->second.crossed;
  const char* icon = ControlIconPath(id, icon_state);
  if (tile_caption != captions_.end()) {
    // A large tile: its icon, then its title over its state.
    const int middle = (rect.top + rect.bottom) / 2;
    RECT line = rect;
    line.left += ScaleDip(14, font_dpi_);
    line.right -= ScaleDip(8, font_dpi_);
    if (icon != nullptr) {
      const int side = ScaleDip(22, font_dpi_);
      const RECT icon_box{line.left, middle - side / 2, line.left + side, middle - side / 2 + side};
      DrawIcon(dc, icon, icon_box, 18, ink);
      line.left = icon_box.right + ScaleDip(10, font_dpi_);
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ink);
    HGDIOBJ old = SelectObject(dc, fonts_[0]);
    line.bottom = middle + ScaleDip(1, font_dpi_);
    DrawTextW(dc, tile_caption->second.title.c_str(), -1, &line, DT_LEFT | DT_BOTTOM | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, fonts_[static_cast<int>(FontRole::Small)]);
    if (!high_contrast_) SetTextColor(dc, kMutedText);
    line.top = line.bottom + ScaleDip(2, font_dpi_);
    line.bottom = rect.bottom;
    DrawTextW(dc, tile_caption->second.subtitle.c_str(), -1, &line,
              DT_LEFT | DT_TOP | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    SelectObject(dc, old);
    if ((item.itemState & ODS_FOCUS) != 0 && (item.itemState & ODS_NOFOCUSRECT) == 0) DrawFocusRect(dc, &rect);
    return;
  }
  const bool chip = id >= kChipBaseId && id < kChipBaseId + kButtonCount;
  // Home tiles show only their icon (the tooltip names them); chips their
  // icon over the short name; other buttons the icon before the caption.
  std::wstring caption = text;
  if (chip) caption = ButtonShortName(id - kChipBaseId);
  if (id == control::kCustomShortcut) caption = CustomShortcutShownText(text);
  if ((page == Page::Home && ButtonOfTile(id)) || id == control::kBack) caption.clear();
  if (icon == nullptr && caption.empty()) caption = text;
  const int pad = ScaleDip(4, font_dpi_);
  RECT text_rect = rect;
  InflateRect(&text_rect, -pad, 0);
  UINT align = DT_CENTER;
  if (icon != nullptr && caption.empty()) {
    DrawIcon(dc, icon, rect, 20, ink);
  } else if (icon != nullptr && chip) {
    const RECT icon_box{rect.left, rect.top + pad, rect.right, rect.top + ScaleDip(26, font_dpi_)};
    DrawIcon(dc, icon, icon_box, 18, ink);
    text_rect.top = icon_box.bottom;
    text_rect.bottom -= pad / 2;
  } else if (icon != nullptr) {
    const int box = ScaleDip(22, font_dpi_);
    const int height = rect.bottom - rect.top;
    const int side = std::min(box, height);
    const RECT icon_box{rect.left + pad, rect.top + (height - side) / 2, rect.left + pad + side,
                        rect.top + (height - side) / 2 + side};
    DrawIcon(dc, icon, icon_box, 16, ink);
    text_rect.left = icon_box.right + pad / 2;
    align = DT_LEFT;
  }
  if (!caption.empty()) {
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ink);
    HGDIOBJ old_font = SelectObject(dc, fonts_[chip ? static_cast<int>(FontRole::Small) : 0]);
    DrawTextW(dc, caption.c_str(), -1, &text_rect, align | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    SelectObject(dc, old_font);
  }
  if ((item.itemState & ODS_FOCUS) != 0 && (item.itemState & ODS_NOFOCUSRECT) == 0) DrawFocusRect(dc, &rect);
}

void QuickControlsWindow::DrawIcon(HDC dc, const char* path, const RECT& box, int max_dips, COLORREF colour) {
  const float max_size = static_cast<float>(ScaleDip(max_dips, font_dpi_));
  const std::vector<Polyline> lines = IconPolylines(path,
                                                    {static_cast<float>(box.left), static_cast<float>(box.top),
                                                     static_cast<float>(box.right), static_cast<float>(box.bottom)},
                                                    max_size);
  if (lines.empty()) return;
  // Two grid units wide, as the island strokes its line icons.
  const DWORD width = static_cast<DWORD>(std::max(1.0f, max_size / kPathIconGrid * 2.0f + 0.5f));
  const LOGBRUSH brush{BS_SOLID, colour, 0};
  HPEN pen = ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_ROUND | PS_JOIN_ROUND, width, &brush, 0, nullptr);
  if (pen == nullptr) return;
  HGDIOBJ old = SelectObject(dc, pen);
  std::vector<POINT> points;
  for (const Polyline& line : lines) {
    points.clear();
    for (const PointF& p : line) points.push_back({std::lround(p.x), std::lround(p.y)});
    ::Polyline(dc, points.data(), static_cast<int>(points.size()));
  }
  SelectObject(dc, old);
  DeleteObject(pen);
}

void QuickControlsWindow::DrawListItem(const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  RECT rect = item.rcItem;
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  const bool hovered = item.itemID != static_cast<UINT>(-1) && static_cast<int>(item.itemID) == hovered_row_;
  HBRUSH brush = CreateSolidBrush(selected  ? Lighten(list_colour_, 14)
                                  : hovered ? Lighten(list_colour_, 7)
                                            : list_colour_);
  FillRect(dc, &rect, brush);
  DeleteObject(brush);
  if (item.itemID == static_cast<UINT>(-1)) return;
  if (item.itemID < rows_.size() && !rows_[item.itemID].title.empty()) {
    DrawListRow(dc, rect, rows_[item.itemID], selected);
    return;
  }
  const LRESULT length = SendMessageW(item.hwndItem, LB_GETTEXTLEN, item.itemID, 0);
  if (length <= 0 || length > 1024) return;
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  SendMessageW(item.hwndItem, LB_GETTEXT, item.itemID, reinterpret_cast<LPARAM>(text.data()));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, kWhite);
  HGDIOBJ old_font = SelectObject(dc, fonts_[0]);
  rect.left += ScaleDip(10, font_dpi_);
  DrawTextW(dc, text.c_str(), -1, &rect, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
  SelectObject(dc, old_font);
}

void QuickControlsWindow::DrawListRow(HDC dc, RECT rect, const ListRow& row, bool selected) {
  SetBkMode(dc, TRANSPARENT);
  const int pad = ScaleDip(10, font_dpi_);
  rect.left += pad;
  rect.right -= pad;
  HGDIOBJ old_font = SelectObject(dc, fonts_[2]);
  if (!row.right.empty()) {
    SIZE label{};
    GetTextExtentPoint32W(dc, row.right.c_str(), static_cast<int>(row.right.size()), &label);
    RECT label_rect = rect;
    label_rect.left = rect.right - label.cx;
    SetTextColor(dc, selected ? kWhite : kMutedText);
    DrawTextW(dc, row.right.c_str(), -1, &label_rect, DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    rect.right = label_rect.left - pad;
  }
  if (row.glyph != 0) {
    SelectObject(dc, fonts_[3]);
    const wchar_t glyph[2] = {row.glyph, 0};
    RECT icon_rect = rect;
    icon_rect.right = rect.left + ScaleDip(20, font_dpi_);
    SetTextColor(dc, kWhite);
    DrawTextW(dc, glyph, 1, &icon_rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    rect.left = icon_rect.right + ScaleDip(8, font_dpi_);
  }
  SetTextColor(dc, kWhite);
  SelectObject(dc, fonts_[0]);
  if (row.detail.empty()) {
    DrawTextW(dc, row.title.c_str(), -1, &rect, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
  } else {
    const LONG middle = (rect.top + rect.bottom) / 2;
    RECT title = rect;
    title.bottom = middle + ScaleDip(1, font_dpi_);
    DrawTextW(dc, row.title.c_str(), -1, &title, DT_LEFT | DT_BOTTOM | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    RECT subtitle = rect;
    subtitle.top = middle + ScaleDip(1, font_dpi_);
    SelectObject(dc, fonts_[2]);
    SetTextColor(dc, kMutedText);
    DrawTextW(dc, row.detail.c_str(), -1, &subtitle,
              DT_LEFT | DT_TOP | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX | DT_PATH_ELLIPSIS);
  }
  SelectObject(dc, old_font);
}

void QuickControlsWindow::Paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window_, &ps);
  RECT client{};
  GetClientRect(window_, &client);
  FillRect(dc, &client, background_brush_);
  const Page page = panel_.page();
  if (page != Page::Home && !high_contrast_) {
    const int percent = theme_ == 3 ? 16 : 9;
    HPEN pen = CreatePen(PS_SOLID, std::max(1, ScaleDip(1, font_dpi_)), Lighten(background_, percent));
    HGDIOBJ old = SelectObject(dc, pen);
    const int y = ScaleDip(52, font_dpi_);
    MoveToEx(dc, ScaleDip(16, font_dpi_), y, nullptr);
    LineTo(dc, client.right - ScaleDip(16, font_dpi_), y);
    SelectObject(dc, old);
    DeleteObject(pen);
  } else if (high_contrast_ && page != Page::CustomizeButtons) {
    if (HWND list = Control(control::kList)) {
      RECT frame{};
      GetWindowRect(list, &frame);
      MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&frame), 2);
      InflateRect(&frame, 1, 1);
      FrameRect(dc, &frame, GetSysColorBrush(COLOR_WINDOWFRAME));
    }
    if (HWND edit = Control(control::kSearchEdit)) {
      const RECT box{ScaleDip(16, font_dpi_), ScaleDip(62, font_dpi_), ScaleDip(412, font_dpi_),
                     ScaleDip(100, font_dpi_)};
      FrameRect(dc, &box, GetSysColorBrush(GetFocus() == edit ? COLOR_HIGHLIGHT : COLOR_WINDOWFRAME));
    }
  }
  if (page == Page::CustomizeButtons && panel_.chip_drag().moved && panel_.chip_drag().target) {
    // The insertion point of the running drag.
    const DropTarget& target = *panel_.chip_drag().target;
    const DipRect marker = InsertionMarker(target);
    const RECT bar{ScaleDip(marker.x, font_dpi_), ScaleDip(marker.y, font_dpi_),
                   ScaleDip(marker.x + marker.w, font_dpi_), ScaleDip(marker.y + marker.h, font_dpi_)};
    HBRUSH brush = CreateSolidBrush(high_contrast_   ? GetSysColor(COLOR_HIGHLIGHT)
                                    : target.allowed ? RGB(10, 132, 255)
                                                     : RGB(255, 69, 58));
    FillRect(dc, &bar, brush);
    DeleteObject(brush);
  }
  if (page == Page::Search && !high_contrast_) {
    // The search box's rounded field around the edit control.
    HBRUSH brush = CreateSolidBrush(edit_colour_);
    HPEN pen = CreatePen(PS_SOLID, 1, Lighten(background_, 18));
    HGDIOBJ old_brush = SelectObject(dc, brush);
    HGDIOBJ old_pen = SelectObject(dc, pen);
    const int r = ScaleDip(14, font_dpi_);
    RoundRect(dc, ScaleDip(16, font_dpi_), ScaleDip(62, font_dpi_), ScaleDip(412, font_dpi_), ScaleDip(100, font_dpi_),
              r, r);
    SelectObject(dc, old_brush);
    SelectObject(dc, old_pen);
    DeleteObject(brush);
    DeleteObject(pen);
  }
  EndPaint(window_, &ps);
}

bool QuickControlsWindow::ChipMouse(HWND child, int button, UINT message, LPARAM lparam) {
  POINT point{static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
  MapWindowPoints(child, window_, &point, 1);
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (!panel_.ChipPressed(button, point.x, point.y)) return false;
      SetCapture(child);
      return true;
    case WM_MOUSEMOVE: {
      if (!panel_.chip_drag().active) return false;
      const QuickPanel::ChipDragView view = panel_.ChipMoved(point.x, point.y);
      if (view.dragging) SetCursor(LoadCursorW(nullptr, view.allowed ? IDC_SIZEALL : IDC_NO));
      return true;
    }
    case WM_LBUTTONUP:
      // May rebuild the page, and this chip with it: the handler returns at once.
      panel_.ChipReleased();
      return true;
    case WM_CAPTURECHANGED:
    case WM_CANCELMODE:
      panel_.EndChipDrag();
      return false;
    default:
      return false;
  }
}

LRESULT QuickControlsWindow::HandleChild(HWND child, UINT message, WPARAM wparam, LPARAM lparam) {
  if (child == Control(control::kSlider) && SliderMouse(child, message, lparam)) return 0;
  const int id = ControlIdOf(child);
  if (id >= kChipBaseId && id < kChipBaseId + kButtonCount && panel_.page() == Page::CustomizeButtons) {
    if (message == WM_MOUSEMOVE && hovered_ != child) {
      if (hovered_ != nullptr) InvalidateRect(hovered_, nullptr, FALSE);
      hovered_ = child;
      TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, child, 0};
      TrackMouseEvent(&track);
      InvalidateRect(child, nullptr, FALSE);
    }
    if (ChipMouse(child, id - kChipBaseId, message, lparam)) return 0;
  }
  if (child == Control(control::kSearchEdit)) {
    const LRESULT result = DefSubclassProc(child, message, wparam, lparam);
    if (message == WM_PAINT) DrawSearchHint(child);
    return result;
  }
  if (child == Control(control::kList)) {
    if (message == WM_MOUSEMOVE) TrackListHover(child, lparam);
    if (message == WM_MOUSELEAVE) TrackListHover(child, MAKELPARAM(0xFFFF, 0xFFFF));
  }
  switch (message) {
    case WM_MOUSEMOVE:
      if (hovered_ != child) {
        if (hovered_ != nullptr) InvalidateRect(hovered_, nullptr, FALSE);
        hovered_ = child;
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, child, 0};
        TrackMouseEvent(&track);
        InvalidateRect(child, nullptr, FALSE);
      }
      break;
    case WM_MOUSELEAVE:
      if (hovered_ == child) {
        hovered_ = nullptr;
        InvalidateRect(child, nullptr, FALSE);
      }
      break;
    case WM_PAINT:
      if (child == Control(control::kList) && !list_placeholder_.empty() &&
          SendMessageW(child, LB_GETCOUNT, 0, 0) == 0) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(child, &ps);
        RECT rect{};
        GetClientRect(child, &rect);
        FillRect(dc, &rect, list_brush_);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, high_contrast_ ? GetSysColor(COLOR_GRAYTEXT) : kMutedText);
        HGDIOBJ old = SelectObject(dc, fonts_[0]);
        InflateRect(&rect, -ScaleDip(10, font_dpi_), -ScaleDip(10, font_dpi_));
        DrawTextW(dc, list_placeholder_.c_str(), -1, &rect,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
        SelectObject(dc, old);
        EndPaint(child, &ps);
        return 0;
      }
      break;
    default:
      break;
  }
  return DefSubclassProc(child, message, wparam, lparam);
}

LRESULT QuickControlsWindow::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND: {
      const int id = LOWORD(wparam);
      const int code = HIWORD(wparam);
      if (lparam == 0) return 0;  // menu and accelerator commands (IsDialogMessage's IDOK/IDCANCEL)
      QuickPanel::Notification notification = QuickPanel::Notification::Clicked;
      if (id == control::kList) {
        if (code == LBN_SELCHANGE)
          notification = QuickPanel::Notification::ListSelection;
        else if (code == LBN_DBLCLK)
          notification = QuickPanel::Notification::ListDoubleClick;
        else
          return 0;
      } else if (id == control::kSearchEdit || id == control::kPromptEdit) {
        notification = code == EN_CHANGE ? QuickPanel::Notification::EditChange : QuickPanel::Notification::Focus;
      } else if (code != BN_CLICKED) {
        return 0;
      }
      panel_.Command(id, notification);
      return 0;
    }
    case WM_HSCROLL: {
      HWND slider = Control(control::kSlider);
      if (slider == nullptr || reinterpret_cast<HWND>(lparam) != slider) break;
      slider_dragging_ = LOWORD(wparam) == TB_THUMBTRACK;
      panel_.SliderMoved(static_cast<int>(SendMessageW(slider, TBM_GETPOS, 0, 0)), slider_dragging_,
                         LOWORD(wparam) == TB_ENDTRACK);
      return 0;
    }
    case WM_MEASUREITEM: {
      auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lparam);
      const int item = panel_.page() == Page::Search ? 36 : panel_.page() == Page::SearchSettings ? 32 : 35;
      measure->itemHeight = static_cast<UINT>(ScaleDip(item, font_dpi_));
      return TRUE;
    }
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
      if (item->CtlType == ODT_BUTTON)
        DrawButton(*item);
      else if (item->CtlType == ODT_LISTBOX)
        DrawListItem(*item);
      return TRUE;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX: {
      HDC dc = reinterpret_cast<HDC>(wparam);
      HWND child = reinterpret_cast<HWND>(lparam);
      if (high_contrast_) {
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        return reinterpret_cast<LRESULT>(background_brush_);
      }
      SetTextColor(dc, muted_.count(child) != 0 ? kMutedText : kWhite);
      if (message == WM_CTLCOLOREDIT) {
        SetBkColor(dc, edit_colour_);
        return reinterpret_cast<LRESULT>(edit_brush_);
      }
      if (message == WM_CTLCOLORLISTBOX || child == Control(control::kValue)) {
        SetBkColor(dc, list_colour_);
        return reinterpret_cast<LRESULT>(list_brush_);
      }
      SetBkColor(dc, background_);
      return reinterpret_cast<LRESULT>(background_brush_);
    }
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lparam);
      if (header->code == TTN_GETDISPINFOW) {
        auto* info = reinterpret_cast<NMTTDISPINFOW*>(lparam);
        GetWindowTextW(reinterpret_cast<HWND>(info->hdr.idFrom), info->szText, 80);
        return 0;
      }
      break;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      Paint();
      return 0;
    case WM_TIMER:
      if (wparam == kTickTimer || wparam == kSearchDebounceTimer) panel_.Tick();
      return 0;
    case panel_message::kTaskFinished:
      panel_.Tick();
      return 0;
    case panel_message::kFadeFrame:
      AcknowledgeFrame(window_, panel_message::kFadeFrame);
      panel_.FadeFrame();
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wparam) == WA_INACTIVE) panel_.LostFocus();
      break;
    case WM_CLOSE:
      panel_.ReturnToMedia();
      return 0;
    case WM_DESTROY:
      KillTimer(window_, kTickTimer);
      DestroyControls();
      break;
    default:
      break;
  }
  return DefWindowProcW(window_, message, wparam, lparam);
}

}  // namespace notch::quick
