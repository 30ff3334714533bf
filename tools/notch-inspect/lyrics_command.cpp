// notch-inspect lyrics FORMAT FILE
#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <ostream>

#include "command.h"
#include "common/file_io.h"
#include "common/text.h"
#include "common/text_file.h"
#include "lyrics/lrc_reader.h"
#include "lyrics/lyricsplus_reader.h"
#include "lyrics/service_envelopes.h"
#include "lyrics/ttml_reader.h"
#include "lyrics/unison_reader.h"

namespace notch::inspect {
namespace {

using lyrics::Sheet;

constexpr char kHelp[] =
    "usage: notch-inspect lyrics FORMAT FILE\n"
    "\n"
    "Reads FILE with the lyrics reader for FORMAT and prints the resulting sheet\n"
    "as JSON. FORMAT is one of:\n"
    "\n"
    "  lrc           LRC synced text (no plain-text fallback)\n"
    "  ttml          a TTML document (no credit)\n"
    "  lrclib        an LRCLIB answer\n"
    "  lyricsplus    a LyricsPlus answer\n"
    "  unison        a Unison answer\n"
    "  betterlyrics  a Better Lyrics answer (its \"ttml\" member)\n"
    "  genius        a Genius proxy answer (its \"lyrics\" member)\n"
    "\n"
    "lrc and ttml files are text files as Windows programs write them (UTF-8,\n"
    "UTF-8 or UTF-16LE with a byte order mark); the answers are read as the\n"
    "bytes a service sends.\n"
    "\n"
    "Output: null when the reader gives no sheet, else an object:\n"
    "\n"
    "  kind     \"None\", \"Plain\", \"LineSynced\" or \"WordSynced\"\n"
    "  lines    the timed lines, sorted by start: {start, end, text, words},\n"
    "           times in ms (end 0 when the source gives none), words as\n"
    "           {start, end, offset, length, text}; offset and length count\n"
    "           wide characters of the line's text (UTF-16 units on Windows,\n"
    "           code points here)\n"
    "  plain    the untimed lines (texts)\n"
    "  credit   {source_name, source_link, contributor_name, contributor_link}\n"
    "           or null\n";

struct Format {
  const char* name;
  std::optional<Sheet> (*read)(const std::string& bytes);
};

const Format kFormats[] = {
    {"lrc", [](const std::string& bytes) { return lyrics::ReadLrc(DecodeTextFile(bytes).text, {}); }},
    {"ttml",
     [](const std::string& bytes) { return lyrics::ReadTtml(WideToUtf8(DecodeTextFile(bytes).text), std::nullopt); }},
    {"lrclib", [](const std::string& bytes) { return lyrics::ReadLrclib(bytes); }},
    {"lyricsplus", [](const std::string& bytes) { return lyrics::ReadLyricsPlus(bytes); }},
    {"unison", [](const std::string& bytes) { return lyrics::ReadUnison(bytes); }},
    {"betterlyrics", [](const std::string& bytes) { return lyrics::ReadBetterLyrics(bytes); }},
    {"genius", [](const std::string& bytes) { return lyrics::ReadGenius(bytes); }},
};

const char* KindName(lyrics::SheetKind kind) {
  switch (kind) {
    case lyrics::SheetKind::None:
      return "None";
    case lyrics::SheetKind::Plain:
      return "Plain";
    case lyrics::SheetKind::LineSynced:
      return "LineSynced";
    case lyrics::SheetKind::WordSynced:
      return "WordSynced";
  }
  return "None";
}

nlohmann::ordered_json LineReport(const lyrics::Line& line) {
  nlohmann::ordered_json words = nlohmann::ordered_json::array();
  for (const lyrics::Word& word : line.words) {
    const std::wstring_view text = std::wstring_view(line.text).substr(
        std::min<std::size_t>(static_cast<std::size_t>(word.offset), line.text.size()),
        static_cast<std::size_t>(word.length));
    words.push_back({{"start", word.start},
                     {"end", word.end},
                     {"offset", word.offset},
                     {"length", word.length},
                     {"text", WideToUtf8(text)}});
  }
  return {{"start", line.start}, {"end", line.end}, {"text", WideToUtf8(line.text)}, {"words", std::move(words)}};
}

nlohmann::ordered_json Report(const std::optional<Sheet>& sheet) {
  if (!sheet) return nullptr;
  nlohmann::ordered_json json;
  json["kind"] = KindName(lyrics::KindOf(&*sheet));
  json["lines"] = nlohmann::ordered_json::array();
  for (const lyrics::Line& line : sheet->lines) json["lines"].push_back(LineReport(line));
  json["plain"] = nlohmann::ordered_json::array();
  for (const std::wstring& text : sheet->plain) json["plain"].push_back(WideToUtf8(text));
  json["credit"] = nullptr;
  if (const auto& credit = sheet->credit) {
    json["credit"] = {{"source_name", WideToUtf8(credit->source_name)},
                      {"source_link", WideToUtf8(credit->source_link)},
                      {"contributor_name", WideToUtf8(credit->contributor_name)},
                      {"contributor_link", WideToUtf8(credit->contributor_link)}};
  }
  return json;
}

int Run(std::span<const std::string> arguments, std::ostream& out, std::ostream& err);

}  // namespace

extern const Command kLyricsCommand;
const Command kLyricsCommand{"lyrics", "the lyrics sheet a reader makes of a file", kHelp, &Run};

namespace {

int Run(std::span<const std::string> arguments, std::ostream& out, std::ostream& err) {
  if (arguments.size() != 2) return UsageError(kLyricsCommand, err, "expected FORMAT and FILE");
  const auto format = std::find_if(std::begin(kFormats), std::end(kFormats),
                                   [&](const Format& candidate) { return arguments[0] == candidate.name; });
  if (format == std::end(kFormats)) return UsageError(kLyricsCommand, err, "unknown FORMAT '" + arguments[0] + "'");
  const std::optional<std::string> bytes = ReadFileBytes(std::filesystem::path(arguments[1]));
  if (!bytes) {
    err << "notch-inspect lyrics: cannot read " << arguments[1] << "\n";
    return 1;
  }
  out << Report(format->read(*bytes)).dump(2) << "\n";
  return 0;
}

}  // namespace
}  // namespace notch::inspect
