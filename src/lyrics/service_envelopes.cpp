#include "lyrics/service_envelopes.h"

#include "lyrics/json_members.h"
#include "lyrics/line_text.h"
#include "lyrics/lrc_reader.h"
#include "lyrics/provider_table.h"
#include "lyrics/ttml_reader.h"

namespace notch::lyrics {

std::optional<Sheet> ReadLrclib(std::string_view body) {
  const std::optional<nlohmann::json> answer = ParseJsonObject(body);
  if (!answer || IsTrue(*answer, "instrumental")) return std::nullopt;
  return ReadLrc(StringMember(*answer, "syncedLyrics"), StringMember(*answer, "plainLyrics"));
}

std::optional<Sheet> ReadBetterLyrics(std::string_view body) {
  const std::optional<nlohmann::json> answer = ParseJsonObject(body);
  if (!answer) return std::nullopt;
  return ReadTtml(Utf8StringMember(*answer, "ttml"),
                  Credit{L"Better Lyrics", std::wstring(ProviderSite(ProviderId::BetterLyrics)), {}, {}});
}

std::optional<Sheet> ReadGenius(std::string_view body) {
  const std::optional<nlohmann::json> answer = ParseJsonObject(body);
  if (!answer) return std::nullopt;
  Sheet sheet;
  sheet.plain = ReadPlainLines(StringMember(*answer, "lyrics"), Headings::Drop);
  if (sheet.plain.empty()) return std::nullopt;
  sheet.credit = Credit{L"Genius", std::wstring(ProviderSite(ProviderId::Genius)), {}, {}};
  return sheet;
}

}  // namespace notch::lyrics
