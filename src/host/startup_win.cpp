#include "host/startup_win.h"

#include <knownfolders.h>
#include <ole2.h>
#include <wtsapi32.h>

#include <memory>
#include <vector>

#include "common/debug_log_win.h"
#include "common/environment.h"
#include "common/known_folder_win.h"
#include "common/profile_store_win.h"
#include "host/host_links_win.h"
#include "host/host_state.h"
#include "host/host_window_win.h"
#include "host/keyboard_hook_win.h"
#include "host/language.h"
#include "host/startup_rules.h"

namespace notch {
namespace {

constexpr wchar_t kInstanceMutexName[] = L"Local\\StandaloneTemboNotch";
constexpr wchar_t kSettingsFolderName[] = L"\\StandaloneTemboNotch";
constexpr wchar_t kSettingsFileName[] = L"\\settings.ini";
constexpr wchar_t kSymbolsVariable[] = L"TEMBO_NOTCH_SYMBOLS";
constexpr int kExitStartupFailure = 1;

std::unique_ptr<WindowsProfileStore> g_store;
std::unique_ptr<Settings> g_settings;

int RunMessageLoop() {
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (links::PanelPreFilter(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace

Settings& AppSettings() { return *g_settings; }

std::wstring ExecutablePath() {
  std::vector<wchar_t> buffer(kStartupPathChars, L'\0');
  const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
  return std::wstring(buffer.data(), length);
}

int RunTemboNotch(HINSTANCE instance) {
  InstallOutputDebugStringSink();

  const HANDLE mutex = CreateMutexW(nullptr, FALSE, kInstanceMutexName);
  if (mutex == nullptr) return 0;
  if (GetLastError() == ERROR_ALREADY_EXISTS) {
    CloseHandle(mutex);
    return 0;
  }

  // A look at a removable drive without media (a typed path, a shelf item)
  // must fail quietly, not raise the system's "no disk" box.
  SetErrorMode(SEM_FAILCRITICALERRORS);
  SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
  if (FAILED(OleInitialize(nullptr))) return kExitStartupFailure;

  HostState& host = Host();
  const std::wstring roaming = KnownFolderPath(FOLDERID_RoamingAppData);
  if (roaming.empty()) return kExitStartupFailure;
  const std::wstring settings_folder = roaming + kSettingsFolderName;
  CreateDirectoryW(settings_folder.c_str(), nullptr);
  host.settings_path = settings_folder + kSettingsFileName;
  g_store = std::make_unique<WindowsProfileStore>(host.settings_path);
  g_settings = std::make_unique<Settings>(*g_store);

  host.executable_folder = ExecutableFolderFromPath(ExecutablePath());
  host.symbols_folder = SymbolsFolderFromVariable(ReadEnvironmentVariable(kSymbolsVariable));
  SetLanguageFlag(LanguageFromSetting(g_settings->Read(setting::kLanguage)));
  RefreshReduceMotion();

  if (!RegisterHostWindowClass(instance)) return kExitStartupFailure;
  HostWindowState& window = HostWindow();
  window.window = CreateHostWindow(instance);
  if (window.window == nullptr || !links::InitFonts() || !links::CreateIsland(instance)) {
    MessageBoxW(nullptr, L"Could not initialize the notch window.", L"Tembo Notch", MB_OK | MB_ICONERROR);
    return kExitStartupFailure;
  }

  links::RegisterHotKeys(window.window);
  links::StartQuickSearch();
  links::AddTrayIcon(window.window);
  WTSRegisterSessionNotification(window.window, NOTIFY_FOR_THIS_SESSION);
  window.keyboard_hook = InstallCapsLockHook();
  links::StartAudio(window.window);
  SetTimer(window.window, kHostTimerId, kHostTimerMs, nullptr);
  links::StartNotificationListener(window.window);

  const int exit_code = RunMessageLoop();
  RemoveCapsLockHook(window.keyboard_hook);
  // Detached threads (index builders, watchers, panel tasks) may be running
  // or just ending: end them all at once, so that none runs beside the static
  // destructors and DLL detach code that ExitProcess would run. Nothing is
  // left to save.
  TerminateProcess(GetCurrentProcess(), static_cast<UINT>(exit_code));
  return exit_code;
}

}  // namespace notch
