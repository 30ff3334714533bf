// HttpsGet through real WinHTTP. There is no outside network here, so the
// tests reach only the local machine, where nothing serves HTTPS.
#include <windows.h>

#include <gtest/gtest.h>

#include "common/clock.h"
#include "lyrics/http_client.h"
#include "lyrics/http_transport_winhttp_win.h"

namespace notch {
namespace {

// Resolve, connect, send and receive limits and the body deadline: the most
// one call may block.
constexpr std::uint64_t kLongestCallMs = 2000 + 2500 + 2500 + 1800 + 4000;

TEST(WinHttpTransportTest, UnreachableHostIsNotAnsweredWithinTheClientsLimits) {
  WinHttpTransport transport;
  const std::uint64_t started = GetTickCount64();
  const HttpResult result = HttpsGet(transport, SystemClock(), L"127.0.0.1", L"/api/get?track_name=x", 1800, L"");
  EXPECT_LT(GetTickCount64() - started, kLongestCallMs);
  EXPECT_FALSE(result.answered);
  EXPECT_TRUE(result.body.empty());
  EXPECT_EQ(result.retry_after, 0u);
}

TEST(WinHttpTransportTest, RefusedConnectionGivesNoResponse) {
  WinHttpTransport transport;
  const HttpRequest request{L"localhost", L"/", HttpUserAgent(L"me@example.org"), 1700};
  EXPECT_EQ(transport.Send(request), nullptr);
}

}  // namespace
}  // namespace notch
