#pragma once
// The lyrics providers' HTTP client: one bounded, blocking HTTPS GET per call
// on the calling worker thread, with a three-way verdict that the provider
// cascade uses for caching and back-off.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/clock.h"
#include "lyrics/http_transport.h"

namespace notch {

inline constexpr std::size_t kHttpBodyCapBytes = 524'288;
inline constexpr std::size_t kHttpReadBytes = 4096;
inline constexpr std::uint64_t kHttpBodyDeadlineMs = 4000;
inline constexpr std::uint64_t kDefaultRetryAfterSeconds = 60;

// Content: answered with a body. A definite absence: answered with an empty
// body (401, 403, 404, or an empty 200). Try again later: not answered, with
// retry_after set for a 429.
struct HttpResult {
  std::string body;  // complete 200 bodies only; never a partial one
  std::uint64_t retry_after = 0;
  bool answered = false;
};

// "Tembo Notch v1.2.4 (address)" or, with a contact, "(address; contact)".
std::wstring HttpUserAgent(std::wstring_view contact);

// Seconds to wait after a 429: the header's number when it is one (a decimal
// number that fits 32 bits, as WinHTTP reads numbers), else 60.
std::uint64_t RetryAfterSeconds(const std::optional<std::wstring>& header);

// `clock` times the body's deadline. No failure is logged: it is the result.
HttpResult HttpsGet(HttpTransport& transport, const Clock& clock, std::wstring_view host, std::wstring_view path,
                    std::uint32_t receive_timeout_ms, std::wstring_view contact);

}  // namespace notch
