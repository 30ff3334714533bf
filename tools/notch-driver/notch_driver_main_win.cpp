// notch_driver play STEPS OUTDIR | soak SECONDS SEED CSV: drives a running
// TemboNotch.exe from a process of its own, as a person at the keyboard and
// mouse would (SendInput, the clipboard, OLE drag and drop), checks what its
// windows show and saves pictures of the screen. `soak` plays seeded random
// input and samples the program's handle, GDI and USER object counts,
// threads and memory once a second; it fails when the program ends or a
// count keeps growing. See scripts/tour and scripts/soak.
#include <windows.h>

#include <ole2.h>
#include <psapi.h>
#include <shlobj.h>
#include <tlhelp32.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "common/text.h"
#include "count_trend.h"
#include "driver_script.h"
#include "idle-probe/hooked_process_win.h"
#include "panel/button_layout.h"
#include "panel/panel_page.h"
#include "panel/panel_rules.h"
#include "pixel_checks.h"
#include "snapshots/png_file_win.h"
#include "snapshots/screen_pixels_win.h"
#include "tour-sources/tour_triggers_win.h"
#include "win/file_drop_data.h"
#include "win/key_chord.h"

namespace notch::driver {

// The shortest soak whose count trends decide its verdict.
constexpr int kTrendJudgedSeconds = 600;
namespace {

using snapshots::DarkBounds;
using snapshots::ScreenPixels;

constexpr DWORD kStartWaitMs = 30000;
constexpr DWORD kDefaultWaitMs = 8000;

struct ControlName {
  const char* name;
  int id;
};

constexpr std::array<ControlName, 34> kControls = {{
    {"back", quick::control::kBack},
    {"wifi", quick::control::kWiFiPage},
    {"bluetooth", quick::control::kBluetoothPage},
    {"sound", quick::control::kSoundPage},
    {"display", quick::control::kDisplayPage},
    {"notch", quick::control::kNotchPage},
    {"search", quick::control::kSearchPage},
    {"timer", quick::control::kTimerPage},
    {"shelf", quick::control::kShelfPage},
    {"previous", quick::control::kPrevious},
    {"play-pause", quick::control::kPlayPause},
    {"next", quick::control::kNext},
    {"lyrics", quick::control::kLyrics},
    {"radio", quick::control::kRadioToggle},
    {"refresh", quick::control::kRefresh},
    {"list", quick::control::kList},
    {"act", quick::control::kAct},
    {"settings", quick::control::kSettings},
    {"slider", quick::control::kSlider},
    {"mute", quick::control::kMute},
    {"theme", quick::control::kTheme},
    {"auto-hide", quick::control::kAutoHide},
    {"style-notch", quick::control::kStyleNotch},
    {"style-pill", quick::control::kStylePill},
    {"style-activity", quick::control::kStyleActivity},
    {"search-settings", quick::control::kSearchSettings},
    {"search-edit", quick::control::kSearchEdit},
    {"terminal", quick::control::kTerminal},
    {"hotspot", quick::control::kHotspot},
    {"media", quick::control::kMediaPage},
    {"clipboard", quick::control::kClipboardPage},
    {"statistics", quick::control::kStatisticsPage},
    {"customize", quick::control::kCustomize},
    {"status", quick::control::kStatus},
}};

// A control's name, or "chip-KEY" for the Customize page's chip of the
// button with that key.
std::optional<int> ControlId(const std::string& name) {
  if (name.rfind("chip-", 0) == 0) {
    const auto button = quick::ButtonFromKey(Utf8ToWide(name.substr(5)));
    if (button) return quick::kChipBaseId + *button;
    return std::nullopt;
  }
  for (const ControlName& control : kControls) {
    if (name == control.name) return control.id;
  }
  return std::nullopt;
}

std::wstring Wide(const std::string& text) { return Utf8ToWide(text); }
std::string Narrow(const std::wstring& text) { return WideToUtf8(text); }

// Runs this thread's messages (OLE and the clipboard need them) for a while.
void Pump(DWORD ms) {
  const ULONGLONG end = GetTickCount64() + ms;
  for (;;) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    const ULONGLONG now = GetTickCount64();
    if (now >= end) return;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(std::min<ULONGLONG>(end - now, 20)), QS_ALLINPUT);
  }
}

bool PumpUntil(const std::function<bool()>& done, DWORD limit_ms) {
  const ULONGLONG end = GetTickCount64() + limit_ms;
  while (!done()) {
    if (GetTickCount64() >= end) return false;
    Pump(20);
  }
  return true;
}

HWND FindProcessWindow(const wchar_t* window_class, DWORD id) {
  HWND window = nullptr;
  while ((window = FindWindowExW(nullptr, window, window_class, nullptr)) != nullptr) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == id) return window;
  }
  return nullptr;
}

std::wstring ExecutableFolder() {
  wchar_t path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path, length);
  return folder.substr(0, folder.rfind(L'\\'));
}

std::wstring KnownFolder(REFKNOWNFOLDERID id) {
  PWSTR path = nullptr;
  std::wstring folder;
  if (SUCCEEDED(SHGetKnownFolderPath(id, 0, nullptr, &path))) folder = path;
  CoTaskMemFree(path);
  return folder;
}

std::wstring SettingsPath() { return KnownFolder(FOLDERID_RoamingAppData) + L"\\StandaloneTemboNotch\\settings.ini"; }

// A page's size in DIPs with the button layout the settings file holds (the
// Home tiles and the Customize page's chips follow it).
quick::PanelSize PageSizeNow(quick::Page page) {
  wchar_t value[1024] = {};
  GetPrivateProfileStringW(L"Notch", L"button_layout", L"", value, 1024, SettingsPath().c_str());
  quick::PageInputs in;
  quick::UseLayout(in, quick::ParseLayout(value));
  return quick::PageSize(page, in.size);
}

void SendKeys(const std::vector<std::uint16_t>& keys) { testing::PressChord(std::span<const WORD>(keys)); }

void Pump(DWORD ms);

// One character at a time, as fingers type.
void TypeText(const std::wstring& text) {
  for (const wchar_t c : text) {
    // Keys of the keyboard layout where it has them, else the character.
    const SHORT scan = VkKeyScanW(c);
    std::vector<INPUT> inputs;
    const auto key = [&inputs](WORD vk, wchar_t unicode, bool up) {
      INPUT input{};
      input.type = INPUT_KEYBOARD;
      input.ki.wVk = vk;
      input.ki.wScan = static_cast<WORD>(unicode);
      input.ki.dwFlags = (vk == 0 ? KEYEVENTF_UNICODE : 0) | (up ? KEYEVENTF_KEYUP : 0);
      inputs.push_back(input);
    };
    if (scan != -1 && (HIBYTE(scan) & ~1) == 0) {
      const bool shift = (HIBYTE(scan) & 1) != 0;
      if (shift) key(VK_SHIFT, 0, false);
      key(LOBYTE(scan), 0, false);
      key(LOBYTE(scan), 0, true);
      if (shift) key(VK_SHIFT, 0, true);
    } else {
      key(0, c, false);
      key(0, c, true);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    Pump(60);
  }
}

void MoveTo(POINT p) {
  SetCursorPos(p.x, p.y);
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = MOUSEEVENTF_MOVE;  // a zero move still tells the window under it
  SendInput(1, &input, sizeof input);
}

void Button(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  SendInput(1, &input, sizeof input);
}

void ClickAt(POINT p, bool right = false) {
  MoveTo(p);
  Pump(60);
  Button(right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
  Pump(40);
  Button(right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
}

bool PutOnClipboard(const std::wstring& text) {
  bool opened = false;
  for (int attempt = 0; attempt < 50 && !(opened = OpenClipboard(nullptr) != FALSE); ++attempt) Sleep(20);
  if (!opened) return false;
  bool written = EmptyClipboard() != FALSE;
  const SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
  const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (block != nullptr) {
    std::memcpy(GlobalLock(block), text.c_str(), bytes);
    GlobalUnlock(block);
  }
  written = written && block != nullptr && SetClipboardData(CF_UNICODETEXT, block) != nullptr;
  if (!written && block != nullptr) GlobalFree(block);
  CloseClipboard();
  return written;
}

std::wstring ControlText(HWND control) {
  wchar_t buffer[512] = {};
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(control, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 2000,
                           &copied)) {
    return {};
  }
  return std::wstring(buffer, std::min<std::size_t>(copied, 511));
}

// Under Wine the program is a host process too; its own figures are read
// from /proc through drive Z: (all 0 where there is no such process).
struct HostFigures {
  long long rss_kb = 0, fds = 0, threads = 0;
};

std::string ReadWholeFile(const std::wstring& path) {
  std::ifstream file(std::filesystem::path(path), std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

long long StatusField(const std::string& status, const std::string& name) {
  const std::size_t at = status.find("\n" + name + ":");
  if (at == std::string::npos) return -1;
  std::size_t i = at + name.size() + 2;
  while (i < status.size() && (status[i] == ' ' || status[i] == '\t')) ++i;
  std::size_t end = i;
  while (end < status.size() && status[end] >= '0' && status[end] <= '9') ++end;
  return ReadWholeNumber(std::string_view(status).substr(i, end - i), 0, 1LL << 60).value_or(-1);
}

std::string EnvironmentEntry(const std::string& block, const std::string& name) {
  std::size_t start = 0;
  while (start < block.size()) {
    std::size_t end = block.find('\0', start);
    if (end == std::string::npos) end = block.size();
    if (block.compare(start, name.size() + 1, name + "=") == 0) return block.substr(start, end - start);
    start = end + 1;
  }
  return {};
}

// The host process id of the program named `name` in this Wine prefix (Wine
// detaches new processes from their parent, so the prefix tells them apart
// from other developers' runs; the newest one wins).
long long HostProcess(const std::string& name) {
  const std::string prefix = EnvironmentEntry(ReadWholeFile(L"Z:\\proc\\self\\environ"), "WINEPREFIX");
  WIN32_FIND_DATAW entry{};
  const HANDLE find = FindFirstFileW(L"Z:\\proc\\*", &entry);
  if (find == INVALID_HANDLE_VALUE) return 0;
  long long found = 0;
  do {
    const std::wstring pid = entry.cFileName;
    if (pid.empty() || pid.find_first_not_of(L"0123456789") != std::wstring::npos) continue;
    const std::wstring folder = L"Z:\\proc\\" + pid;
    const std::string status = "\n" + ReadWholeFile(folder + L"\\status");
    if (status.find("\nName:\t" + name.substr(0, 15)) == std::string::npos) continue;
    if (EnvironmentEntry(ReadWholeFile(folder + L"\\environ"), "WINEPREFIX") != prefix) continue;
    found = std::max(found, StatusField(status, "Pid"));
  } while (FindNextFileW(find, &entry));
  FindClose(find);
  return found;
}

HostFigures MeasureHost(long long pid) {
  HostFigures figures;
  if (pid <= 0) return figures;
  const std::wstring folder = L"Z:\\proc\\" + std::to_wstring(pid);
  const std::string status = "\n" + ReadWholeFile(folder + L"\\status");
  figures.rss_kb = std::max(0LL, StatusField(status, "VmRSS"));
  figures.threads = std::max(0LL, StatusField(status, "Threads"));
  WIN32_FIND_DATAW entry{};
  const HANDLE find = FindFirstFileW((folder + L"\\fd\\*").c_str(), &entry);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      if (entry.cFileName[0] != L'.') ++figures.fds;
    } while (FindNextFileW(find, &entry));
    FindClose(find);
  }
  return figures;
}

struct Sample {
  double seconds = 0;
  DWORD handles = 0, gdi = 0, user = 0, threads = 0;
  SIZE_T private_bytes = 0, working_set = 0;
};

DWORD ThreadCount(DWORD process_id) {
  const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return 0;
  DWORD count = 0;
  THREADENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
    if (entry.th32OwnerProcessID == process_id) ++count;
  }
  CloseHandle(snapshot);
  return count;
}

class Driver {
 public:
  explicit Driver(std::wstring out_folder) : out_(std::move(out_folder)) {}
  ~Driver() {
    if (button_held_) Button(MOUSEEVENTF_LEFTUP);
    if (process_.hProcess != nullptr) {
      if (Running()) TerminateProcess(process_.hProcess, 99);
      CloseHandle(process_.hThread);
      CloseHandle(process_.hProcess);
    }
  }
  Driver(const Driver&) = delete;
  Driver& operator=(const Driver&) = delete;

  // Carries out one step; false with `error_` set when it failed.
  bool Step(const std::vector<std::string>& w);
  const std::string& error() const { return error_; }

  bool Running() const {
    return process_.hProcess != nullptr && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
  }
  bool Start();
  Sample Measure(double seconds) const;
  HostFigures Host() {
    if (host_pid_ == 0) host_pid_ = HostProcess("TemboNotch.exe");
    return MeasureHost(host_pid_);
  }
  HWND Island() const { return FindProcessWindow(L"ShellIlha", process_.dwProcessId); }
  HWND Panel() const { return FindProcessWindow(L"TemboNotchQuickControls", process_.dwProcessId); }
  bool PanelVisible() const {
    const HWND panel = Panel();
    return panel != nullptr && IsWindowVisible(panel);
  }
  unsigned Dpi() const {
    const HWND island = Island();
    return island != nullptr ? GetDpiForWindow(island) : 96;
  }
  int Scale(double dips) const { return static_cast<int>(dips * Dpi() / 96.0 + (dips >= 0 ? 0.5 : -0.5)); }
  // A point given in DIPs from the island window's top centre.
  POINT IslandPoint(double dx, double dy) const {
    RECT rect{};
    GetWindowRect(Island(), &rect);
    return POINT{(rect.left + rect.right) / 2 + Scale(dx), rect.top + Scale(dy)};
  }
  // Whether the panel has a window region (it clips itself while growing).
  bool PanelClipped() const {
    const HRGN region = CreateRectRgn(0, 0, 0, 0);
    const bool clipped = GetWindowRgn(Panel(), region) != ERROR;
    DeleteObject(region);
    return clipped;
  }
  HWND PanelControl(int id) const {
    const HWND panel = Panel();
    return panel != nullptr ? GetDlgItem(panel, id) : nullptr;
  }
  bool ClickControl(int id) {
    const HWND control = PanelControl(id);
    if (control == nullptr || !IsWindowVisible(control)) return false;
    // While the panel grows a clip hides its edges and the controls there:
    // a click on one of them would land on the island.
    PumpUntil([&] { return !PanelClipped(); }, 3000);
    RECT rect{};
    GetWindowRect(control, &rect);
    ClickAt(POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
    return true;
  }
  void PointAway() { MoveTo(POINT{GetSystemMetrics(SM_CXSCREEN) - 40, GetSystemMetrics(SM_CYSCREEN) - 40}); }
  bool Drop(const std::vector<std::wstring>& files);
  void DragOut(POINT from);
  bool Shot(const std::string& name);
  // The island's window and the panel's, as one screen rectangle.
  RECT IslandAndPanelArea() const {
    RECT area{};
    for (const HWND window : {Island(), Panel()}) {
      RECT rect{};
      if (window == nullptr || !IsWindowVisible(window) || !GetWindowRect(window, &rect)) continue;
      UnionRect(&area, &area, &rect);
    }
    return area;
  }

 private:
  bool Fail(std::string why) {
    error_ = std::move(why);
    return false;
  }
  bool Expect(const std::vector<std::string>& w);

  std::wstring out_;
  PROCESS_INFORMATION process_{};
  long long host_pid_ = 0;
  bool button_held_ = false;  // a drag-hold not yet released
  RECT mark_area_{};
  std::vector<std::uint8_t> mark_;
  std::string error_;
};

bool Driver::Start() {
  if (Running()) return Fail("the program is already running");
  if (process_.hProcess != nullptr) {
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
    process_ = {};
  }
  wchar_t program[MAX_PATH] = {};
  const DWORD named = GetEnvironmentVariableW(L"NOTCH_DRIVER_PROGRAM", program, MAX_PATH);
  std::wstring command =
      L"\"" + (named > 0 && named < MAX_PATH ? std::wstring(program) : ExecutableFolder() + L"\\TemboNotch.exe") +
      L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process_)) {
    process_ = {};
    return Fail("could not start " + Narrow(command));
  }
  host_pid_ = 0;
  WaitForInputIdle(process_.hProcess, kStartWaitMs);
  if (!PumpUntil([&] { return !Running() || (Island() != nullptr && IsWindowVisible(Island())); }, kStartWaitMs)) {
    return Fail("the island window did not appear");
  }
  if (!Running()) {
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return Fail("the program ended at start with code " + std::to_string(code));
  }
  return true;
}

Sample Driver::Measure(double seconds) const {
  Sample s;
  s.seconds = seconds;
  GetProcessHandleCount(process_.hProcess, &s.handles);
  s.gdi = GetGuiResources(process_.hProcess, GR_GDIOBJECTS);
  s.user = GetGuiResources(process_.hProcess, GR_USEROBJECTS);
  PROCESS_MEMORY_COUNTERS_EX memory{};
  memory.cb = sizeof memory;
  if (GetProcessMemoryInfo(process_.hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory)) {
    s.private_bytes = memory.PrivateUsage;
    s.working_set = memory.WorkingSetSize;
  }
  s.threads = ThreadCount(process_.dwProcessId);
  return s;
}

bool Driver::Drop(const std::vector<std::wstring>& files) {
  const HWND island = Island();
  if (island == nullptr) return Fail("no island window to drop on");
  MoveTo(IslandPoint(0, 6));
  auto* data = new testing::FileDropData(files);
  testing::DropAfterAWhile source;
  DWORD effect = DROPEFFECT_NONE;
  const HRESULT result = DoDragDrop(data, &source, DROPEFFECT_COPY | DROPEFFECT_MOVE, &effect);
  data->Release();
  if (result != DRAGDROP_S_DROP) return Fail("the island did not take the drop");
  return true;
}

// Presses on a shelf row and pulls it down and away from the island, as a
// person drags a file out onto the desktop; the program runs the drag.
void Driver::DragOut(POINT from) {
  MoveTo(from);
  Pump(60);
  Button(MOUSEEVENTF_LEFTDOWN);
  Pump(60);
  for (int step = 1; step <= 6; ++step) {
    MoveTo(POINT{from.x + step * 8, from.y + step * 40});
    Pump(40);
  }
  Button(MOUSEEVENTF_LEFTUP);
  Pump(200);
}

bool Driver::Shot(const std::string& name) {
  // The island and the panel with a margin, so that the pictures stay small
  // and show what the stop is about.
  RECT area{};
  bool any = false;
  for (const HWND window : {Island(), Panel()}) {
    if (window == nullptr || !IsWindowVisible(window)) continue;
    RECT rect{};
    GetWindowRect(window, &rect);
    // The island's window is as large as its largest shape: keep the shape.
    if (window == Island()) {
      const std::optional<RECT> dark = DarkBounds(rect);
      if (!dark) continue;
      rect = *dark;
    }
    if (!any) {
      area = rect;
      any = true;
    } else {
      UnionRect(&area, &area, &rect);
    }
  }
  const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  if (!any) area = screen;
  InflateRect(&area, Scale(24), Scale(24));
  IntersectRect(&area, &area, &screen);
  const std::vector<std::uint8_t> pixels = ScreenPixels(area);
  const std::wstring path = out_ + L"\\" + Wide(name) + L".png";
  if (!snapshots::WritePng(path, area.right - area.left, area.bottom - area.top, pixels)) {
    return Fail("could not write " + Narrow(path));
  }
  return true;
}

bool Driver::Expect(const std::vector<std::string>& w) {
  if (w.size() >= 3 && w[1] == "page") {
    const auto page = quick::PageFromName(w[2]);
    if (!page) return Fail("unknown page " + w[2]);
    const quick::PanelSize size = PageSizeNow(*page);
    int width = 0, height = 0;
    const bool shown = PumpUntil(
        [&] {
          RECT rect{};
          if (!PanelVisible() || !GetWindowRect(Panel(), &rect)) return false;
          width = rect.right - rect.left;
          height = rect.bottom - rect.top;
          const unsigned dpi = GetDpiForWindow(Panel());
          return width == quick::ScaleDip(size.w, dpi) && height == quick::ScaleDip(size.h, dpi);
        },
        kDefaultWaitMs);
    if (!shown) {
      return Fail("the panel does not show page " + w[2] + " (" + std::to_string(width) + " x " +
                  std::to_string(height) + " px)");
    }
    return true;
  }
  if (w.size() >= 3 && (w[1] == "control" || w[1] == "control-contains")) {
    const auto id = ControlId(w[2]);
    if (!id) return Fail("unknown control " + w[2]);
    const std::wstring wanted = w.size() >= 4 ? Wide(w[3]) : L"";
    std::wstring text;
    const bool found = PumpUntil(
        [&] {
          const HWND control = PanelControl(*id);
          if (control == nullptr || !IsWindowVisible(control)) return false;
          text = ControlText(control);
          if (w.size() < 4) return true;
          return w[1] == "control" ? text == wanted : text.find(wanted) != std::wstring::npos;
        },
        kDefaultWaitMs);
    if (!found) return Fail("control " + w[2] + " shows \"" + Narrow(text) + "\", not \"" + w.at(3 % w.size()) + "\"");
    return true;
  }
  if (w.size() == 4 && (w[1] == "island" || w[1] == "island-within")) {
    // "island": the island's dark shape spans at least W x H DIPs (it is
    // shown and grown); "island-within": it fits in W x H (a card closed).
    const bool at_least = w[1] == "island";
    const auto want_w = ReadWholeNumber(w[2], 0, 4000), want_h = ReadWholeNumber(w[3], 0, 4000);
    if (!want_w || !want_h) return Fail("expect " + w[1] + " W H takes two sizes in DIPs");
    const int limit_w = Scale(static_cast<double>(*want_w)), limit_h = Scale(static_cast<double>(*want_h));
    std::optional<RECT> dark;
    const bool met = PumpUntil(
        [&] {
          const HWND island = Island();
          RECT rect{};
          if (island == nullptr || (at_least && !IsWindowVisible(island)) || !GetWindowRect(island, &rect)) {
            return false;
          }
          dark = DarkBounds(rect);
          if (!dark) return false;
          const int width = dark->right - dark->left, height = dark->bottom - dark->top;
          return at_least ? width >= limit_w && height >= limit_h : width <= limit_w && height <= limit_h;
        },
        kDefaultWaitMs);
    if (!met) {
      const std::string seen =
          dark ? std::to_string(dark->right - dark->left) + " x " + std::to_string(dark->bottom - dark->top) + " px"
               : "nothing dark";
      return Fail(std::string("the island is ") + (at_least ? "smaller" : "larger") + " than " + w[2] + " x " + w[3] +
                  " DIPs (" + seen + ")");
    }
    return true;
  }
  if (w.size() == 4 && w[1] == "list") {
    const auto id = ControlId(w[2]);
    const auto least = ReadWholeNumber(w[3], 0, 100000);
    if (!id || !least) return Fail("expect list NAME COUNT");
    LRESULT count = 0;
    const bool filled = PumpUntil(
        [&] {
          const HWND list = PanelControl(*id);
          DWORD_PTR answer = 0;
          if (list == nullptr || !SendMessageTimeoutW(list, LB_GETCOUNT, 0, 0, SMTO_ABORTIFHUNG, 2000, &answer)) {
            return false;
          }
          count = static_cast<LRESULT>(answer);
          return count != LB_ERR && count >= *least;
        },
        kDefaultWaitMs);
    if (!filled) return Fail("list " + w[2] + " holds " + std::to_string(count) + " rows, not " + w[3]);
    return true;
  }
  if (w.size() == 2 && w[1] == "panel-hidden") {
    if (!PumpUntil([&] { return !PanelVisible(); }, kDefaultWaitMs)) return Fail("the panel is still shown");
    return true;
  }
  if (w.size() == 2 && w[1] == "whole") {
    // The island's shape and the panel are painted all over (no blank
    // block where a control was) and hold still: the page has settled.
    double blank = 1.0, moving = 1.0;
    const bool whole = PumpUntil(
        [&] {
          RECT area{};
          if (Island() != nullptr && IsWindowVisible(Island())) {
            RECT rect{};
            GetWindowRect(Island(), &rect);
            if (const std::optional<RECT> dark = DarkBounds(rect)) area = *dark;
          }
          RECT panel{};
          if (PanelVisible() && GetWindowRect(Panel(), &panel)) UnionRect(&area, &area, &panel);
          if (IsRectEmpty(&area)) return false;
          const std::vector<std::uint8_t> first = ScreenPixels(area);
          Pump(250);
          const std::vector<std::uint8_t> second = ScreenPixels(area);
          blank = EnclosedBlankShare(second, area.right - area.left);
          moving = ChangedShare(first, second);
          return blank < 0.08 && moving < 0.005;
        },
        kDefaultWaitMs);
    if (!whole) {
      return Fail("the island and the panel are not whole and still (" + std::to_string(static_cast<int>(blank * 100)) +
                  "% blank, " + std::to_string(static_cast<int>(moving * 100)) + "% changing)");
    }
    return true;
  }
  if (w.size() == 3 && w[1] == "changed") {
    // At least PERCENT of the marked area's pixels show something else: a
    // page that opened, not the last one's picture left on the screen.
    const auto percent = ReadWholeNumber(w[2], 1, 100);
    if (!percent || mark_.empty()) return Fail("expect changed PERCENT takes a mark first");
    double changed = 0;
    const bool shown = PumpUntil(
        [&] {
          changed = ChangedShare(mark_, ScreenPixels(mark_area_));
          return changed * 100 >= static_cast<double>(*percent);
        },
        kDefaultWaitMs);
    if (!shown) {
      return Fail("the screen still shows what it showed at the mark (" +
                  std::to_string(static_cast<int>(changed * 100)) + "% changed)");
    }
    return true;
  }
  if (w.size() == 4 && w[1] == "setting") {
    // The settings file's value as the program wrote it.
    wchar_t value[1024] = {};
    GetPrivateProfileStringW(L"Notch", Wide(w[2]).c_str(), L"", value, 1024, SettingsPath().c_str());
    if (Narrow(value) != w[3])
      return Fail("the setting " + w[2] + " is \"" + Narrow(value) + "\", not \"" + w[3] + "\"");
    return true;
  }
  if (w.size() == 2 && w[1] == "running") {
    if (!Running()) return Fail("the program is not running");
    return true;
  }
  return Fail("unknown expectation");
}

bool Driver::Step(const std::vector<std::string>& w) {
  const std::string& verb = w.front();
  if (verb == "start") return Start();
  if (verb == "stop") {
    const HWND host = FindProcessWindow(L"StandaloneTemboNotchHost", process_.dwProcessId);
    if (host == nullptr || !PostMessageW(host, WM_CLOSE, 0, 0)) return Fail("no host window to close");
    WaitForSingleObject(process_.hProcess, kStartWaitMs);
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_.hProcess, &code);
    if (code != 0) return Fail("the program ended with code " + std::to_string(code));
    return true;
  }
  if (verb == "setting" && w.size() == 3) {
    const std::wstring path = SettingsPath();
    CreateDirectoryW(path.substr(0, path.rfind(L'\\')).c_str(), nullptr);
    if (!WritePrivateProfileStringW(L"Notch", Wide(w[1]).c_str(), Wide(w[2]).c_str(), path.c_str())) {
      return Fail("could not write the setting " + w[1]);
    }
    return true;
  }
  if (verb == "forget-settings") {
    DeleteFileW(SettingsPath().c_str());
    return true;
  }
  if (verb == "key" && w.size() == 2) {
    const auto keys = ReadKeyChord(w[1]);
    if (!keys) return Fail("unknown key chord " + w[1]);
    SendKeys(*keys);
    Pump(100);
    return true;
  }
  if (verb == "home" && w.size() == 1) {
    // The panel's Home as a person reaches it: the search hot key, then Back,
    // with the pointer kept over the panel as it shrinks. Tried again when
    // the panel slipped away on the way (the island closes it when the
    // pointer leaves).
    for (int attempt = 0; attempt < 4; ++attempt) {
      if (PanelVisible()) {
        SendKeys({VK_ESCAPE});
        PumpUntil([&] { return !PanelVisible(); }, kDefaultWaitMs);
        Pump(600);
      }
      SendKeys({VK_MENU, VK_SPACE});
      if (!PumpUntil([&] { return PanelVisible() && PanelControl(quick::control::kBack) != nullptr; },
                     kDefaultWaitMs)) {
        continue;
      }
      Pump(400);
      ClickControl(quick::control::kBack);
      const bool home = PumpUntil([&] { return PanelVisible() && PanelControl(quick::control::kCustomize) != nullptr; },
                                  kDefaultWaitMs);
      if (!home) continue;
      Step({"point", "panel"});
      Pump(800);
      if (PanelVisible() && PanelControl(quick::control::kCustomize) != nullptr) return true;
    }
    return Fail("the panel's Home did not stay open");
  }
  if (verb == "search" && w.size() == 1) {
    // The search hot key, pressed again when the panel did not come (the
    // island may have been busy collapsing).
    const quick::PanelSize size = PageSizeNow(quick::Page::Search);
    for (int attempt = 0; attempt < 3; ++attempt) {
      SendKeys({VK_MENU, VK_SPACE});
      if (PumpUntil(
              [&] {
                RECT rect{};
                if (!PanelVisible() || !GetWindowRect(Panel(), &rect)) return false;
                const unsigned dpi = GetDpiForWindow(Panel());
                return rect.right - rect.left == quick::ScaleDip(size.w, dpi) &&
                       rect.bottom - rect.top == quick::ScaleDip(size.h, dpi);
              },
              4000)) {
        return true;
      }
    }
    return Fail("the search hot key did not open the Search page");
  }
  if (verb == "open" && w.size() == 3) {
    // A page from its Home tile, clicked again from Home when the click was
    // lost (the panel may have been on its way out or not yet taking input).
    const auto id = ControlId(w[1]);
    const auto page = quick::PageFromName(w[2]);
    if (!id || !page) return Fail("open TILE PAGE");
    const quick::PanelSize size = PageSizeNow(*page);
    const auto shown = [&] {
      RECT rect{};
      if (!PanelVisible() || !GetWindowRect(Panel(), &rect)) return false;
      const unsigned dpi = GetDpiForWindow(Panel());
      return rect.right - rect.left == quick::ScaleDip(size.w, dpi) &&
             rect.bottom - rect.top == quick::ScaleDip(size.h, dpi);
    };
    for (int attempt = 0; attempt < 3; ++attempt) {
      if (!Step({"home"})) return false;
      if (!ClickControl(*id)) continue;
      // The hand follows the page as it takes its size: a page smaller than
      // Home would otherwise leave the pointer outside and the island would
      // close.
      if (PumpUntil(shown, 3000)) return Step({"point", "panel"});
    }
    return Fail("the tile " + w[1] + " did not open page " + w[2]);
  }
  if (verb == "tile-to-island" && w.size() == 2) {
    // A Home tile that hands over to one of the island's own pages: the
    // panel gives way. Clicked again when the click was lost.
    const auto id = ControlId(w[1]);
    if (!id) return Fail("unknown control " + w[1]);
    for (int attempt = 0; attempt < 3; ++attempt) {
      if (!PanelVisible() && attempt > 0 && !Step({"home"})) return false;
      if (!ClickControl(*id)) continue;
      if (PumpUntil([&] { return !PanelVisible(); }, 3000)) return true;
    }
    return Fail("the tile " + w[1] + " did not hand over to the island");
  }
  if (verb == "type-into" && w.size() == 3) {
    // Under Wine the first keys after the panel takes the focus can be lost
    // while X focus settles; a person sees that and types again.
    const auto id = ControlId(w[1]);
    if (!id) return Fail("unknown control " + w[1]);
    const std::wstring wanted = Wide(w[2]);
    std::wstring text;
    for (int attempt = 0; attempt < 4 && text != wanted; ++attempt) {
      if (!PumpUntil([&] { return ClickControl(*id); }, kDefaultWaitMs)) return Fail("no control " + w[1]);
      // The keys go where the program's keyboard focus is: to the control
      // once it has it, and once the emptied box has settled.
      const auto focused = [&] {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        const HWND control = PanelControl(*id);
        return control != nullptr && GetGUIThreadInfo(GetWindowThreadProcessId(control, nullptr), &info) &&
               info.hwndFocus == control;
      };
      PumpUntil(focused, 2000);
      Pump(300);
      SendKeys({VK_END});
      for (std::size_t i = ControlText(PanelControl(*id)).size(); i > 0; --i) SendKeys({VK_BACK});
      PumpUntil([&] { return ControlText(PanelControl(*id)).empty(); }, 2000);
      Pump(500);
      TypeText(wanted);
      // A busy program takes the last keys a while after they were sent.
      PumpUntil(
          [&] {
            text = ControlText(PanelControl(*id));
            return text == wanted;
          },
          8000);
    }
    if (text != wanted) return Fail("control " + w[1] + " shows \"" + Narrow(text) + "\" after typing");
    return true;
  }
  if (verb == "type" && w.size() == 2) {
    TypeText(Wide(w[1]));
    Pump(100);
    return true;
  }
  if ((verb == "point" || verb == "click" || verb == "rclick") && w.size() >= 2) {
    if (w[1] == "away" && verb == "point") {
      PointAway();
      Pump(60);
      return true;
    }
    if (w[1] == "island" && w.size() == 4) {
      const auto dx = ReadWholeNumber(w[2], -2000, 2000), dy = ReadWholeNumber(w[3], -2000, 2000);
      if (!dx || !dy || Island() == nullptr) return Fail("point/click island DX DY (DIPs from its top centre)");
      const POINT p = IslandPoint(static_cast<double>(*dx), static_cast<double>(*dy));
      if (verb == "point") {
        MoveTo(p);
      } else {
        ClickAt(p, verb == "rclick");
      }
      Pump(100);
      return true;
    }
    if (w[1] == "panel" && w.size() == 2 && verb == "point") {
      // Keeps the pointer over the panel as it changes size, as a person's
      // hand follows it.
      RECT rect{};
      if (!PanelVisible() || !GetWindowRect(Panel(), &rect)) return Fail("no panel to point at");
      MoveTo(POINT{(rect.left + rect.right) / 2, rect.bottom - Scale(8)});
      Pump(100);
      return true;
    }
    if (w[1] == "panel" && w.size() == 3 && verb == "click") {
      const auto id = ControlId(w[2]);
      if (!id) return Fail("unknown control " + w[2]);
      if (!PumpUntil([&] { return PanelControl(*id) != nullptr && IsWindowVisible(PanelControl(*id)); },
                     kDefaultWaitMs) ||
          !ClickControl(*id)) {
        return Fail("no control " + w[2] + " on the panel to click");
      }
      Pump(100);
      return true;
    }
    return Fail("point/click takes island DX DY, panel NAME or away");
  }
  if (verb == "drag-out" && w.size() == 3) {
    const auto dx = ReadWholeNumber(w[1], -2000, 2000), dy = ReadWholeNumber(w[2], -2000, 2000);
    if (!dx || !dy || Island() == nullptr) return Fail("drag-out DX DY (DIPs from the island's top centre)");
    DragOut(IslandPoint(static_cast<double>(*dx), static_cast<double>(*dy)));
    return true;
  }
  if (verb == "copy" && w.size() == 2) {
    if (!PutOnClipboard(Wide(w[1]))) return Fail("could not put the text on the clipboard");
    Pump(100);
    return true;
  }
  if (verb == "drop" && w.size() >= 2) {
    std::vector<std::wstring> files;
    for (std::size_t i = 1; i < w.size(); ++i) files.push_back(Wide(w[i]));
    return Drop(files);
  }
  if (verb == "write-file" && w.size() == 3) {
    // A file landing in a folder (Downloads), written in one go and closed.
    std::wstring path = Wide(w[1]);
    if (path.rfind(L"Downloads\\", 0) == 0) path = KnownFolder(FOLDERID_Downloads) + path.substr(9);
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return Fail("could not write " + Narrow(path));
    DWORD written = 0;
    WriteFile(file, w[2].data(), static_cast<DWORD>(w[2].size()), &written, nullptr);
    CloseHandle(file);
    return true;
  }
  if (verb == "drag-hold" && w.size() == 5 && w[1] == "panel") {
    // Presses on a control and moves the pointer DX, DY DIPs away in small
    // steps without letting go: the picture shows the drag running.
    const auto id = ControlId(w[2]);
    const auto dx = ReadWholeNumber(w[3], -2000, 2000), dy = ReadWholeNumber(w[4], -2000, 2000);
    if (!id || !dx || !dy) return Fail("drag-hold panel NAME DX DY");
    const HWND control = PanelControl(*id);
    RECT rect{};
    if (control == nullptr || !IsWindowVisible(control) || !GetWindowRect(control, &rect)) {
      return Fail("no control " + w[2] + " on the panel to press");
    }
    const POINT from{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    MoveTo(from);
    Pump(100);
    Button(MOUSEEVENTF_LEFTDOWN);
    button_held_ = true;
    Pump(100);
    constexpr int kSteps = 8;
    for (int step = 1; step <= kSteps; ++step) {
      MoveTo(POINT{from.x + Scale(static_cast<double>(*dx)) * step / kSteps,
                   from.y + Scale(static_cast<double>(*dy)) * step / kSteps});
      Pump(60);
    }
    return true;
  }
  if (verb == "release" && w.size() == 1) {
    Button(MOUSEEVENTF_LEFTUP);
    button_held_ = false;
    Pump(200);
    return true;
  }
  if (verb == "mark" && w.size() == 1) {
    // What the island and the panel show once they hold still (a fade or a
    // resize over), for "expect changed".
    mark_area_ = IslandAndPanelArea();
    mark_ = ScreenPixels(mark_area_);
    PumpUntil(
        [&] {
          Pump(250);
          std::vector<std::uint8_t> now = ScreenPixels(mark_area_);
          const bool still = ChangedShare(mark_, now) < 0.005;
          mark_ = std::move(now);
          return still;
        },
        kDefaultWaitMs);
    return true;
  }
  if (verb == "wait" && w.size() == 2) {
    const auto ms = ReadWholeNumber(w[1], 0, 600000);
    if (!ms) return Fail("wait MS");
    Pump(static_cast<DWORD>(*ms));
    return true;
  }
  if (verb == "expect" && w.size() >= 2) return Expect(w);
  if (verb == "shot" && w.size() == 2) return Shot(w[1]);
  // The tour build's stand-in sources: start its track, raise a notice, turn
  // the volume, charge the battery.
  if ((verb == "media-play" || verb == "media-pause") && w.size() == 1) {
    const wchar_t* event = verb == "media-play" ? tour::kMediaPlayEventName : tour::kMediaPauseEventName;
    if (!PumpUntil([event] { return tour::SignalEvent(event); }, kDefaultWaitMs)) {
      return Fail("no media session to signal (is this the tour build?)");
    }
    return true;
  }
  if (verb == "notify" && w.size() == 4) {
    const tour::TourNotice notice{Wide(w[1]), Wide(w[2]), Wide(w[3])};
    if (!PumpUntil([&] { return tour::SignalNotice(notice); }, kDefaultWaitMs)) {
      return Fail("no notification list to add to (is this the tour build?)");
    }
    return true;
  }
  if (verb == "volume" && (w.size() == 2 || (w.size() == 3 && w[2] == "muted"))) {
    const auto percent = ReadWholeNumber(w[1], 0, 100);
    if (!percent) return Fail("volume PERCENT [muted]");
    const tour::TourVolumeSlot volume = tour::VolumeSlotFor(static_cast<int>(*percent), w.size() == 3);
    if (!PumpUntil([&] { return tour::SignalVolume(volume); }, kDefaultWaitMs)) {
      return Fail("no output device to turn (is this the tour build?)");
    }
    return true;
  }
  if (verb == "battery" && w.size() == 3 && (w[2] == "plugged" || w[2] == "unplugged")) {
    const auto percent = ReadWholeNumber(w[1], 0, 100);
    if (!percent) return Fail("battery PERCENT plugged|unplugged");
    const tour::TourPowerSlot power = tour::PowerSlotFor(static_cast<int>(*percent), w[2] == "plugged");
    if (!PumpUntil([&] { return tour::WritePower(power); }, kDefaultWaitMs)) {
      return Fail("no battery to charge (is this the tour build?)");
    }
    // What the system sends the top-level windows when the power status changes.
    if (!PostMessageW(Island(), WM_POWERBROADCAST, PBT_APMPOWERSTATUSCHANGE, 0)) return Fail("no island to tell");
    return true;
  }
  if (verb == "echo") {
    std::string line;
    for (std::size_t i = 1; i < w.size(); ++i) line += (i > 1 ? " " : "") + w[i];
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
    return true;
  }
  return Fail("unknown step");
}

int Play(const std::wstring& steps_path, const std::wstring& out_folder) {
  std::ifstream file(std::filesystem::path(steps_path), std::ios::binary);
  if (!file) {
    std::fprintf(stderr, "notch_driver: cannot read %s\n", Narrow(steps_path).c_str());
    return 2;
  }
  Driver driver(out_folder);
  std::string line;
  int number = 0;
  while (std::getline(file, line)) {
    ++number;
    const StepLine step = ReadStepLine(line);
    if (!step.error.empty()) {
      std::fprintf(stderr, "line %d: %s\n", number, step.error.c_str());
      return 2;
    }
    if (step.words.empty()) continue;
    if (step.words.front() != "start" && step.words.front() != "setting" && step.words.front() != "forget-settings" &&
        step.words.front() != "echo" && !driver.Running()) {
      std::fprintf(stderr, "line %d: %s: the program is not running\n", number, line.c_str());
      return 1;
    }
    if (!driver.Step(step.words)) {
      std::fprintf(stderr, "line %d: %s: %s\n", number, line.c_str(), driver.error().c_str());
      // What the screen showed when the stop failed.
      if (driver.Running()) driver.Shot("failed-at-line-" + std::to_string(number));
      return 1;
    }
  }
  return 0;
}

// Seeded random input for `seconds`, sampling once a second into `csv`.
int Soak(int seconds, unsigned seed, const std::wstring& csv_path, const std::wstring& scratch) {
  Driver driver(scratch);
  if (!driver.Start()) {
    std::fprintf(stderr, "soak: %s\n", driver.error().c_str());
    return 1;
  }
  Pump(2000);  // the island settles before the first sample
  std::mt19937 random(seed);
  const auto pick = [&random](unsigned n) { return static_cast<unsigned>(random() % n); };
  const std::array<const char*, 6> queries = {"note", "calc", "2+2*3", "win", "tembo", "c:\\"};
  const std::array<int, 9> home_pages = {
      quick::control::kWiFiPage,    quick::control::kBluetoothPage, quick::control::kSoundPage,
      quick::control::kDisplayPage, quick::control::kNotchPage,     quick::control::kTimerPage,
      quick::control::kShelfPage,   quick::control::kClipboardPage, quick::control::kStatisticsPage};
  std::vector<std::wstring> scratch_files;
  for (int i = 0; i < 3; ++i) {
    const std::wstring path = scratch + L"\\soak-" + std::to_wstring(i) + L".txt";
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    scratch_files.push_back(path);
  }

  const auto act = [&](unsigned kind) {
    switch (kind) {
      case 0:  // show or hide the island
        SendKeys({VK_CONTROL, VK_MENU, 'N'});
        break;
      case 1:  // hover, then leave
        MoveTo(driver.IslandPoint(static_cast<double>(pick(160)) - 80, 10));
        Pump(static_cast<DWORD>(200 + pick(600)));
        driver.PointAway();
        break;
      case 2:  // click somewhere on the island: expand, its buttons, rows
        ClickAt(driver.IslandPoint(static_cast<double>(pick(360)) - 180, static_cast<double>(pick(160) + 4)));
        break;
      case 3:  // search
        SendKeys({VK_MENU, VK_SPACE});
        Pump(300);
        TypeText(Wide(queries[pick(static_cast<unsigned>(queries.size()))]));
        Pump(static_cast<DWORD>(200 + pick(400)));
        SendKeys({VK_ESCAPE});
        break;
      case 4:  // a panel page through Home
        if (driver.PanelVisible() && driver.PanelControl(quick::control::kCustomize) != nullptr) {
          driver.ClickControl(home_pages[pick(static_cast<unsigned>(home_pages.size()))]);
        } else {
          driver.Step({"home"});
        }
        break;
      case 5:
        PutOnClipboard(L"soak " + std::to_wstring(pick(1000)));
        break;
      case 6:
        driver.Drop({scratch_files[pick(static_cast<unsigned>(scratch_files.size()))]});
        break;
      case 7:  // drag a shelf row out
        driver.DragOut(driver.IslandPoint(static_cast<double>(pick(200)) - 100, static_cast<double>(60 + pick(60))));
        break;
      case 8:
        SendKeys({VK_CAPITAL});
        break;
      case 9:  // the Sound page's mute, or the volume keys
        if (!driver.ClickControl(quick::control::kMute)) {
          SendKeys({static_cast<WORD>(pick(2) ? VK_VOLUME_UP : VK_VOLUME_DOWN)});
        }
        break;
      case 10:
        SendKeys({VK_ESCAPE});
        break;
      default:
        driver.PointAway();
        break;
    }
    Pump(static_cast<DWORD>(100 + pick(300)));
  };
  constexpr unsigned kActionKinds = 12;

  // A first round of every kind, and of every page, before the clock
  // starts: first uses fill caches (glyphs, icons, the search index) that
  // are no leak.
  for (unsigned kind = 0; kind < kActionKinds; ++kind) act(kind);
  for (const int page : home_pages) {
    driver.Step({"home"});
    driver.ClickControl(page);
    Pump(800);
  }
  SendKeys({VK_ESCAPE});
  Pump(1000);

  // The program's own figures, which hold under Wine too: its heaps and the
  // handles and windows it holds, given by the idle hook from inside it, and
  // its committed private pages walked from here.
  notch::idle::HookedProcess inside(L"ShellIlha");
  if (!inside.error().empty())
    std::fprintf(stderr, "soak: no figures from inside the program: %s\n", inside.error().c_str());

  std::ofstream csv(std::filesystem::path(csv_path), std::ios::binary);
  csv.precision(12);  // whole kilobytes, not 1.23457e+06
  csv << "seconds,handles,gdi,user,threads,private_kb,working_set_kb,host_rss_kb,host_fds,host_threads,"
         "listed_handles,windows,gdi_table,heap_committed_kb,heap_busy_kb,committed_private_kb\n";
  // Bounds a minute. Under Wine the handle, GDI, USER and private-byte
  // figures read 0; the listed handles, windows, GDI table entries, heaps
  // and committed pages are the program's own there, and the host process's figures are Wine's.
  std::array<CountSeries, 15> series = {{
      {"handles", 20, {}, {}},
      {"gdi", 10, {}, {}},
      {"user", 5, {}, {}},
      {"threads", 6, {}, {}},
      {"private_kb", 1024, {}, {}},
      {"working_set_kb", 4096, {}, {}},
      {"host_rss_kb", 4096, {}, {}},
      {"host_fds", 10, {}, {}},
      {"host_threads", 6, {}, {}},
      {"listed_handles", 20, {}, {}},
      {"windows", 5, {}, {}},
      {"gdi_table", 10, {}, {}},
      {"heap_committed_kb", 1024, {}, {}},
      {"heap_busy_kb", 1024, {}, {}},
      {"committed_private_kb", 2048, {}, {}},
  }};
  const ULONGLONG begin = GetTickCount64();
  ULONGLONG next_sample = begin;
  int actions = 0;
  while (GetTickCount64() - begin < static_cast<ULONGLONG>(seconds) * 1000) {
    if (!driver.Running()) {
      std::fprintf(stderr, "soak: the program ended after %d actions\n", actions);
      return 1;
    }
    if (GetTickCount64() >= next_sample) {
      const Sample s = driver.Measure(static_cast<double>(GetTickCount64() - begin) / 1000);
      const HostFigures host = driver.Host();
      const notch::idle::ProcessFigures own = inside.Figures(2000).value_or(notch::idle::ProcessFigures{});
      const notch::idle::CommittedPages pages = notch::idle::WalkCommittedPages(inside.process_id());
      const std::array<double, 15> values = {static_cast<double>(s.handles),
                                             static_cast<double>(s.gdi),
                                             static_cast<double>(s.user),
                                             static_cast<double>(s.threads),
                                             static_cast<double>(s.private_bytes / 1024),
                                             static_cast<double>(s.working_set / 1024),
                                             static_cast<double>(host.rss_kb),
                                             static_cast<double>(host.fds),
                                             static_cast<double>(host.threads),
                                             static_cast<double>(own.listed_handles),
                                             static_cast<double>(own.windows),
                                             static_cast<double>(own.gdi_table_objects),
                                             static_cast<double>(own.heap_committed_bytes / 1024),
                                             static_cast<double>(own.heap_busy_bytes / 1024),
                                             static_cast<double>(pages.private_bytes / 1024)};
      csv << s.seconds;
      for (const double value : values) csv << ',' << value;
      csv << '\n';
      csv.flush();
      for (std::size_t i = 0; i < series.size(); ++i) series[i].Add(s.seconds, values[i]);
      // Never a burst of samples to catch up after a long action.
      next_sample = std::max(next_sample + 1000, GetTickCount64() + 500);
    }
    ++actions;
    act(pick(kActionKinds));
  }
  // Caps Lock back as it was found is the person's business; leave it off.
  if (GetKeyState(VK_CAPITAL) & 1) SendKeys({VK_CAPITAL});
  std::printf("soak: %d actions in %d s, seed %u\n", actions, seconds, seed);
  bool growing = false;
  for (const CountSeries& s : series) {
    const TrendVerdict verdict = JudgeTrend(s);
    std::printf("  %-20s slope %+10.2f a minute over the second half (bound %.0f)%s\n", s.name.c_str(),
                verdict.slope_per_minute, s.bound_per_minute, verdict.growing ? "  GROWING" : "");
    growing = growing || verdict.growing;
  }
  std::fflush(stdout);
  if (!driver.Running()) {
    std::fprintf(stderr, "soak: the program ended\n");
    return 1;
  }
  if (!driver.Step({"stop"})) {
    std::fprintf(stderr, "soak: %s\n", driver.error().c_str());
    return 1;
  }
  // A short run is mostly first use (pages, DLLs, caches warming up), so its
  // slopes are shown but only a run of kTrendJudgedSeconds or more fails on them.
  if (growing && seconds < kTrendJudgedSeconds) {
    std::printf("soak: %d s is too short to tell growth from warming up; the trend is not judged\n", seconds);
    return 0;
  }
  return growing ? 1 : 0;
}

}  // namespace
}  // namespace notch::driver

int wmain(int argc, wchar_t** argv) {
  SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
  if (FAILED(OleInitialize(nullptr))) return 2;
  const std::wstring command = argc > 1 ? argv[1] : L"";
  int code = 2;
  if (command == L"play" && argc == 4) {
    code = notch::driver::Play(argv[2], argv[3]);
  } else if (command == L"soak" && argc == 6) {
    const auto seconds = notch::driver::ReadWholeNumber(notch::WideToUtf8(argv[2]), 1, 7 * 24 * 3600);
    const auto seed = notch::driver::ReadWholeNumber(notch::WideToUtf8(argv[3]), 0, 0xFFFFFFFF);
    if (seconds && seed) {
      code = notch::driver::Soak(static_cast<int>(*seconds), static_cast<unsigned>(*seed), argv[4], argv[5]);
    }
  }
  if (code == 2 && command != L"play" && command != L"soak") {
    std::fprintf(stderr,
                 "usage: notch_driver play STEPS OUTDIR\n"
                 "       notch_driver soak SECONDS SEED CSV SCRATCHDIR\n");
  }
  OleUninitialize();
  return code;
}
