// notch-inspect lyrics-plan TITLE ARTIST ALBUM DURATION [CONTACT]
#include <charconv>
#include <nlohmann/json.hpp>
#include <ostream>
#include <variant>

#include "command.h"
#include "common/text.h"
#include "lyrics/lyrics_query.h"
#include "lyrics/lyrics_workers.h"
#include "lyrics/provider_requests.h"

namespace notch::inspect {
namespace {

using lyrics::ProviderRequest;
using lyrics::RequestSkip;

constexpr char kHelp[] =
    "usage: notch-inspect lyrics-plan TITLE ARTIST ALBUM DURATION [CONTACT [GENIUS_PROXY]]\n"
    "\n"
    "Prints the first request every lyrics provider would send for the track,\n"
    "worker by worker in cascade order, without sending anything. ALBUM may be\n"
    "empty (\"\"); DURATION is in whole seconds, 0 when unknown; CONTACT stands\n"
    "for the lyrics_contact_email setting and GENIUS_PROXY for genius_proxy\n"
    "(each empty when left out).\n"
    "\n"
    "Output: a JSON array with one object per provider of each worker:\n"
    "\n"
    "  worker      1, 2 or 3\n"
    "  provider    the service's name\n"
    "\n"
    "and either the request:\n"
    "\n"
    "  host        the host asked over HTTPS\n"
    "  path        the path and query, percent-encoded as sent\n"
    "  timeout_ms  the receive time-out\n"
    "  contact     the contact address added to the user agent (\"\" for none)\n"
    "\n"
    "or, when the provider sends nothing for this track:\n"
    "\n"
    "  skip        \"title or artist is empty\", \"title, artist or album is too\n"
    "              long\", \"title or artist is not valid text\", \"no valid\n"
    "              contact address\" or \"no Genius proxy\"\n";

const char* SkipText(RequestSkip skip) {
  switch (skip) {
    case RequestSkip::UnknownProvider:
      return "unknown provider";
    case RequestSkip::MissingTitleOrArtist:
      return "title or artist is empty";
    case RequestSkip::TextTooLong:
      return "title, artist or album is too long";
    case RequestSkip::NotEncodable:
      return "title or artist is not valid text";
    case RequestSkip::NoValidContact:
      return "no valid contact address";
    case RequestSkip::NoGeniusProxy:
      return "no Genius proxy";
  }
  return "unknown provider";
}

std::optional<std::int32_t> ReadDuration(const std::string& text) {
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < 0) return std::nullopt;
  return value;
}

nlohmann::ordered_json Plan(const LyricsQuery& query, const lyrics::ServiceSettings& services) {
  nlohmann::ordered_json plan = nlohmann::ordered_json::array();
  int worker_number = 0;
  for (const lyrics::LyricsWorkerRole& worker : lyrics::LyricsWorkerRoles(services)) {
    ++worker_number;
    for (const lyrics::ProviderId id : worker.providers) {
      nlohmann::ordered_json entry{{"worker", worker_number}, {"provider", lyrics::FindProvider(id)->name}};
      const auto first = lyrics::FirstRequest(query, id, worker.services);
      if (const ProviderRequest* request = std::get_if<ProviderRequest>(&first)) {
        entry["host"] = WideToUtf8(request->host);
        entry["path"] = WideToUtf8(request->path);
        entry["timeout_ms"] = request->timeout_ms;
        entry["contact"] = WideToUtf8(request->contact);
      } else {
        entry["skip"] = SkipText(std::get<RequestSkip>(first));
      }
      plan.push_back(std::move(entry));
    }
  }
  return plan;
}

int Run(std::span<const std::string> arguments, std::ostream& out, std::ostream& err);

}  // namespace

extern const Command kLyricsPlanCommand;
const Command kLyricsPlanCommand{"lyrics-plan", "the requests the lyrics cascade would send for a track", kHelp, &Run};

namespace {

int Run(std::span<const std::string> arguments, std::ostream& out, std::ostream& err) {
  if (arguments.size() < 4 || arguments.size() > 6) {
    return UsageError(kLyricsPlanCommand, err,
                      "expected TITLE, ARTIST, ALBUM, DURATION and optionally CONTACT and GENIUS_PROXY");
  }
  const std::optional<std::int32_t> duration = ReadDuration(arguments[3]);
  if (!duration) return UsageError(kLyricsPlanCommand, err, "DURATION must be whole seconds");
  const LyricsQuery query{Utf8ToWide(arguments[0]), Utf8ToWide(arguments[1]), Utf8ToWide(arguments[2]), *duration};
  lyrics::ServiceSettings services;
  if (arguments.size() >= 5) services.contact = Utf8ToWide(arguments[4]);
  if (arguments.size() == 6) services.genius_proxy = Utf8ToWide(arguments[5]);
  out << Plan(query, services).dump(2) << "\n";
  return 0;
}

}  // namespace
}  // namespace notch::inspect
