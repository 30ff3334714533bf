#include "panel/search_settings_page.h"

#include <utility>

#include "host/hot_key_state.h"
#include "host/settings.h"
#include "search/search_text.h"

namespace notch::quick {
namespace {

constexpr int kVkEscape = 0x1B;
constexpr wchar_t kDefaultBrowserEntry[] = L"Follows Windows default browser";

bool Preset(const HotKeyCombination& c, int modifiers) { return c.modifiers == modifiers && c.key == kVkSpace; }

}  // namespace

std::wstring NextWebFallback(std::wstring_view current) {
  if (current == L"yt") return L"ddg";
  if (current == L"ddg") return L"g";
  return L"yt";
}

std::wstring WebFallbackButtonText(std::wstring_view value) {
  if (value == L"yt") return L"YouTube";
  if (value == L"ddg") return L"DDG";
  return L"Google";
}

std::wstring CustomShortcutShownText(const std::wstring& text) {
  return text == kCustomShortcutText ? L"Custom\u2026" : text;
}

bool IsModifierKey(int key) { return (key >= 16 && key <= 18) || key == 91 || key == 92 || (key >= 160 && key <= 165); }

SearchSettingsPage::SearchSettingsPage(PanelWindow& window, Hooks hooks) : window_(window), hooks_(std::move(hooks)) {}

void SearchSettingsPage::Reset() {
  capture_ = false;
  browsers_.clear();
  active_ = -1;
}

void SearchSettingsPage::Setup() {
  if (!attached()) return;
  RefreshCustomButton();
  window_.SetText(control::kFallback, WebFallbackButtonText(ports_->Setting(setting::kSearchWebFallback)));
  FillBrowsers();
}

bool SearchSettingsPage::ButtonSelected(int id) const {
  if (!attached()) return false;
  const HotKeyCombination current = ports_->CurrentHotKey();
  const bool alt_space = !capture_ && Preset(current, kModAlt);
  const bool ctrl_alt_space = !capture_ && Preset(current, kModAlt | kModControl);
  switch (id) {
    case control::kAltSpace:
      return alt_space;
    case control::kCtrlAltSpace:
      return ctrl_alt_space;
    case control::kCustomShortcut:
      return !alt_space && !ctrl_alt_space;
    default:
      return false;
  }
}

void SearchSettingsPage::RefreshCustomButton() {
  std::wstring text;
  const HotKeyCombination current = ports_->CurrentHotKey();
  if (capture_) {
    text = L"Press keys\u2026";
  } else if (Preset(current, kModAlt) || Preset(current, kModAlt | kModControl)) {
    text = L"Custom\u2026";
  } else {
    text = ports_->HotKeyName(current);
  }
  window_.SetText(control::kCustomShortcut, text);
  window_.Redraw();
}

void SearchSettingsPage::SetHotKey(int modifiers, int key) {
  const SearchHotKeyResult result = ports_->SetHotKey(modifiers, key);
  capture_ = false;
  RefreshCustomButton();
  hooks_.status(result.message);
}

bool SearchSettingsPage::Clicked(int id) {
  if (!attached()) return false;
  switch (id) {
    case control::kAltSpace:
      SetHotKey(kModAlt, kVkSpace);
      return true;
    case control::kCtrlAltSpace:
      SetHotKey(kModAlt | kModControl, kVkSpace);
      return true;
    case control::kCustomShortcut:
      capture_ = !capture_;
      // The keys of the combination come to the panel only while it has the focus.
      if (capture_) window_.Focus(control::kCustomShortcut);
      RefreshCustomButton();
      hooks_.status(capture_ ? L"Press your shortcut combination (Esc cancels)\u2026" : L"");
      return true;
    case control::kAct:
      ListChosen();
      return true;
    case control::kBrowse: {
      if (hooks_.set_modal) hooks_.set_modal(true);
      const std::optional<std::wstring> path = view_->ChooseProgram();
      if (hooks_.set_modal) hooks_.set_modal(false);
      if (path && !path->empty()) Apply({ports_->ProgramName(*path), *path});
      return true;
    }
    case control::kFallback: {
      const std::wstring next = NextWebFallback(ports_->Setting(setting::kSearchWebFallback));
      ports_->WriteSetting(setting::kSearchWebFallback, next);
      window_.SetText(control::kFallback, WebFallbackButtonText(next));
      hooks_.status(L"Default fallback web search updated.");
      return true;
    }
    default:
      return false;
  }
}

bool SearchSettingsPage::CaptureKey(int key, bool alt, bool ctrl, bool shift) {
  if (!attached() || !capture_) return false;
  if (IsModifierKey(key)) return true;
  if (key == kVkEscape) {
    capture_ = false;
    RefreshCustomButton();
    hooks_.status(L"Shortcut capture canceled.");
    return true;
  }
  const int modifiers = (alt ? kModAlt : 0) | (ctrl ? kModControl : 0) | (shift ? kModShift : 0);
  if (modifiers == 0) {
    hooks_.status(L"Include Ctrl, Alt, or Shift with your key.");
    return true;
  }
  SetHotKey(modifiers, key);
  return true;
}

void SearchSettingsPage::FillBrowsers() {
  browsers_ = ports_->Browsers();
  const std::wstring configured = ToLower(ports_->Setting(setting::kSearchBrowser));
  active_ = -1;
  std::vector<ListRow> rows;
  for (std::size_t i = 0; i < browsers_.size(); ++i) {
    BrowserChoice& choice = browsers_[i];
    const bool active = active_ < 0 && ToLower(choice.path) == configured;
    if (active) active_ = static_cast<int>(i);
    ListRow row;
    row.title = choice.path.empty() ? kDefaultBrowserEntry : choice.name;
    row.item_text = row.title;
    if (active) row.right = L"Active";
    rows.push_back(std::move(row));
  }
  view_->SetListRows(rows);
  view_->SetListPlaceholder(L"No browsers found.");
  view_->SelectListRow(active_);
  UpdateUseButton();
}

void SearchSettingsPage::UpdateUseButton() {
  const int selected = view_->SelectedRow();
  window_.Enable(control::kAct,
                 selected >= 0 && static_cast<std::size_t>(selected) < browsers_.size() && selected != active_);
}

void SearchSettingsPage::ListChosen() {
  if (!attached()) return;
  const int selected = view_->SelectedRow();
  if (selected < 0 || static_cast<std::size_t>(selected) >= browsers_.size()) return;
  if (selected == active_) {
    UpdateUseButton();
    return;
  }
  const BrowserChoice choice = browsers_[static_cast<std::size_t>(selected)];
  Apply(choice.path.empty() ? BrowserChoice{} : choice);
}

void SearchSettingsPage::Apply(const BrowserChoice& choice) {
  ports_->WriteSetting(setting::kSearchBrowser, choice.path);
  ports_->WriteSetting(setting::kSearchBrowserName, choice.path.empty() ? L"" : choice.name);
  FillBrowsers();
  hooks_.status(choice.path.empty() ? L"Web searches & links will open in your Windows default browser."
                                    : L"Web searches & links will open in " + choice.name + L".");
}

}  // namespace notch::quick
