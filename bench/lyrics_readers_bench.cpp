// Reading a 1000-line lyrics document in each of the formats that carry
// timings: the work a lyrics worker does for every answer it gets. The TTML
// and LyricsPlus reads are timed against the bare parse of the same document
// by the library each reader builds on.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <nlohmann/json.hpp>
#include <rapidxml/rapidxml.hpp>
#include <string>
#include <vector>

#include "baseline_ratio.h"
#include "lyrics/lrc_reader.h"
#include "lyrics/lyricsplus_reader.h"
#include "lyrics/ttml_reader.h"

namespace notch::lyrics {
namespace {

constexpr int kLines = 1000;
constexpr int kWordsPerLine = 6;
constexpr int kLineMs = 3000;
constexpr int kWordMs = kLineMs / kWordsPerLine;

std::string Clock(int ms) {
  char text[32];
  std::snprintf(text, sizeof(text), "%02d:%02d.%02d", ms / 60000, ms / 1000 % 60, ms % 1000 / 10);
  return text;
}

std::string WordText(int line, int word) { return "word" + std::to_string(line % 97) + "x" + std::to_string(word); }

std::wstring LrcDocument() {
  std::string lrc = "[ti:Benchmark]\n[offset:+120]\n";
  for (int line = 0; line < kLines; ++line) {
    lrc += "[" + Clock(line * kLineMs) + "]";
    for (int word = 0; word < kWordsPerLine; ++word) lrc += WordText(line, word) + " ";
    lrc += "\n";
  }
  return std::wstring(lrc.begin(), lrc.end());
}

std::string TtmlDocument() {
  std::string ttml =
      "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<tt xmlns=\"http://www.w3.org/ns/ttml\" "
      "xmlns:ttm=\"http://www.w3.org/ns/ttml#metadata\"><body><div>\n";
  for (int line = 0; line < kLines; ++line) {
    const int start = line * kLineMs;
    ttml += "<p begin=\"" + std::to_string(start / 1000.0) + "\" end=\"" + std::to_string((start + kLineMs) / 1000.0) +
            "\">";
    for (int word = 0; word < kWordsPerLine; ++word) {
      const int word_start = start + word * kWordMs;
      ttml += "<span begin=\"" + std::to_string(word_start / 1000.0) + "\" end=\"" +
              std::to_string((word_start + kWordMs) / 1000.0) + "\">" + WordText(line, word) + "</span> ";
    }
    ttml += "</p>\n";
  }
  return ttml + "</div></body></tt>\n";
}

std::string LyricsPlusAnswer() {
  nlohmann::json lines = nlohmann::json::array();
  for (int line = 0; line < kLines; ++line) {
    const int start = line * kLineMs;
    nlohmann::json syllables = nlohmann::json::array();
    std::string text;
    for (int word = 0; word < kWordsPerLine; ++word) {
      const std::string syllable = WordText(line, word) + " ";
      syllables.push_back({{"time", start + word * kWordMs}, {"duration", kWordMs}, {"text", syllable}});
      text += syllable;
    }
    lines.push_back({{"time", start}, {"duration", kLineMs}, {"text", text}, {"syllabus", syllables}});
  }
  return nlohmann::json{{"type", "Word"}, {"lyrics", lines}}.dump();
}

// A generator that went wrong would make the benchmark time a rejection.
bool ReadsAllLines(benchmark::State& state, const std::optional<Sheet>& sheet) {
  if (sheet && sheet->lines.size() == kLines) return true;
  state.SkipWithError("the generated document does not read as 1000 lines");
  return false;
}

void ReadLrc1000Lines(benchmark::State& state) {
  const std::wstring document = LrcDocument();
  if (!ReadsAllLines(state, ReadLrc(document, {}))) return;
  for (auto _ : state) benchmark::DoNotOptimize(ReadLrc(document, {}));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * document.size()));
}
BENCHMARK(ReadLrc1000Lines);

void ReadWordTimedTtml1000Lines(benchmark::State& state) {
  const std::string document = TtmlDocument();
  if (!ReadsAllLines(state, ReadTtml(document, std::nullopt))) return;
  // RapidXml parses in place: each run parses a fresh copy, as the reader does.
  std::vector<char> buffer(document.size() + 1);
  notch::bench::TimeAgainstBaseline(
      state, [&] { benchmark::DoNotOptimize(ReadTtml(document, std::nullopt)); },
      [&] {
        std::copy(document.begin(), document.end(), buffer.begin());
        buffer.back() = '\0';
        const auto parsed = std::make_unique<rapidxml::xml_document<char>>();
        parsed->parse<0>(buffer.data());
        benchmark::DoNotOptimize(parsed->first_node());
      });
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * document.size()));
}
BENCHMARK(ReadWordTimedTtml1000Lines)->UseManualTime();

void ReadLyricsPlus1000Lines(benchmark::State& state) {
  const std::string answer = LyricsPlusAnswer();
  if (!ReadsAllLines(state, ReadLyricsPlus(answer))) return;
  notch::bench::TimeAgainstBaseline(
      state, [&] { benchmark::DoNotOptimize(ReadLyricsPlus(answer)); },
      [&] { benchmark::DoNotOptimize(nlohmann::json::parse(answer)); });
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * answer.size()));
}
BENCHMARK(ReadLyricsPlus1000Lines)->UseManualTime();

}  // namespace
}  // namespace notch::lyrics
