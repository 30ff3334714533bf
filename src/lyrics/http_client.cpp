#include "lyrics/http_client.h"

#include <array>
#include <limits>
#include <utility>

#include "lyrics/decimal_digits.h"
#include "lyrics/provider_table.h"

namespace notch {
namespace {

std::wstring_view TrimBlanks(std::wstring_view text) {
  const std::size_t first = text.find_first_not_of(L" \t");
  if (first == std::wstring_view::npos) return {};
  return text.substr(first, text.find_last_not_of(L" \t") + 1 - first);
}

// Reads the body of a 200 to its end, within the deadline and the size cap.
HttpResult ReadBody(HttpResponse& response, const Clock& clock) {
  const std::uint64_t deadline = clock.TickMs() + kHttpBodyDeadlineMs;
  std::string body;
  std::array<char, kHttpReadBytes> buffer{};
  for (;;) {
    if (clock.TickMs() >= deadline) return {};
    const std::optional<std::size_t> received = response.Read(buffer);
    if (!received || body.size() + *received > kHttpBodyCapBytes) return {};
    if (*received == 0) return {std::move(body), 0, true};
    body.append(buffer.data(), *received);
  }
}

}  // namespace

std::wstring HttpUserAgent(std::wstring_view contact) {
  std::wstring agent = L"Tembo Notch v1.2.4 (";
  agent += kProjectAddress;
  if (!contact.empty()) {
    agent += L"; ";
    agent += contact;
  }
  agent += L")";
  return agent;
}

std::uint64_t RetryAfterSeconds(const std::optional<std::wstring>& header) {
  if (!header) return kDefaultRetryAfterSeconds;
  const std::optional<std::int64_t> seconds = lyrics::ReadDigits(TrimBlanks(*header), 10);
  if (!seconds || *seconds > std::numeric_limits<std::uint32_t>::max()) return kDefaultRetryAfterSeconds;
  return static_cast<std::uint64_t>(*seconds);
}

HttpResult HttpsGet(HttpTransport& transport, const Clock& clock, std::wstring_view host, std::wstring_view path,
                    std::uint32_t receive_timeout_ms, std::wstring_view contact) {
  const HttpRequest request{std::wstring(host), std::wstring(path), HttpUserAgent(contact), receive_timeout_ms};
  const std::unique_ptr<HttpResponse> response = transport.Send(request);
  if (!response) return {};
  switch (response->Status()) {
    case 200:
      return ReadBody(*response, clock);
    case 401:
    case 403:
    case 404:
      return {{}, 0, true};
    case 429:
      return {{}, RetryAfterSeconds(response->RetryAfter()), false};
    default:
      return {};
  }
}

}  // namespace notch
