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
  UseLayout(in, CurrentLayout());
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
  if (wifi_.prompt_shown()) s_.window.ClosePrompt();  // empties the key's edit
  wifi_.Reset();
  radio_.ResetForClose();
  pending_wifi_rescan_ = false;
  drag_ = {};
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
  if (drag_.active) {
    drag_ = {};
    s_.window.ReleaseMouse();
  }
  s_.window.DestroyControls();
  pending_wifi_rescan_ = false;
  straight_into_search_ = false;
  prompt_shown_ = false;
  wifi_.Reset();
  sound_.Reset();
  radio_.ResetForPage();
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
      // The cached list first, then a rescan once it is in.
      pending_wifi_rescan_ = true;
      radio_.RefreshToggle(*this);
      RefreshDevices(false, L"", false);
      break;
    case Page::Bluetooth:
      radio_.RefreshToggle(*this);
      RefreshDevices(true, L"", false);
      break;
    case Page::Display:
      RefreshDevices(false, L"", true);
      break;
    case Page::Sound:
      RefreshSound(true);
      break;
    case Page::Home:
      RefreshHome();
      radio_.RefreshHotspotTile(*this);
      radio_.ReadHotspotForHome(*this);
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

bool QuickPanel::Start(TaskBody body) { return slot_.Start(std::move(body), radio_.AccessPending()); }

void QuickPanel::RefreshDevices(bool rescan, const std::wstring& status, bool quiet) {
  if (slot_.Outstanding() || radio_.AccessPending()) {
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
  std::optional<TaskBody> task =
      page_ == Page::Bluetooth ? radio_.BluetoothRefreshTask(s_.work, status) : s_.work.RefreshTask(page_, rescan);
  if (task && Start(std::move(*task)) && page_ == Page::WiFi) wifi_.RefreshStarted(*this, status);
  radio_.RefreshToggle(*this);
}

bool QuickPanel::HoldActive() const { return s_.window.clock().TickMs() < hold_until_; }

void QuickPanel::ShowStatus(const std::wstring& text, bool hold) {
  s_.window.SetText(control::kStatus, text);
  if (hold) hold_until_ = s_.window.clock().TickMs() + kStatusHoldMs;
}

void QuickPanel::ShowStatusFor(const std::wstring& text, std::uint64_t hold_ms) {
  s_.window.SetText(control::kStatus, text);
  hold_until_ = s_.window.clock().TickMs() + hold_ms;
}

void QuickPanel::Tick() {
  radio_.TakeAccessAnswer(*this);
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
      if ((page_ == Page::WiFi || page_ == Page::Bluetooth) && slot_.Idle()) {
        radio_.DropLeftoverPrompt(*this);
        radio_.RefreshToggle(*this);
      }
      if ((page_ == Page::Home || page_ == Page::WiFi) && slot_.Idle()) radio_.RefreshHotspotTile(*this);
      if (slot_.Idle()) s_.island.ActivityPing();
    }
  }
  if (!open_) return;
  radio_.ShowWaitingPrompt(*this);
  if (page_ == Page::Sound) RefreshSound(false);
  if (page_ == Page::WiFi) wifi_.UpdateActionButton(*this);
  if (page_ == Page::Home) {
    radio_.RunPendingHotspotToggle(*this);
    RefreshHome();
  }
  if (page_ == Page::CustomizeButtons && !drag_.active && hold_until_ != 0 && !HoldActive()) {
    hold_until_ = 0;
    ShowStatus(CustomizeHint(), false);
  }
  if (page_ == Page::Display && brightness_.pending()) FlushBrightness(false);
  if (page_ == Page::Search) search_.Tick();
  // A page set up without a fade gets no fade frame to move the focus.
  FocusSearchWhenVisible();
}

void QuickPanel::RefreshSound(bool force) { sound_.Refresh(s_.window, s_.sound, force, slider_dragging_); }

void QuickPanel::ShowWifi(const WifiRefresh& refresh) {
  if (page_ == Page::WiFi) wifi_.ShowRefresh(*this, refresh);
}

void QuickPanel::WifiConnected(const std::wstring& message) {
  if (page_ == Page::WiFi) wifi_.Connected(*this, message);
}

// The list, the action button and the prompt's controls of the Wi-Fi and
// Sound pages.
void QuickPanel::ListCommand(int id, Notification notification) {
  if (page_ == Page::Sound) {
    if (id != control::kList && id != control::kAct) return;
    if (std::optional<std::wstring> status = sound_.Switch(s_.window, s_.sound, slider_dragging_)) {
      ShowStatus(*status, false);
    }
    return;
  }
  if (page_ == Page::Bluetooth) {
    switch (id) {
      case control::kList:
        if (notification == Notification::ListDoubleClick) {
          radio_.SelectDevice(*this);
        } else if (notification == Notification::ListSelection) {
          radio_.ListSelectionChanged(*this);
        }
        break;
      case control::kAct:
        radio_.SelectDevice(*this);
        break;
      case control::kPromptSubmit:
        radio_.ConfirmPrompt(*this);
        break;
      case control::kPromptCancel:
        radio_.CancelPrompt(*this);
        break;
      default:
        break;
    }
    return;
  }
  if (page_ != Page::WiFi) return;
  switch (id) {
    case control::kList:
      if (notification == Notification::ListDoubleClick) {
        wifi_.Act(*this);
      } else {
        wifi_.SelectionChanged(*this);
      }
      break;
    case control::kAct:
      wifi_.Act(*this);
      break;
    case control::kPromptSubmit:
      wifi_.SubmitPrompt(*this);
      break;
    case control::kPromptCancel:
      wifi_.CancelPrompt(*this);
      break;
    case control::kRemember:
      wifi_.ToggleRemember(*this);
      break;
    default:
      break;
  }
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
      case control::kRadioToggle:
        radio_.ToggleRadio(*this);
        break;
      case control::kHotspot:
        radio_.ToggleHotspot(*this);
        break;
      case control::kSettings:
        if (page_ == Page::Search) {
          SetupPage(Page::SearchSettings);
        } else if (const wchar_t* uri = SettingsUri(page_)) {
          s_.host.OpenUri(uri);
        }
        break;
      case control::kMute:
        if (page_ == Page::Sound && s_.sound != nullptr) {
          s_.sound->Binding().ToggleMute();
        } else {
          s_.volume.ToggleMute();
        }
        if (page_ == Page::Sound) RefreshSound(false);
        break;
      case control::kList:
      case control::kAct:
      case control::kPromptSubmit:
      case control::kPromptCancel:
      case control::kRemember:
        ListCommand(id, notification);
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
      case control::kResetLayout:
        SaveLayout(DefaultLayout(), std::nullopt);
        break;
      default:
        break;  // the radio, hotspot, list and search actions belong to their back ends
    }
  }
  s_.island.ActivityPing();
}

void QuickPanel::SliderMoved(int value, bool tracking, bool end_track) {
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
  if (page_ != Page::Sound || end_track) return;  // end-track repeats the last value
  if (s_.sound != nullptr) {
    s_.sound->Binding().SetVolume(static_cast<float>(value) / 100.0f);
  } else {
    s_.volume.SetLevel(static_cast<float>(value) / 100.0f);
  }
  s_.window.SetText(control::kValue, std::to_wstring(value) + L"%");
}

bool QuickPanel::Key(PanelKey key, int focused_control) {
  if (!open_) return false;
  switch (key) {
    case PanelKey::Escape:
      if (drag_.active) {
        EndChipDrag();
        return true;
      }
      switch (Escape({page_, PromptShown(), s_.window.Text(control::kSearchEdit).empty(), straight_into_search_})) {
        case EscapeAction::CancelPrompt:
          if (radio_.prompt_shown()) radio_.CancelPrompt(*this);
          prompt_shown_ = false;
          wifi_.CancelPrompt(*this);
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
      if (page_ != Page::Search || PromptShown()) return false;
      search_.OpenTerminal();
      return true;
    case PanelKey::Enter:
      if (PromptShown() && focused_control != control::kPromptCancel) {
        if (wifi_.prompt_shown()) wifi_.SubmitPrompt(*this);
        if (radio_.prompt_shown()) radio_.ConfirmPrompt(*this);
        return true;
      }
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
  in.task_running = slot_.Outstanding() || radio_.AccessPending();
  in.prompt_pending = PromptShown();
  in.modal_action = modal_;
  in.page = page_;
  in.foreground_owned_by_panel = s_.window.ForegroundOwnedByPanel();
  in.cursor_inside = s_.window.CursorInside();
  return WantsToStay(in);
}

bool QuickPanel::HoldsIsland() const {
  StayInputs in;
  in.open = open_;
  in.task_running = slot_.Outstanding() || radio_.AccessPending();
  in.prompt_pending = PromptShown();
  in.modal_action = modal_;
  in.page = page_;
  return quick::HoldsIsland(in);
}

void QuickPanel::HeaderButton(int button) {
  switch (HeaderButtonAction(button)) {
    case HeaderAction::IslandMedia:
      s_.island.SetPage(page::kMedia);
      break;
    case HeaderAction::IslandTimer:
      s_.island.SetPage(page::kTimer);
      break;
    case HeaderAction::IslandClipboard:
      s_.island.SetPage(page::kClipboard);
      break;
    case HeaderAction::IslandShelf:
      s_.island.SetPage(page::kShelf);
      break;
    case HeaderAction::IslandStatistics:
      s_.island.SetPage(page::kStatistics);
      break;
    case HeaderAction::OpenWiFi:
      OpenPanelAt(Page::WiFi);
      break;
    case HeaderAction::OpenBluetooth:
      OpenPanelAt(Page::Bluetooth);
      break;
    case HeaderAction::OpenHomeAndToggleHotspot:
      OpenPanelAt(Page::Home);
      radio_.SetPendingHotspotToggle();
      break;
    case HeaderAction::OpenSound:
      OpenPanelAt(Page::Sound);
      break;
    case HeaderAction::OpenDisplay:
      OpenPanelAt(Page::Display);
      break;
    case HeaderAction::OpenQuickSearch:
      OpenQuickSearch();
      break;
    case HeaderAction::OpenNotchSettings:
      OpenPanelAt(Page::NotchSettings);
      break;
    case HeaderAction::PreviousTrack:
      s_.media.Send(MediaCommandKind::Previous);
      break;
    case HeaderAction::PlayPause:
      s_.media.Send(MediaCommandKind::TogglePlayPause);
      break;
    case HeaderAction::NextTrack:
      s_.media.Send(MediaCommandKind::Next);
      break;
    case HeaderAction::ToggleLyrics:
      s_.host.ToggleLyrics();
      break;
  }
}

void QuickPanel::HeaderClicked(int kind, int index) {
  switch (kind) {
    case 1:
      HeaderButton(index);
      break;
    case 2:
      OpenPanelAt(Page::Home);
      break;
    case 3:
      OpenPanelAt(Page::NotchSettings);
      break;
    default:
      break;
  }
}

Layout QuickPanel::CurrentLayout() const {
  LayoutStore* store = s_.host.ButtonLayouts();
  return store != nullptr ? store->Current() : DefaultLayout();
}

void QuickPanel::SaveLayout(const Layout& layout, std::optional<int> focus) {
  LayoutStore* store = s_.host.ButtonLayouts();
  if (store == nullptr) return;
  const LayoutStore::SaveResult result =
      store->Save(layout, focus ? LayoutStore::SaveKind::Move : LayoutStore::SaveKind::Reset);
  if (result.saved) {
    if (open_ && page_ == Page::CustomizeButtons) SetupPage(Page::CustomizeButtons, true);
    s_.island.HeaderChanged();
    if (page_ == Page::CustomizeButtons) s_.window.Focus(focus ? kChipBaseId + *focus : control::kBack);
  }
  ShowStatus(result.status, true);
}

void QuickPanel::MoveButton(int button, bool to_header, int index) {
  if (const std::optional<Layout> moved = MovedLayout(CurrentLayout(), button, to_header, index)) {
    SaveLayout(*moved, button);
  }
}

bool QuickPanel::ChipPressed(int button, int x, int y) {
  if (!open_ || page_ != Page::CustomizeButtons) return false;
  drag_ = {true, false, button, x, y, std::nullopt};
  s_.window.Focus(kChipBaseId + button);
  return true;
}

QuickPanel::ChipDragView QuickPanel::ChipMoved(int x, int y) {
  if (!drag_.active) return {};
  bool changed = false;
  if (!drag_.moved) {
    if (!DragStarts(x - drag_.press_x, y - drag_.press_y, dpi_)) return {};
    drag_.moved = true;
    changed = true;
  }
  const std::optional<DropTarget> target = DropTargetAt(CurrentLayout(), drag_.button, x, y, dpi_);
  if (changed || target != drag_.target) {
    drag_.target = target;
    s_.window.PopTooltip();
    ShowStatus(DragStatus(target), false);
    s_.window.Redraw();
  }
  return {true, target && target->allowed};
}

void QuickPanel::ChipReleased() {
  if (!drag_.active) return;
  const ChipDrag drop = drag_;
  EndChipDrag();
  if (!drop.moved || !drop.target) return;
  if (drop.target->allowed) {
    MoveButton(drop.button, drop.target->header, drop.target->index);
  } else {
    ShowStatus(HeaderFullMessage(), true);
  }
}

void QuickPanel::EndChipDrag() {
  if (!drag_.active) return;
  drag_ = {};
  s_.window.ReleaseMouse();
  if (!HoldActive()) ShowStatus(CustomizeHint(), false);
  s_.window.Redraw();
}

void QuickPanel::MoveChipByKey(int button, ChipKey key) {
  if (!open_ || page_ != Page::CustomizeButtons) return;
  const KeyMove move = ChipKeyMove(CurrentLayout(), button, key);
  switch (move.kind) {
    case KeyMove::Kind::Move:
      MoveButton(button, move.to_header, move.index);
      break;
    case KeyMove::Kind::HeaderFull:
      ShowStatus(HeaderFullMessage(), true);
      break;
    case KeyMove::Kind::None:
      break;
  }
}

}  // namespace notch::quick
