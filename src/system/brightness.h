#pragma once
// Display brightness: the request and result that cross the worker thread,
// the DDC/CI range scaling, the order of the two ways to reach the panel
// (WMI first, DDC/CI when WMI does not answer) and the write coalescing the
// Display page applies to slider movements. The system calls sit behind
// BrightnessWmi and DdcMonitors: Windows implements them, the tests fake them.
#include <cstdint>
#include <optional>
#include <string>

namespace notch::brightness {

struct Request {
  std::int32_t value = 0;  // percent
  bool set = false;
};

struct Result {
  std::int32_t value = 0;  // percent
  bool supported = false;
};

// The WMI monitor classes on ROOT\WMI.
class BrightnessWmi {
 public:
  virtual ~BrightnessWmi() = default;
  // Locator, connection and proxy blanket; false sends the caller to DDC/CI.
  virtual bool Connect() = 0;
  // WmiSetBrightness on the first active monitor; false when the write failed.
  virtual bool Set(std::uint8_t percent) = 0;
  // CurrentBrightness of the first active monitor, when it is a byte.
  virtual std::optional<std::uint8_t> Read() = 0;
};

// The physical monitors behind the primary display (dxva2). Open() gathers
// them and Close() destroys them; between the two, monitors are numbered
// 0..count-1.
class DdcMonitors {
 public:
  virtual ~DdcMonitors() = default;
  // The number of physical monitors, nothing when they cannot be gathered.
  virtual std::optional<std::uint32_t> Open() = 0;
  virtual void Close() = 0;
  struct Range {
    std::uint32_t min = 0;
    std::uint32_t current = 0;
    std::uint32_t max = 0;
  };
  virtual std::optional<Range> Get(std::uint32_t index) = 0;
  virtual bool Set(std::uint32_t index, std::uint32_t value) = 0;
};

std::int32_t ClampPercent(std::int32_t value);
// The monitor's value for `percent` in [min, max], rounded; min < max.
std::uint32_t ScaleToMonitor(std::uint32_t min, std::uint32_t max, std::int32_t percent);
// The percent that `current` stands for in [min, max], rounded; min < max.
std::int32_t ScaleToPercent(std::uint32_t min, std::uint32_t current, std::uint32_t max);

Result DdcBrightness(DdcMonitors& monitors, const Request& request);
Result WmiBrightness(BrightnessWmi& wmi, const Request& request);
// WMI, then DDC/CI when WMI did not report support.
Result DisplayBrightness(BrightnessWmi& wmi, DdcMonitors& monitors, const Request& request);

// The page's texts, in Portuguese: they pass through Translate.
inline constexpr wchar_t kSubtitleChecking[] = L"Verificando o brilho da tela\u2026";
inline constexpr wchar_t kSubtitleSupported[] = L"Tela integrada ou principal";
inline constexpr wchar_t kSubtitleUnavailable[] = L"O brilho não está disponível nesta tela";
inline constexpr wchar_t kStatusDrag[] = L"Arraste o controle para ajustar o brilho da tela.";
inline constexpr wchar_t kStatusWriteFailed[] = L"O Windows não conseguiu alterar o brilho.";
inline constexpr wchar_t kStatusDdcHint[] = L"Monitores externos podem exigir o DDC/CI ativado.";
inline constexpr wchar_t kNoValue[] = L"\u2014";

std::wstring PercentLabel(std::int32_t value);

// What the Display page shows after a read.
struct ReadView {
  bool slider_enabled = false;
  bool move_thumb = false;  // to the result's value
  std::wstring label;       // empty: leave the label alone
  std::wstring subtitle;    // translated
  std::wstring status;      // translated
};

// The Display page's brightness state: the last result, the slider value
// not yet written, and the time of the last write. One write runs at a time
// (the panel's task slot); during a drag writes are at least 64 ms apart and
// the last value is always written.
class Coalescer {
 public:
  static constexpr std::uint64_t kMinGapMs = 64;

  // A slider notification (only while supported): the value becomes pending;
  // `final` (anything but a thumb-track) forces its flush, now or, while the
  // slot is busy, whenever it is flushed next. The value to write now, if
  // any (see Flush).
  std::optional<std::int32_t> OnSlider(std::int32_t value, bool final, std::uint64_t now_ms, bool can_start);

  // The value to write now, clearing the pending flag and recording the time;
  // nothing unless a value is pending and `can_start` (the slot is idle, no
  // radio request waits, the page is Display), nor, without `force`, while
  // the last write is 64 ms old or younger.
  std::optional<std::int32_t> Flush(bool force, std::uint64_t now_ms, bool can_start);

  struct WriteView {
    std::wstring status;      // translated
    bool move_thumb = false;  // thumb and label to last().value
    bool flush_now = false;   // a newer value waits and the slot is idle: Flush(false)
  };
  // The continuation of a write. `captured`: the slider is being dragged.
  WriteView OnWritten(const Result& result, bool captured, bool slot_idle);
  // The continuation of a read (page setup and refresh).
  ReadView OnRead(const Result& result, bool captured);

  const Result& last() const { return last_; }
  bool pending() const { return pending_; }
  std::int32_t pending_value() const { return pending_value_; }

 private:
  Result last_;
  std::int32_t pending_value_ = 0;
  bool pending_ = false;
  bool pending_final_ = false;
  std::optional<std::uint64_t> last_flush_ms_;
};

}  // namespace notch::brightness
