#include "lyrics/http_client.h"

#include <gtest/gtest.h>

#include "support/fake_http_transport.h"

namespace notch {
namespace {

using testing::FakeHttpAnswer;

constexpr wchar_t kHost[] = L"lyrics.example";
constexpr wchar_t kPath[] = L"/get?track=A%20B";

class HttpClientTest : public ::testing::Test {
 protected:
  HttpResult Get(FakeHttpAnswer answer) {
    transport_.Script(kHost, kPath, std::move(answer));
    return HttpsGet(transport_, clock_, kHost, kPath, 1800, L"");
  }

  static FakeHttpAnswer Status(int status) {
    FakeHttpAnswer answer;
    answer.status = status;
    answer.body = "not read";
    return answer;
  }

  static FakeHttpAnswer Body(std::string body) {
    FakeHttpAnswer answer;
    answer.body = std::move(body);
    return answer;
  }

  ManualClock clock_{1000};
  testing::FakeHttpTransport transport_{&clock_};
};

TEST_F(HttpClientTest, CompleteBodyIsContent) {
  const HttpResult result = Get(Body("{\"ok\":true}"));
  EXPECT_TRUE(result.answered);
  EXPECT_EQ(result.body, "{\"ok\":true}");
  EXPECT_EQ(result.retry_after, 0u);
}

TEST_F(HttpClientTest, EmptyBodyIsADefiniteAbsence) {
  const HttpResult result = Get(Body(""));
  EXPECT_TRUE(result.answered);
  EXPECT_TRUE(result.body.empty());
}

TEST_F(HttpClientTest, NotFoundAndRefusalsAreFinalAnswersWithoutBody) {
  for (const int status : {401, 403, 404}) {
    const HttpResult result = Get(Status(status));
    EXPECT_TRUE(result.answered) << status;
    EXPECT_TRUE(result.body.empty()) << status;
    EXPECT_EQ(result.retry_after, 0u) << status;
  }
}

TEST_F(HttpClientTest, OtherStatusesAndRedirectsMeanTryAgainLater) {
  for (const int status : {500, 503, 301, 302, 204, 400}) {
    const HttpResult result = Get(Status(status));
    EXPECT_FALSE(result.answered) << status;
    EXPECT_TRUE(result.body.empty()) << status;
    EXPECT_EQ(result.retry_after, 0u) << status;
  }
}

TEST_F(HttpClientTest, TooManyRequestsCarriesRetryAfterOrSixty) {
  FakeHttpAnswer limited = Status(429);
  EXPECT_EQ(Get(limited).retry_after, 60u);
  EXPECT_FALSE(Get(limited).answered);
  limited.retry_after = L"5";
  EXPECT_EQ(Get(limited).retry_after, 5u);
  EXPECT_FALSE(Get(limited).answered);
}

TEST_F(HttpClientTest, RetryAfterMustBeAPlainNumberThatFitsThirtyTwoBits) {
  EXPECT_EQ(RetryAfterSeconds(std::wstring(L" 120 ")), 120u);
  EXPECT_EQ(RetryAfterSeconds(std::wstring(L"0")), 0u);
  EXPECT_EQ(RetryAfterSeconds(std::wstring(L"4294967295")), 4294967295u);
  for (const wchar_t* text : {L"", L"4294967296", L"Wed, 21 Oct 2015 07:28:00 GMT", L"-5", L"5s", L"1.5"}) {
    EXPECT_EQ(RetryAfterSeconds(std::wstring(text)), 60u) << text;
  }
  EXPECT_EQ(RetryAfterSeconds(std::nullopt), 60u);
}

TEST_F(HttpClientTest, UnreachableServerIsNotAnswered) {
  const HttpResult result = HttpsGet(transport_, clock_, L"elsewhere.example", kPath, 1800, L"");
  EXPECT_FALSE(result.answered);
  EXPECT_TRUE(result.body.empty());
}

TEST_F(HttpClientTest, BodyOfExactlyTheCapIsKeptAndOneByteMoreDiscardsEverything) {
  const HttpResult at_cap = Get(Body(std::string(kHttpBodyCapBytes, 'x')));
  EXPECT_TRUE(at_cap.answered);
  EXPECT_EQ(at_cap.body.size(), kHttpBodyCapBytes);

  const HttpResult over = Get(Body(std::string(kHttpBodyCapBytes + 1, 'x')));
  EXPECT_FALSE(over.answered);
  EXPECT_TRUE(over.body.empty());
}

TEST_F(HttpClientTest, ReadsAskForFourKilobytesAtATime) {
  FakeHttpAnswer answer = Body(std::string(10000, 'y'));
  answer.bytes_per_read = 1 << 20;  // more than the buffer: the buffer size is what limits a read
  answer.ms_per_read = 1;
  const double before = clock_.NowMs();
  EXPECT_EQ(Get(answer).body.size(), 10000u);
  EXPECT_EQ(clock_.NowMs() - before, 4);  // 4096 + 4096 + 1808, then the end
}

TEST_F(HttpClientTest, TricklingBodyPastTheDeadlineFailsThoughEveryReadIsQuick) {
  FakeHttpAnswer trickle = Body("0123456789");
  trickle.bytes_per_read = 1;
  trickle.ms_per_read = 500;
  const HttpResult result = Get(trickle);
  EXPECT_FALSE(result.answered);
  EXPECT_TRUE(result.body.empty());
}

TEST_F(HttpClientTest, BodyThatEndsJustBeforeTheDeadlineIsKept) {
  FakeHttpAnswer slow = Body("0123456");
  slow.bytes_per_read = 1;
  slow.ms_per_read = 499;  // the seventh piece arrives at 3493 ms, the end at 3992 ms
  const HttpResult result = Get(slow);
  EXPECT_TRUE(result.answered);
  EXPECT_EQ(result.body, "0123456");
}

TEST_F(HttpClientTest, ReadErrorDiscardsThePartialBody) {
  FakeHttpAnswer broken = Body("partial");
  broken.read_error = true;
  const HttpResult result = Get(broken);
  EXPECT_FALSE(result.answered);
  EXPECT_TRUE(result.body.empty());
}

TEST_F(HttpClientTest, RequestCarriesHostPathTimeoutAndUserAgent) {
  Get(Body("x"));
  HttpsGet(transport_, clock_, kHost, kPath, 1700, L"me@example.org");
  const std::vector<HttpRequest> requests = transport_.requests();
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(requests[0].host, kHost);
  EXPECT_EQ(requests[0].path, kPath);
  EXPECT_EQ(requests[0].receive_timeout_ms, 1800u);
  EXPECT_EQ(requests[0].user_agent, L"Tembo Notch v1.2.4 (https://github.com/tembo-notch/tembo-notch)");
  EXPECT_EQ(requests[1].receive_timeout_ms, 1700u);
  EXPECT_EQ(requests[1].user_agent, L"Tembo Notch v1.2.4 (https://github.com/tembo-notch/tembo-notch; me@example.org)");
}

}  // namespace
}  // namespace notch
