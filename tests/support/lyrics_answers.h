#pragma once
// Answers of the lyrics services for provider and worker tests: one of each
// kind of sheet, the lists the two-step services search with, and where a
// provider's answer for a query goes.
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <variant>

#include "lyrics/provider_requests.h"
#include "support/fake_http_transport.h"

namespace notch::testing {

inline FakeHttpAnswer Ok(std::string body) {
  FakeHttpAnswer answer;
  answer.body = std::move(body);
  return answer;
}

inline FakeHttpAnswer WithStatus(int status, std::optional<std::wstring> retry_after = std::nullopt) {
  FakeHttpAnswer answer;
  answer.status = status;
  answer.retry_after = std::move(retry_after);
  return answer;
}

inline std::string LineTimedTtml() {
  return R"(<tt xmlns="http://www.w3.org/ns/ttml"><body><p begin="1" end="2">la la</p></body></tt>)";
}

inline std::string WordTimedTtml() {
  return R"(<tt xmlns="http://www.w3.org/ns/ttml"><body><p begin="1" end="2">)"
         R"(<span begin="1" end="1.5">la</span> <span begin="1.5" end="2">la</span></p></body></tt>)";
}

inline std::string LrclibAnswer(std::string_view synced, std::string_view plain) {
  return nlohmann::json{{"syncedLyrics", synced}, {"plainLyrics", plain}}.dump();
}

inline std::string PlainLrclibAnswer() { return LrclibAnswer("", "la la"); }
inline std::string LineTimedLrclibAnswer() { return LrclibAnswer("[00:01.00]la la", ""); }

inline std::string BetterLyricsAnswer(const std::string& ttml) { return nlohmann::json{{"ttml", ttml}}.dump(); }

inline std::string HitsAnswer(nlohmann::json hit) {
  return nlohmann::json{{"hits", nlohmann::json::array({std::move(hit)})}}.dump();
}

inline std::string ResultsAnswer(std::string_view lyrics_url) {
  return nlohmann::json{{"results", nlohmann::json::array({{{"lyricsUrl", lyrics_url}}})}}.dump();
}

inline constexpr wchar_t kTestContact[] = L"me@example.org";
inline constexpr wchar_t kTestGeniusProxy[] = L"genius-proxy.example.org";
// The services as the tests set them up: with a contact and a Genius proxy.
inline const lyrics::ServiceSettings kTestServices{kTestContact, kTestGeniusProxy};

// Scripts the answer to the first request the provider sends for `query`.
inline void AnswerFirstRequest(FakeHttpTransport& transport, lyrics::ProviderId id, const LyricsQuery& query,
                               FakeHttpAnswer answer) {
  const auto request = std::get<lyrics::ProviderRequest>(lyrics::FirstRequest(query, id, kTestServices));
  transport.Script(request.host, request.path, std::move(answer));
}

inline int RequestsTo(const FakeHttpTransport& transport, lyrics::ProviderId id) {
  int count = 0;
  for (const HttpRequest& request : transport.requests())
    count += request.host == lyrics::ServiceHost(id, kTestServices);
  return count;
}

}  // namespace notch::testing
