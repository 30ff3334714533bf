#include "lyrics/lyricsplus_reader.h"

#include <string>

#include "lyrics/json_members.h"
#include "lyrics/line_text.h"
#include "lyrics/provider_table.h"

namespace notch::lyrics {
namespace {

// A syllable may end this much after its line and still be a word: the
// services round line ends.
constexpr std::int32_t kSyllableEndSlackMs = 30;

// "lyrics", else "data" when it is a list, else "lyrics" inside "data".
const nlohmann::json* LineList(const nlohmann::json& answer) {
  if (const nlohmann::json* lyrics = ArrayMember(answer, "lyrics")) return lyrics;
  if (const nlohmann::json* data = ArrayMember(answer, "data")) return data;
  if (const nlohmann::json* data = ObjectMember(answer, "data")) return ArrayMember(*data, "lyrics");
  return nullptr;
}

const nlohmann::json* SyllableList(const nlohmann::json& element) {
  if (const nlohmann::json* syllabus = ArrayMember(element, "syllabus")) return syllabus;
  return ArrayMember(element, "words");
}

// Appends every usable syllable's text to the line and a word for each one
// that is timed within the line; true when a word was added.
bool AppendSyllables(const nlohmann::json& syllables, Line& line) {
  bool any_word = false;
  for (const nlohmann::json& syllable : syllables) {
    if (!syllable.is_object() || IsTrue(syllable, "isBackground")) continue;
    const std::wstring text = StringMember(syllable, "text");
    if (text.empty() || text.find(L'\0') != std::wstring::npos) continue;
    if (line.text.size() + text.size() > kMaxBuiltLineLength) continue;
    const std::optional<std::int32_t> start = TimeMember(syllable, "time");
    const std::optional<std::int32_t> duration = TimeMember(syllable, "duration");
    if (start && duration && *start >= line.start && *duration > 0 &&
        (line.end == 0 || line.end + kSyllableEndSlackMs >= *start + *duration) && !TrimLyricText(text).empty()) {
      line.words.push_back(Word{*start, *start + *duration, static_cast<std::int32_t>(line.text.size()),
                                static_cast<std::int32_t>(text.size())});
      any_word = true;
    }
    line.text += text;
  }
  return any_word;
}

// Lines without their own times (and every line of a "Static" answer) are
// plain text.
void ReadElement(const nlohmann::json& element, bool static_text, bool line_timing, Sheet& sheet) {
  const std::optional<std::int32_t> start = TimeMember(element, "time");
  if (!start || static_text) {
    std::wstring text = CutToLength(StringMember(element, "text"), kMaxShortLineLength);
    if (!text.empty()) sheet.plain.push_back(std::move(text));
    return;
  }
  std::int32_t end = TimeMember(element, "endTime").value_or(0);
  const std::int32_t duration = TimeMember(element, "duration").value_or(0);
  if (*start >= end && duration > 0) end = *start + duration;

  Line line{*start, {}, *start < end ? end : 0, {}};
  const nlohmann::json* syllables = SyllableList(element);
  bool any_word = false;
  if (syllables != nullptr && syllables->size() <= kMaxLyricsPlusSyllables && !line_timing) {
    any_word = AppendSyllables(*syllables, line);
  }
  if (line.text.empty() || !any_word) line.text = CutToLength(StringMember(element, "text"), kMaxShortLineLength);
  if (!line.text.empty()) sheet.lines.push_back(std::move(line));
}

}  // namespace

std::optional<Sheet> ReadLyricsPlus(std::string_view body) {
  const std::optional<nlohmann::json> answer = ParseJsonObject(body);
  if (!answer) return std::nullopt;
  const nlohmann::json* elements = LineList(*answer);
  if (elements == nullptr || elements->size() > kMaxLyricsPlusElements) return std::nullopt;

  const std::wstring type = StringMember(*answer, "type");
  const bool static_text = type == L"Static" || type == L"static";
  const bool line_timing = type == L"Line" || type == L"line";
  Sheet sheet;
  for (const nlohmann::json& element : *elements) {
    if (element.is_object()) ReadElement(element, static_text, line_timing, sheet);
  }
  if (!sheet.lines.empty()) {
    sheet.plain.clear();
    SortLinesByStart(sheet.lines);
  } else if (sheet.plain.empty()) {
    return std::nullopt;
  }
  sheet.credit = Credit{L"LyricsPlus", std::wstring(ProviderSite(ProviderId::LyricsPlus)), {}, {}};
  return sheet;
}

}  // namespace notch::lyrics
