#include "panel/quick_panel.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "host/translate.h"
#include "panel/button_layout.h"
#include "shell/ilha/island_types.h"

namespace notch::quick {
namespace {

std::wstring T(const wchar_t* portuguese) { return Translate(portuguese); }

std::optional<Page> PageOfButton(int id) {
  switch (id) {
    case control::kWiFiPage:
      return Page::WiFi;
    case control::kBluetoothPage:
      return Page::Bluetooth;
    case control::kSoundPage:
      return Page::Sound;
    case control::kDisplayPage:
      return Page::Display;
    case control::kNotchPage:
      return Page::NotchSettings;
    case control::kSearchPage:
      return Page::Search;
    default:
      return std::nullopt;
  }
}

const wchar_t* SettingsUri(Page page) {
  switch (page) {
    case Page::WiFi:
      return L"ms-settings:network-wifi";
    case Page::Bluetooth:
      return L"ms-settings:bluetooth";
    case Page::Sound:
      return L"ms-settings:sound";
    case Page::Display:
      return L"ms-settings:display";
    default:
      return nullptr;
  }
}

}  // namespace

std::wstring TaskFailedMessage() {
  return T(L"O Windows não conseguiu concluir o pedido. Tente de novo ou abra as Configurações.");
}

QuickPanel::QuickPanel(const PanelServices& services, std::function<void()> task_finished)
    : s_(services),
      slot_(services.launcher, std::move(task_finished),
            [](QuickPanel& panel) { panel.ShowStatus(TaskFailedMessage(), true); }),
      search_(services.window, services.island, slot_,
              SearchPage::Hooks{[this](TaskBody body) { return Start(std::move(body)); },
                                [this](PanelSize size) {
                                  if (size == size_) return;
                                  size_ = size;
                                  s_.island.PanelSizeChanged();
                                },
                                [this](std::wstring_view target) { return OpenNotchLink(target); },
                                [this](const std::wstring& text) { ShowStatus(text, false); }}),
      search_settings_(services.window,
                       SearchSettingsPage::Hooks{[this](const std::wstring& text) { ShowStatus(text, false); },
                                                 [this](bool on) { modal_ = on; }}) {}

void QuickPanel::AttachSearch(SearchView& view, QuickSearchPorts& ports) {
  search_.Attach(&view, &ports);
  search_settings_.Attach(&view, &ports);
}

PageInputs QuickPanel::Inputs() const {
  PageInputs in;
  in.style = s_.host.Style();
  in.theme = s_.host.CurrentTheme();
  in.lyrics_on = s_.host.LyricsOn();
  in.media_available = s_.media.Available();
  in.media_playing = s_.media.Playing();
  in.size.home_tile_rows = HomeTileRows(in.home_buttons);
  return in;
}

void QuickPanel::Show(const ShowInputs& in) {
  const unsigned dpi = in.dpi < 96 ? 96 : in.dpi;
  island_opacity_ = in.opacity;
  theme_ = in.theme;
  if (!open_) {
    open_ = true;
    dpi_ = dpi;
    high_contrast_ = in.high_contrast;
    const Page first = pending_page_.value_or(Page::Home);
    pending_page_.reset();
    const bool straight = straight_into_search_;
    SetupPage(first, true);
    straight_into_search_ = straight && first == Page::Search;
    s_.window.SetTickTimer(true);
    Tick();
  } else if (dpi != dpi_ || in.high_contrast != high_contrast_) {
    dpi_ = dpi;
    high_contrast_ = in.high_contrast;
    SetupPage(page_);
    s_.window.SetTickTimer(true);
    Tick();
  }
  ApplyAlpha();
}

void QuickPanel::Close() {
  if (!open_) return;
  fading_ = false;
  s_.window.SetFadeClock(false);
  open_ = false;
  fade_factor_ = 1.0;
  pending_page_.reset();
  straight_into_search_ = false;
  focus_search_when_visible_ = false;
  prompt_shown_ = false;
  pending_wifi_rescan_ = false;
  hold_until_ = 0;
  search_.Reset();
  search_settings_.Reset();
  s_.window.SetText(control::kSearchEdit, L"");
  s_.window.Hide();
  s_.window.SetTickTimer(false);
  size_ = kClosedPanelSize;
}

void QuickPanel::OpenPanelAt(Page page) {
  if (open_) {
    s_.island.ExpandQuickControls();
    if (page != page_) SetupPage(page);
  } else {
    pending_page_ = page;
    s_.island.ExpandQuickControls();
  }
}

void QuickPanel::OpenQuickSearch() {
  if (!open_) straight_into_search_ = true;  // kept through the first setup
  OpenPanelAt(Page::Search);
  straight_into_search_ = true;
  focus_search_when_visible_ = true;
  if (open_ && s_.window.Visible() && !fading_) {
    s_.window.Focus(control::kSearchEdit);
    focus_search_when_visible_ = false;
  }
}

void QuickPanel::SetupPage(Page page, bool without_fade) {
  const bool refocus_customize = page_ == Page::CustomizeButtons && page == Page::CustomizeButtons;
  s_.window.DestroyControls();
  pending_wifi_rescan_ = false;
  straight_into_search_ = false;
  prompt_shown_ = false;
  search_.Reset();
  search_settings_.Reset();
  page_ = page;

  const PageLayout layout = BuildPage(page, Inputs());
  // The Search page takes its size from its first fill.
  const bool sized_by_fill = page == Page::Search && search_.attached();
  if (!sized_by_fill && layout.size != size_) {
    size_ = layout.size;
    s_.island.PanelSizeChanged();
  }
  s_.window.CreateControls(layout);

  switch (page) {
    case Page::WiFi:
      RefreshDevices(false, L"", false);
      break;
    case Page::Bluetooth:
      RefreshDevices(true, L"", false);
      break;
    case Page::Display:
      RefreshDevices(false, L"", true);
      break;
    case Page::Sound:
      RefreshVolume();
      break;
    case Page::Home:
      RefreshHome();
      break;
    case Page::SearchSettings:
      search_settings_.Setup();
      break;
    case Page::Search:
      search_.Setup();
      if (s_.window.Visible() && !fading_ && fade_factor_ >= 1.0) {
        s_.window.Focus(control::kSearchEdit);
      } else {
        focus_search_when_visible_ = true;
      }
      break;
    default:
      break;
  }

  if (!s_.window.Visible() || without_fade || s_.island.ReduceMotion()) {
    fade_factor_ = 1.0;
    fading_ = false;
    s_.window.SetFadeClock(false);
  } else {
    fade_factor_ = kFadeStartFactor;
    fade_start_ms_ = s_.window.clock().NowMs();
    fading_ = true;
    s_.window.SetFadeClock(true);
  }
  ApplyAlpha();
  s_.window.Redraw();
  if (refocus_customize) s_.window.Focus(control::kCustomize);
}

bool QuickPanel::Start(TaskBody body) { return slot_.Start(std::move(body)); }

void QuickPanel::RefreshDevices(bool rescan, const std::wstring& status, bool quiet) {
  if (slot_.Outstanding()) {
    deferred_refresh_ = true;
    return;
  }
  if (page_ == Page::WiFi || page_ == Page::Bluetooth) {
    if (!quiet) {
      const std::wstring placeholder =
          page_ == Page::WiFi ? T(L"Procurando redes Wi-Fi…") : T(L"Procurando dispositivos Bluetooth…");
      ShowStatus(status.empty() ? placeholder : status, false);
    }
  } else if (page_ != Page::Display) {
    return;
  }
  if (std::optional<TaskBody> task = s_.work.RefreshTask(page_, rescan)) Start(std::move(*task));
}

bool QuickPanel::HoldActive() const { return s_.window.clock().TickMs() < hold_until_; }

void QuickPanel::ShowStatus(const std::wstring& text, bool hold) {
  s_.window.SetText(control::kStatus, text);
  if (hold) hold_until_ = s_.window.clock().TickMs() + kStatusHoldMs;
}

void QuickPanel::Tick() {
  if (std::optional<TaskSlot::Finished> finished = slot_.TakeFinished()) {
    if (open_ && !finished->cancelled && finished->then) finished->then(*this);
    if (open_) {
      if (deferred_refresh_ && slot_.Idle()) {
        deferred_refresh_ = false;
        RefreshDevices(true, L"", false);
      } else if (page_ == Page::WiFi && pending_wifi_rescan_ && slot_.Idle()) {
        pending_wifi_rescan_ = false;
        RefreshDevices(true, L"", true);
      }
      if (slot_.Idle()) s_.island.ActivityPing();
    }
  }
  if (!open_) return;
  if (page_ == Page::Sound) RefreshVolume();
  if (page_ == Page::Home) RefreshHome();
  if (page_ == Page::Display && brightness_.pending()) FlushBrightness(false);
  if (page_ == Page::Search) search_.Tick();
  // A page set up without a fade gets no fade frame to move the focus.
  FocusSearchWhenVisible();
}

void QuickPanel::RefreshVolume() {
  const std::optional<VolumeReading> reading = s_.volume.Read();
  s_.window.Enable(control::kSlider, reading.has_value());
  s_.window.Enable(control::kMute, reading.has_value());
  if (!reading) {
    s_.window.SetText(control::kValue, L"");
    return;
  }
  const int percent = static_cast<int>(std::lround(std::clamp(reading->level, 0.0f, 1.0f) * 100.0f));
  s_.window.SetSlider(percent);
  s_.window.SetText(control::kValue, reading->muted ? T(L"Mudo") : std::to_wstring(percent) + L"%");
}

void QuickPanel::ShowBrightness(const brightness::Result& result) {
  const brightness::ReadView view = brightness_.OnRead(result, slider_dragging_);
  if (page_ != Page::Display) return;
  s_.window.Enable(control::kSlider, view.slider_enabled);
  if (view.move_thumb) s_.window.SetSlider(result.value);
  if (!view.label.empty()) s_.window.SetText(control::kValue, view.label);
  s_.window.SetText(control::kSubtitle, view.subtitle);
  ShowStatus(view.status, false);
}

void QuickPanel::FlushBrightness(bool force) {
  const bool can_start = page_ == Page::Display && slot_.Idle();
  const std::optional<std::int32_t> value = brightness_.Flush(force, s_.window.clock().TickMs(), can_start);
  if (!value) return;
  if (std::optional<TaskBody> task = s_.work.BrightnessWrite(*value)) Start(std::move(*task));
}

void QuickPanel::BrightnessWritten(const brightness::Result& result) {
  const brightness::Coalescer::WriteView view = brightness_.OnWritten(result, slider_dragging_, slot_.Idle());
  ShowStatus(view.status, false);
  if (page_ != Page::Display) return;
  if (view.move_thumb) {
    s_.window.SetSlider(brightness_.last().value);
    s_.window.SetText(control::kValue, brightness::PercentLabel(brightness_.last().value));
  }
  if (view.flush_now) FlushBrightness(false);
}

void QuickPanel::RefreshHome() {
  const bool available = s_.media.Available();
  for (int id : {control::kPrevious, control::kPlayPause, control::kNext}) s_.window.Enable(id, available);
  s_.window.SetText(control::kPlayPause, PlayTileText(s_.media.Playing()));
  if (!HoldActive()) {
    hold_until_ = 0;
    ShowStatus(available ? T(L"Controles rápidos") : T(L"Nenhuma mídia tocando"), false);
  }
}

void QuickPanel::Command(int id, Notification notification) {
  if (notification == Notification::EditChange || notification == Notification::Focus) {
    if (open_ && page_ == Page::Search && id == control::kSearchEdit && notification == Notification::EditChange) {
      search_.TextChanged();
    }
    s_.window.Redraw();
    return;
  }
  if (page_ == Page::Search && (id == control::kList || id == control::kAct || id == control::kTerminal)) {
    if (id == control::kTerminal) {
      search_.OpenTerminal();
    } else if (id == control::kList && notification == Notification::ListSelection) {
      search_.SelectionChanged();
    } else {
      search_.OpenSelected();
    }
    s_.island.ActivityPing();
    return;
  }
  if (page_ == Page::SearchSettings) {
    const bool handled = id == control::kList ? (search_settings_.ListChosen(), true) : search_settings_.Clicked(id);
    if (handled) {
      s_.island.ActivityPing();
      return;
    }
  }
  if (const std::optional<Page> target = PageOfButton(id)) {
    SetupPage(*target);
  } else {
    switch (id) {
      case control::kBack:
        SetupPage(BackTarget(page_));
        break;
      case control::kTimerPage:
        s_.island.SetPage(page::kTimer);
        break;
      case control::kShelfPage:
        s_.island.SetPage(page::kShelf);
        break;
      case control::kClipboardPage:
        s_.island.SetPage(page::kClipboard);
        break;
      case control::kStatisticsPage:
        s_.island.SetPage(page::kStatistics);
        break;
      case control::kMediaPage:
        s_.island.SetPage(page::kMedia);
        break;
      case control::kPrevious:
        s_.media.Send(MediaCommandKind::Previous);
        break;
      case control::kPlayPause:
        s_.media.Send(MediaCommandKind::TogglePlayPause);
        break;
      case control::kNext:
        s_.media.Send(MediaCommandKind::Next);
        break;
      case control::kLyrics:
        s_.window.SetText(control::kLyrics, LyricsTileText(s_.host.ToggleLyrics()));
        break;
      case control::kRefresh:
        RefreshDevices(true, L"", false);
        break;
      case control::kSettings:
        if (page_ == Page::Search) {
          SetupPage(Page::SearchSettings);
        } else if (const wchar_t* uri = SettingsUri(page_)) {
          s_.host.OpenUri(uri);
        }
        break;
      case control::kMute:
        s_.volume.ToggleMute();
        RefreshVolume();
        break;
      case control::kTheme:
      case control::kAutoHide:
        modal_ = true;
        s_.host.ShowMenu(id == control::kTheme ? TrayMenuVariant::Theme : TrayMenuVariant::AutoHide);
        modal_ = false;
        if (page_ == Page::NotchSettings) {
          s_.window.SetText(control::kSubtitle, NotchSubtitle(s_.host.Style(), s_.host.CurrentTheme()));
        }
        s_.window.Redraw();
        break;
      case control::kStyleNotch:
      case control::kStylePill:
      case control::kStyleActivity: {
        const auto style = static_cast<IslandStyle>(id - control::kStyleNotch);
        s_.host.WriteStyle(style);
        s_.window.SetText(control::kSubtitle, NotchSubtitle(style, s_.host.CurrentTheme()));
        s_.window.Redraw();
        break;
      }
      case control::kSearchSettings:
      case control::kDefaultBrowser:
        SetupPage(Page::SearchSettings);
        break;
      case control::kCustomize:
        SetupPage(Page::CustomizeButtons);
        s_.window.Focus(control::kBack);
        break;
      default:
        break;  // the radio, hotspot, list and search actions belong to their back ends
    }
  }
  s_.island.ActivityPing();
}

void QuickPanel::SliderMoved(int value, bool tracking) {
  value = std::clamp(value, 0, 100);
  slider_dragging_ = tracking;
  if (page_ == Page::Display) {
    if (!brightness_.last().supported) return;
    s_.window.SetText(control::kValue, brightness::PercentLabel(value));
    // The value waits; thumb-position and keyboard values are written first thing.
    brightness_.OnSlider(value, !tracking, s_.window.clock().TickMs(), false);
    FlushBrightness(false);
    return;
  }
  if (page_ != Page::Sound) return;
  s_.volume.SetLevel(static_cast<float>(value) / 100.0f);
  s_.window.SetText(control::kValue, std::to_wstring(value) + L"%");
}

bool QuickPanel::Key(PanelKey key, int focused_control) {
  if (!open_) return false;
  switch (key) {
    case PanelKey::Escape:
      switch (Escape({page_, prompt_shown_, s_.window.Text(control::kSearchEdit).empty(), straight_into_search_})) {
        case EscapeAction::CancelPrompt:
          prompt_shown_ = false;
          break;
        case EscapeAction::ClearQuery:
          s_.window.SetText(control::kSearchEdit, L"");
          s_.window.Focus(control::kSearchEdit);
          break;
        case EscapeAction::CollapseIsland:
          s_.island.Collapse();
          break;
        case EscapeAction::GoHome:
          SetupPage(Page::Home);
          break;
        case EscapeAction::GoSearch:
          SetupPage(Page::Search);
          break;
        case EscapeAction::ReturnToMedia:
          s_.island.SetPage(page::kMedia);
          break;
      }
      return true;
    case PanelKey::CtrlT:
      if (page_ != Page::Search || prompt_shown_) return false;
      search_.OpenTerminal();
      return true;
    case PanelKey::Enter:
      if (prompt_shown_ && focused_control != control::kPromptCancel) return true;
      if (page_ != Page::Search || (focused_control != control::kSearchEdit && focused_control != control::kList)) {
        return false;
      }
      search_.OpenSelected();
      return true;
    case PanelKey::Up:
    case PanelKey::Down:
      if (page_ != Page::Search || focused_control != control::kSearchEdit) return false;
      search_.MoveSelection(key == PanelKey::Up ? -1 : 1);
      return true;
    case PanelKey::Other:
      break;
  }
  return false;
}

void QuickPanel::FadeFrame() {
  if (fading_) {
    const double elapsed = s_.window.clock().NowMs() - fade_start_ms_;
    const double factor = FadeFactor(elapsed);
    if (FadeStepApplies(fade_factor_, factor, elapsed)) {
      fade_factor_ = elapsed >= kFadeMs ? 1.0 : factor;
      ApplyAlpha();
    }
    if (elapsed >= kFadeMs) {
      fading_ = false;
      s_.window.SetFadeClock(false);
    }
  }
  FocusSearchWhenVisible();
}

void QuickPanel::FocusSearchWhenVisible() {
  if (focus_search_when_visible_ && !fading_ && page_ == Page::Search && s_.window.Visible()) {
    focus_search_when_visible_ = false;
    s_.window.Focus(control::kSearchEdit);
  }
}

bool QuickPanel::CaptureKey(int key, bool alt, bool ctrl, bool shift) {
  return open_ && page_ == Page::SearchSettings && search_settings_.CaptureKey(key, alt, ctrl, shift);
}

bool QuickPanel::ButtonSelected(int id) const {
  if (id >= control::kStyleNotch && id <= control::kStyleActivity) return id == StyleControl(s_.host.Style());
  return page_ == Page::SearchSettings && search_settings_.ButtonSelected(id);
}

void QuickPanel::ApplyAlpha() {
  alpha_ = AlphaByte(fade_factor_, island_opacity_);
  if (alpha_applied_ != alpha_) {
    alpha_applied_ = alpha_;
    s_.window.SetAlpha(alpha_);
  }
}

bool QuickPanel::OpenNotchLink(std::wstring_view target) {
  const std::optional<NotchLink> link = NotchLinkTarget(target);
  if (!link) return false;
  if (link->page) {
    SetupPage(*link->page);
  } else if (link->island_page) {
    s_.island.SetPage(*link->island_page);
  }
  return true;
}

void QuickPanel::LostFocus() {
  if (open_ && !modal_) s_.island.PanelLostFocus();
}

void QuickPanel::ReturnToMedia() { s_.island.SetPage(page::kMedia); }

IslandStyle QuickPanel::CurrentStyle() const { return s_.host.Style(); }

bool QuickPanel::PanelWantsToStay() const {
  StayInputs in;
  in.open = open_;
  in.visible = s_.window.Visible();
  in.task_running = slot_.Outstanding();
  in.prompt_pending = prompt_shown_;
  in.modal_action = modal_;
  in.page = page_;
  in.foreground_owned_by_panel = s_.window.ForegroundOwnedByPanel();
  in.cursor_inside = s_.window.CursorInside();
  return WantsToStay(in);
}

bool QuickPanel::HoldsIsland() const {
  StayInputs in;
  in.open = open_;
  in.task_running = slot_.Outstanding();
  in.prompt_pending = prompt_shown_;
  in.modal_action = modal_;
  in.page = page_;
  return quick::HoldsIsland(in);
}

}  // namespace notch::quick
