#pragma once
// One attempt at one lyrics service for one track: its requests, and what its
// answers mean for the cascade.
#include <cstdint>
#include <string_view>

#include "common/clock.h"
#include "lyrics/http_client.h"
#include "lyrics/http_transport.h"
#include "lyrics/lyrics_query.h"
#include "lyrics/lyrics_sheet.h"
#include "lyrics/provider_requests.h"
#include "lyrics/provider_table.h"

namespace notch::lyrics {

// answered: the service gave its final word for this query, possibly that it
// has no lyrics. Not answered: ask again later, after retry_after seconds.
struct ProviderResult {
  SharedSheet sheet;
  std::uint64_t retry_after = 0;
  bool answered = false;
};

// What a provider sends its requests through.
struct HttpClient {
  HttpTransport& transport;
  const Clock& clock;  // times the body's deadline

  HttpResult Get(const ProviderRequest& request) const;
};

// Never throws: a failure while asking or reading counts as not answered.
ProviderResult RunProvider(const HttpClient& http, const LyricsQuery& query, ProviderId id,
                           const ServiceSettings& services);

}  // namespace notch::lyrics
