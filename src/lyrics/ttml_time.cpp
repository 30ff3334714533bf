#include "lyrics/ttml_time.h"

#include <algorithm>

#include "lyrics/decimal_digits.h"
#include "lyrics/lyrics_sheet.h"

namespace notch::lyrics {
namespace {

constexpr std::int64_t kMaxSeconds = 86'400;
constexpr std::int64_t kMaxHours = 24;
constexpr std::int64_t kMaxMinutes = 1440;

bool EndsWith(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

constexpr std::int64_t kInvalid = -1;

// 1 to 8 digits of seconds, then optionally "." and at least one digit;
// kInvalid otherwise. One pass, returning a plain number: every time of a
// word-timed document is read through here.
std::int64_t SecondsMs(std::string_view text) {
  constexpr std::size_t kMaxSecondDigits = 8;
  const char* const data = text.data();
  const std::size_t size = text.size();
  std::size_t i = 0;
  std::int64_t seconds = 0;
  for (; i < size; ++i) {
    const unsigned digit = static_cast<unsigned char>(data[i]) - unsigned{'0'};
    if (digit > 9) break;
    if (i == kMaxSecondDigits) return kInvalid;
    seconds = seconds * 10 + digit;
  }
  if (i == 0 || seconds > kMaxSeconds) return kInvalid;
  std::int64_t ms = seconds * 1000;
  if (i == size) return ms;
  if (data[i] != '.' || ++i == size) return kInvalid;
  // Tenths, hundredths and thousandths; later digits are below a millisecond.
  constexpr std::int64_t kWeights[] = {100, 10, 1};
  for (std::size_t place = 0; i < size; ++i, ++place) {
    const unsigned digit = static_cast<unsigned char>(data[i]) - unsigned{'0'};
    if (digit > 9) return kInvalid;
    if (place < 3) ms += digit * kWeights[place];
  }
  return ms;
}

std::optional<std::int64_t> ReadSecondsMs(std::string_view text) {
  const std::int64_t ms = SecondsMs(text);
  if (ms == kInvalid) return std::nullopt;
  return ms;
}

// "minutes:seconds" or "hours:minutes:seconds", seconds with a fraction.
std::optional<std::int64_t> ReadClockMs(std::string_view text) {
  const std::size_t last_colon = text.rfind(':');
  const std::optional<std::int64_t> seconds_ms = ReadSecondsMs(text.substr(last_colon + 1));
  if (!seconds_ms || *seconds_ms >= 60'000) return std::nullopt;
  const std::string_view before = text.substr(0, last_colon);
  const std::size_t colon = before.find(':');
  std::optional<std::int64_t> hours = 0;
  std::optional<std::int64_t> minutes;
  if (colon == std::string_view::npos) {
    minutes = ReadDigits(before, 8);
    if (!minutes || *minutes > kMaxMinutes) return std::nullopt;
  } else {
    hours = ReadDigits(before.substr(0, colon), 8);
    minutes = ReadDigits(before.substr(colon + 1), 8);
    if (!hours || !minutes || *hours > kMaxHours || *minutes >= 60) return std::nullopt;
  }
  return (*hours * 60 + *minutes) * 60'000 + *seconds_ms;
}

}  // namespace

std::optional<std::int32_t> ReadTtmlTime(std::string_view expression) {
  std::optional<std::int64_t> ms;
  const char last = expression.empty() ? '\0' : expression.back();
  if (last != 's') {
    // Bare seconds first, as the services write every time below a minute:
    // a clock time never reads as seconds, for seconds hold no colon.
    const std::int64_t seconds_ms = SecondsMs(expression);
    if (seconds_ms != kInvalid) {
      if (seconds_ms > kMaxLyricTimeMs) return std::nullopt;
      return static_cast<std::int32_t>(seconds_ms);
    }
    if (std::find(expression.begin(), expression.end(), ':') == expression.end()) return std::nullopt;
    ms = ReadClockMs(expression);
  } else if (EndsWith(expression, "ms")) {
    ms = ReadDigits(expression.substr(0, expression.size() - 2), 8);
  } else {
    ms = ReadSecondsMs(expression.substr(0, expression.size() - 1));
  }
  if (!ms || *ms > kMaxLyricTimeMs) return std::nullopt;
  return static_cast<std::int32_t>(*ms);
}

}  // namespace notch::lyrics
