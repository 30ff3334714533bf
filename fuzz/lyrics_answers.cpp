// The readers of the services' JSON answers. The first byte chooses the
// reader (its value modulo their number), the rest is the answer's body.
// The two search answers are read the way the workers read them: through
// RunProvider, with the body as the service's answer to the first request
// and the documents they point to answered with a fixed TTML.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "lyrics/lyricsplus_reader.h"
#include "lyrics/provider_requests.h"
#include "lyrics/providers.h"
#include "lyrics/service_envelopes.h"
#include "lyrics/unison_reader.h"
#include "sheet_invariants.h"
#include "support/fake_http_transport.h"

namespace {

using notch::lyrics::ProviderId;
using Reader = std::optional<notch::lyrics::Sheet> (*)(std::string_view body);

// In the order of the seeds' first bytes: 0 LRCLIB, 1 LyricsPlus, 2 Unison,
// 3 Better Lyrics, 4 Genius; then the search answers, 5 ISRC match "hits"
// and 6 BiniLyrics "results".
constexpr Reader kReaders[] = {notch::lyrics::ReadLrclib, notch::lyrics::ReadLyricsPlus, notch::lyrics::ReadUnison,
                               notch::lyrics::ReadBetterLyrics, notch::lyrics::ReadGenius};
constexpr ProviderId kSearches[] = {ProviderId::IsrcMatch, ProviderId::BiniLyrics};
constexpr std::size_t kChoices = std::size(kReaders) + std::size(kSearches);

const notch::lyrics::ServiceSettings kServices{L"fuzz@example.org", {}};

void RunSearch(ProviderId id, std::string_view body) {
  const notch::LyricsQuery query{L"Title", L"Artist", L"Album", 200};
  const auto first = notch::lyrics::FirstRequest(query, id, kServices);
  const auto* request = std::get_if<notch::lyrics::ProviderRequest>(&first);
  notch::fuzzing::Require(request != nullptr);
  notch::testing::FakeHttpTransport transport;
  transport.Script(request->host, request->path, {200, {}, std::string(body)});
  notch::ManualClock clock;
  const notch::lyrics::ProviderResult result = notch::lyrics::RunProvider({transport, clock}, query, id, kServices);
  if (result.sheet) notch::fuzzing::CheckSheet(*result.sheet);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::size_t choice = data[0] % kChoices;
  const std::string_view body(reinterpret_cast<const char*>(data) + 1, size - 1);
  if (choice < std::size(kReaders)) {
    notch::fuzzing::CheckSheet(kReaders[choice](body));
  } else {
    RunSearch(kSearches[choice - std::size(kReaders)], body);
  }
  return 0;
}
