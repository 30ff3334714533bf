#include "lyrics/ttml_time.h"

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

// 1 to 8 digits of seconds, then optionally "." and at least one digit.
std::optional<std::int64_t> ReadSecondsMs(std::string_view text) {
  const std::size_t dot = text.find('.');
  const std::optional<std::int64_t> seconds = ReadDigits(text.substr(0, dot), 8);
  if (!seconds || *seconds > kMaxSeconds) return std::nullopt;
  std::int64_t ms = *seconds * 1000;
  if (dot != std::string_view::npos) {
    const std::string_view fraction = text.substr(dot + 1);
    if (fraction.empty() || !AllDigits(fraction)) return std::nullopt;
    ms += FractionMs(fraction);
  }
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
  if (EndsWith(expression, "ms")) {
    ms = ReadDigits(expression.substr(0, expression.size() - 2), 8);
  } else if (EndsWith(expression, "s")) {
    ms = ReadSecondsMs(expression.substr(0, expression.size() - 1));
  } else if (expression.find(':') != std::string_view::npos) {
    ms = ReadClockMs(expression);
  } else {
    // Bare seconds, as the services write every time below a minute.
    ms = ReadSecondsMs(expression);
  }
  if (!ms || *ms > kMaxLyricTimeMs) return std::nullopt;
  return static_cast<std::int32_t>(*ms);
}

}  // namespace notch::lyrics
