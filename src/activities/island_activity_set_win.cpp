#include "activities/island_activity_set_win.h"

#include <windows.h>

#include <shellapi.h>

#include <thread>

#include "activities/clipboard_port_win.h"
#include "activities/download_watcher_win.h"
#include "activities/island_activity_set.h"
#include "activities/media_requests.h"
#include "activities/media_state.h"
#include "activities/media_thread_win.h"
#include "activities/peak_meter_win.h"
#include "activities/privacy_watcher_win.h"
#include "activities/shelf_win.h"
#include "activities/shell_open_win.h"
#include "activities/source_app_win.h"
#include "activities/statistics_source_win.h"
#include "host/host_links_win.h"
#include "host/host_state.h"
#include "host/startup_win.h"
#include "panel/quick_controls_win.h"
#include "render/fonts.h"
#include "render/fonts_win.h"

namespace notch {
namespace {

void OpenWithShell(const std::wstring& target) {
  ShellExecuteW(nullptr, L"open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

ActivityPorts WindowsActivityPorts() {
  ActivityPorts ports;
  ports.media.post_command = [](const MediaCommand& command) { PostMediaCommand(SharedMediaState(), command); };
  ports.media.open = OpenWithShell;
  ports.media.activate_app = ActivateSourceApp;
  ports.media.read_peak = [] {
    static PeakMeter meter(WindowsPeakMeterSource());
    return meter.Read(GetTickCount64());
  };
  ports.media.measure = MeasureTextWidthWithDirectWrite;
  ports.start_media_thread = StartMediaThread;
  ports.set_lyrics_enabled = [](bool on) { SetLyricsEnabled(SharedMediaState(), on); };
  ports.shelf = WindowsShelfPorts();
  ports.start_watchers = [] {
    std::thread(PrivacyWatcher).detach();
    std::thread(DownloadsWatcher).detach();
  };
  ports.reveal = RevealInExplorer;
  ports.header_buttons = [] { return quick::ProgramButtonLayout().Current().header; };
  ports.symbols_folder = Host().symbols_folder;
  static WindowsClipboard clipboard(links::IslandWindow);
  static WindowsStatisticsSource statistics;
  ports.clipboard = &clipboard;
  ports.statistics = &statistics;
  return ports;
}

IslandActivitySet& Activities() {
  static IslandActivitySet activities(SharedFonts(), AppSettings(), WindowsActivityPorts());
  return activities;
}

}  // namespace

IslandActivities& WindowsIslandActivities() { return Activities(); }

ShelfActivity& WindowsShelf() { return Activities().shelf(); }

}  // namespace notch
