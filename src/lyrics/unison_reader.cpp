#include "lyrics/unison_reader.h"

#include <string>

#include "lyrics/json_members.h"
#include "lyrics/lrc_reader.h"
#include "lyrics/provider_table.h"
#include "lyrics/ttml_reader.h"

namespace notch::lyrics {
namespace {

constexpr std::wstring_view kVideoIdCharacters = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789_-";
constexpr std::size_t kVideoIdLength = 11;
constexpr std::wstring_view kKeyIdCharacters = L"0123456789abcdefABCDEF";
constexpr std::size_t kKeyIdLength = 64;
constexpr std::size_t kMaxDisplayNameLength = 120;

// The identifiers become parts of web addresses, so only their own
// characters are let through.
bool IsMadeOf(std::wstring_view text, std::size_t length, std::wstring_view characters) {
  return text.size() == length && text.find_first_not_of(characters) == std::wstring_view::npos;
}

std::optional<Sheet> ReadInFormat(const nlohmann::json& data, const Credit& credit) {
  const std::string_view format = Utf8StringMember(data, "format");
  if (format == "ttml") return ReadTtml(Utf8StringMember(data, "lyrics"), credit);
  std::optional<Sheet> sheet;
  if (format == "lrc") sheet = ReadLrc(StringMember(data, "lyrics"), {});
  if (format == "plain") sheet = ReadLrc({}, StringMember(data, "lyrics"));
  if (sheet) sheet->credit = credit;
  return sheet;
}

}  // namespace

std::optional<Sheet> ReadUnison(std::string_view body) {
  const std::optional<nlohmann::json> answer = ParseJsonObject(body);
  if (!answer || !IsTrue(*answer, "success")) return std::nullopt;
  const nlohmann::json* data = ObjectMember(*answer, "data");
  const nlohmann::json* submitter = data ? ObjectMember(*data, "submitter") : nullptr;
  if (submitter == nullptr) return std::nullopt;

  const std::wstring video_id = StringMember(*data, "videoId");
  const std::wstring key_id = StringMember(*submitter, "keyId");
  const std::wstring display_name = StringMember(*submitter, "displayName");
  if (!IsMadeOf(video_id, kVideoIdLength, kVideoIdCharacters) || !IsMadeOf(key_id, kKeyIdLength, kKeyIdCharacters) ||
      display_name.empty() || display_name.size() > kMaxDisplayNameLength ||
      display_name.find(L'\0') != std::wstring::npos) {
    return std::nullopt;
  }
  const std::wstring site(ProviderSite(ProviderId::Unison));
  const Credit credit{L"Lyrics from Unison", site + L"/song/" + video_id, display_name, site + L"/curator/" + key_id};
  return ReadInFormat(*data, credit);
}

}  // namespace notch::lyrics
