#pragma once
// The one network operation the lyrics providers need, behind an interface:
// WinHTTP implements it on Windows, tests script it. The rules about what an
// answer means (verdicts, the body's deadline and size cap) are not here but
// in HttpsGet, so that every transport obeys them.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

namespace notch {

inline constexpr std::uint16_t kHttpsPort = 443;

// One HTTPS GET, with no redirects, cookies or authentication. The services
// all listen on the HTTPS port; only tests name another one.
struct HttpRequest {
  std::wstring host;
  std::wstring path;  // percent-encoded already; sent unchanged
  std::wstring user_agent;
  std::uint32_t receive_timeout_ms = 0;
  std::uint16_t port = kHttpsPort;
};

// A request that was sent and answered with a status. Destroying it closes
// the request, the connection and the session, in that order.
class HttpResponse {
 public:
  virtual ~HttpResponse() = default;
  virtual int Status() const = 0;
  // The Retry-After header as sent, or nothing when there is none.
  virtual std::optional<std::wstring> RetryAfter() = 0;
  // The next piece of the body into `buffer`: its size, 0 at the end of the
  // body, or nothing on a read error or time-out.
  virtual std::optional<std::size_t> Read(std::span<char> buffer) = 0;
};

// Shared by the lyrics workers: Send is called from several threads at once.
class HttpTransport {
 public:
  virtual ~HttpTransport() = default;
  // Nothing when any step up to and including the status fails; every handle
  // opened so far is closed by then.
  virtual std::unique_ptr<HttpResponse> Send(const HttpRequest& request) = 0;
};

}  // namespace notch
