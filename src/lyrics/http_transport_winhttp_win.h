#pragma once
// HttpTransport over WinHTTP: a session, connection and request of its own
// for every call, synchronous, with the client's fixed time limits.
#include "lyrics/http_transport.h"

namespace notch {

class WinHttpTransport final : public HttpTransport {
 public:
  std::unique_ptr<HttpResponse> Send(const HttpRequest& request) override;
};

}  // namespace notch
