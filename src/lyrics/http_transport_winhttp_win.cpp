#include "lyrics/http_transport_winhttp_win.h"

#include <windows.h>

#include <winhttp.h>

#include <utility>

namespace notch {
namespace {

constexpr int kResolveTimeoutMs = 2000;
constexpr int kConnectTimeoutMs = 2500;
constexpr int kSendTimeoutMs = 2500;
static_assert(kHttpsPort == INTERNET_DEFAULT_HTTPS_PORT);

class InternetHandle {
 public:
  explicit InternetHandle(HINTERNET handle = nullptr) : handle_(handle) {}
  ~InternetHandle() {
    if (handle_ != nullptr) WinHttpCloseHandle(handle_);
  }
  InternetHandle(InternetHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  InternetHandle& operator=(InternetHandle&&) = delete;

  HINTERNET get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }

 private:
  HINTERNET handle_;
};

// Members are destroyed in reverse order: request, connection, session.
class WinHttpResponse final : public HttpResponse {
 public:
  WinHttpResponse(InternetHandle session, InternetHandle connection, InternetHandle request, int status)
      : session_(std::move(session)),
        connection_(std::move(connection)),
        request_(std::move(request)),
        status_(status) {}

  int Status() const override { return status_; }

  std::optional<std::wstring> RetryAfter() override {
    DWORD size = 0;
    WinHttpQueryHeaders(request_.get(), WINHTTP_QUERY_RETRY_AFTER, WINHTTP_HEADER_NAME_BY_INDEX, nullptr, &size,
                        WINHTTP_NO_HEADER_INDEX);
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || size == 0) return std::nullopt;
    std::wstring value(size / sizeof(wchar_t), L'\0');
    if (!WinHttpQueryHeaders(request_.get(), WINHTTP_QUERY_RETRY_AFTER, WINHTTP_HEADER_NAME_BY_INDEX, value.data(),
                             &size, WINHTTP_NO_HEADER_INDEX)) {
      return std::nullopt;
    }
    value.resize(size / sizeof(wchar_t));
    return value;
  }

  std::optional<std::size_t> Read(std::span<char> buffer) override {
    DWORD received = 0;
    if (!WinHttpReadData(request_.get(), buffer.data(), static_cast<DWORD>(buffer.size()), &received)) {
      return std::nullopt;
    }
    return received;
  }

 private:
  InternetHandle session_;
  InternetHandle connection_;
  InternetHandle request_;
  int status_;
};

}  // namespace

std::unique_ptr<HttpResponse> WinHttpTransport::Send(const HttpRequest& request) {
  InternetHandle session(WinHttpOpen(request.user_agent.c_str(), WINHTTP_ACCESS_TYPE_AUTOMATIC_PROXY,
                                     WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0));
  if (!session || !WinHttpSetTimeouts(session.get(), kResolveTimeoutMs, kConnectTimeoutMs, kSendTimeoutMs,
                                      static_cast<int>(request.receive_timeout_ms))) {
    return nullptr;
  }
  InternetHandle connection(WinHttpConnect(session.get(), request.host.c_str(), request.port, 0));
  if (!connection) return nullptr;

  LPCWSTR accept_types[] = {L"application/json", L"application/ttml+xml", L"application/xml", nullptr};
  InternetHandle handle(WinHttpOpenRequest(connection.get(), L"GET", request.path.c_str(), nullptr, WINHTTP_NO_REFERER,
                                           accept_types, WINHTTP_FLAG_SECURE | WINHTTP_FLAG_ESCAPE_DISABLE));
  if (!handle) return nullptr;
  // A 3xx is then an answer like any other status, not a second request.
  DWORD disabled = WINHTTP_DISABLE_COOKIES | WINHTTP_DISABLE_REDIRECTS | WINHTTP_DISABLE_AUTHENTICATION;
  if (!WinHttpSetOption(handle.get(), WINHTTP_OPTION_DISABLE_FEATURE, &disabled, sizeof(disabled)) ||
      !WinHttpSendRequest(handle.get(), WINHTTP_NO_ADDITIONAL_HEADERS, 0, WINHTTP_NO_REQUEST_DATA, 0, 0, 0) ||
      !WinHttpReceiveResponse(handle.get(), nullptr)) {
    return nullptr;
  }
  DWORD status = 0;
  DWORD size = sizeof(status);
  if (!WinHttpQueryHeaders(handle.get(), WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                           WINHTTP_HEADER_NAME_BY_INDEX, &status, &size, WINHTTP_NO_HEADER_INDEX)) {
    return nullptr;
  }
  return std::make_unique<WinHttpResponse>(std::move(session), std::move(connection), std::move(handle),
                                           static_cast<int>(status));
}

}  // namespace notch
