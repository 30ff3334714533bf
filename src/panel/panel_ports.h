#pragma once
// What the portable panel asks of the world: its window and child controls,
// the island that hosts it, and the narrow seams to other subsystems (media,
// master volume, settings menus, the page work of the system back ends).
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "activities/media_command.h"
#include "common/clock.h"
#include "host/tray_menu.h"
#include "panel/panel_page.h"
#include "panel/panel_views.h"
#include "panel/task_slot.h"
#include "system/hotspot.h"
#include "system/pairing.h"
#include "system/radios.h"
#include "system/wifi_network.h"
#include "system/wifi_profile.h"

namespace notch {
class AudioBinding;
namespace audio_out {
class OutputEndpoints;
}
}  // namespace notch

namespace notch::quick {

class LayoutStore;

class PanelWindow {
 public:
  virtual ~PanelWindow() = default;
  virtual const Clock& clock() const = 0;
  // Destroys the previous page's children and creates `layout`'s.
  virtual void CreateControls(const PageLayout& layout) = 0;
  virtual void DestroyControls() = 0;
  // Writes the text only when it differs from the control's text.
  virtual void SetText(int id, const std::wstring& text) = 0;
  virtual std::wstring Text(int id) const = 0;
  virtual void Enable(int id, bool enabled) = 0;
  virtual void SetSlider(int value) = 0;
  virtual void Focus(int id) = 0;
  virtual void Redraw() = 0;
  virtual void SetAlpha(std::uint8_t alpha) = 0;
  virtual void SetFadeClock(bool on) = 0;
  virtual void SetTickTimer(bool on) = 0;
  // Removes the region, pops the tooltip and hides the window.
  virtual void Hide() = 0;
  virtual bool Visible() const = 0;
  virtual bool ForegroundOwnedByPanel() const = 0;
  virtual bool CursorInside() const = 0;

  // The list box (control 115): its rows, the selected one, and the text
  // drawn while it is empty.
  virtual void FillList(const std::vector<ListRow>& rows, std::optional<std::size_t> selected) = 0;
  virtual std::optional<std::size_t> ListSelection() const = 0;
  virtual void SetListPlaceholder(const std::wstring& text) = 0;
  // The inline prompt: hides every child but the header (Back, title,
  // subtitle) and the status line, then adds `controls`; closing destroys
  // them, clearing the edit's text, and shows the page again.
  virtual void ShowPrompt(const std::vector<PanelControl>& controls) = 0;
  virtual void ClosePrompt() = 0;
  // Draws a toggle button (the prompt's Remember) as switched on or off.
  virtual void SetPressed(int id, bool pressed) = 0;
  // The two lines a large tile (the radio toggle, the Hotspot tile) draws.
  virtual void SetTileCaption(int id, const TileCaption& caption) = 0;
  // Pops the tooltip of the control under the pointer.
  virtual void PopTooltip() {}
  // Ends a chip drag's mouse capture.
  virtual void ReleaseMouse() {}
};

class PanelIsland {
 public:
  virtual ~PanelIsland() = default;
  virtual void ExpandQuickControls() = 0;  // page 5, expanded
  virtual void SetPage(int island_page) = 0;
  virtual void Collapse() = 0;
  virtual void PanelSizeChanged() = 0;
  virtual void ActivityPing() = 0;
  virtual void PanelLostFocus() = 0;  // the island collapses after its own delay
  virtual bool ReduceMotion() const = 0;
  // The button layout changed: the header row and the island's size follow.
  virtual void HeaderChanged() {}
};

class MediaControls {
 public:
  virtual ~MediaControls() = default;
  virtual bool Available() const = 0;
  virtual bool Playing() const = 0;
  virtual void Send(MediaCommandKind command) = 0;
};

struct VolumeReading {
  float level = 0.0f;  // 0..1
  bool muted = false;
};

// The default output's master volume; the audio binding fills it.
class VolumeControl {
 public:
  virtual ~VolumeControl() = default;
  virtual std::optional<VolumeReading> Read() = 0;
  virtual void SetLevel(float level) = 0;
  virtual void ToggleMute() = 0;
};

// Settings changes that go through the host: the lyrics switch, the theme
// and auto-hide menus, the island style, opening a settings page.
class PanelHost {
 public:
  virtual ~PanelHost() = default;
  virtual bool ToggleLyrics() = 0;  // whether lyrics are on now
  virtual bool LyricsOn() const = 0;
  virtual void ShowMenu(TrayMenuVariant variant) = 0;  // modal
  virtual void WriteStyle(IslandStyle style) = 0;
  virtual IslandStyle Style() const = 0;
  virtual Theme CurrentTheme() const = 0;
  virtual void OpenUri(const std::wstring& uri) = 0;
  // The process-wide button layout; none keeps the default layout, unsaved.
  virtual LayoutStore* ButtonLayouts() { return nullptr; }
};

// The system work behind the Wi-Fi, Bluetooth and Display pages, which the
// back ends fill; nothing means the page has no work yet.
class PageWork {
 public:
  virtual ~PageWork() = default;
  virtual std::optional<TaskBody> RefreshTask(Page page, bool rescan) = 0;
  // Writes the Display page's brightness (percent); nothing without a back end.
  virtual std::optional<TaskBody> BrightnessWrite(int /*percent*/) { return std::nullopt; }
  // The radio, Bluetooth and tethering sources the tasks use on worker
  // threads (they live as long as the program); null without a back end.
  virtual radios::RadioSource* Radios() { return nullptr; }
  virtual bluetooth::DeviceSource* Devices() { return nullptr; }
  virtual bluetooth::PairingSource* Pairing() { return nullptr; }
  virtual bluetooth::Pacer& PairingPacer() { return bluetooth::SystemPacer(); }
  virtual hotspot::TetheringSource* Tethering() { return nullptr; }
  // Asks Windows for radio access; null when the request cannot be made.
  virtual std::unique_ptr<radios::AccessRequest> RequestRadioAccess() { return nullptr; }
  // Joins a Wi-Fi network; the task's continuation hands its message to
  // QuickPanel::WifiConnected. Nothing without a back end.
  virtual std::optional<TaskBody> ConnectTask(const wifi::Network& /*network*/, std::shared_ptr<wifi::Secret> /*key*/,
                                              bool /*remember*/) {
    return std::nullopt;
  }
};

// The Sound page's devices: the host's one binding to the default output
// (volume, mute, re-binding after a switch) and the active render endpoints.
class SoundDevices {
 public:
  virtual ~SoundDevices() = default;
  virtual AudioBinding& Binding() = 0;
  virtual audio_out::OutputEndpoints& Endpoints() = 0;
};

}  // namespace notch::quick
