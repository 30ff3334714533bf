#pragma once
// Sends the lyrics services' requests to the server that plays them on this
// machine (tests/win/lyrics_services_server.py), through the transport the
// program uses. The service's host becomes the first path segment, so that
// the server knows which service is asked.
#include <cstdint>
#include <memory>

#include "lyrics/http_transport.h"

namespace notch::testing {

class LoopbackServicesTransport final : public HttpTransport {
 public:
  LoopbackServicesTransport(HttpTransport& transport, std::uint16_t port) : transport_(transport), port_(port) {}

  std::unique_ptr<HttpResponse> Send(const HttpRequest& request) override {
    HttpRequest local = request;
    local.host = L"localhost";  // the name the server's certificate is for
    local.port = port_;
    local.path = L"/" + request.host + request.path;
    return transport_.Send(local);
  }

 private:
  HttpTransport& transport_;
  std::uint16_t port_;
};

}  // namespace notch::testing
