#include "search/fuzzy_score.h"

#include <algorithm>
#include <array>

#include "common/text.h"
#include "search/search_text.h"

namespace notch::quick {
namespace {

constexpr int kEqualScore = 1800;
constexpr int kPrefixScore = 1450;
constexpr int kWordStartScore = 1201;
constexpr int kInfixScore = 950;
constexpr std::size_t kMaxScatteredQuery = 8;

template <typename Char>
int CodePointsBefore(std::basic_string_view<Char> text, std::size_t end) {
  return static_cast<int>(CodePointCount(text.substr(0, end)));
}

// The query's letters spread over the candidate's words ("vs" in "visual
// studio"). Among all ways to match them in order, the one that lands on the
// most word starts counts, so that an initial later in the text is not lost
// to an earlier letter inside a word.
template <typename Char>
int ScatteredScore(std::basic_string_view<Char> candidate, std::basic_string_view<Char> query, int length) {
  std::array<char32_t, kMaxScatteredQuery> wanted{};
  std::size_t m = 0;
  for (std::size_t i = 0; i < query.size(); ++m) {
    if (m == kMaxScatteredQuery) return kNoMatch;
    wanted[m] = NextCodePoint(query, i);
    if (wanted[m] == U'\\' || wanted[m] == U'/') return kNoMatch;
  }
  // most_initials[j]: the most word starts among matchings of the first j
  // query letters so far; -1 while no such matching exists.
  std::array<int, kMaxScatteredQuery + 1> most_initials;
  most_initials.fill(-1);
  most_initials[0] = 0;
  bool previous_is_word = false;
  for (std::size_t i = 0; i < candidate.size();) {
    const char32_t c = NextCodePoint(candidate, i);
    const bool is_word = IsWordCharacter(c);
    if (is_word) {
      const int initial = previous_is_word ? 0 : 1;
      for (std::size_t j = m; j-- > 0;) {
        if (most_initials[j] >= 0 && wanted[j] == c) {
          most_initials[j + 1] = std::max(most_initials[j + 1], most_initials[j] + initial);
        }
      }
    }
    previous_is_word = is_word;
  }
  const int initials = most_initials[m];
  if (initials < std::min(static_cast<int>(m), 2)) return kNoMatch;
  return 25 * initials - std::min(length, 50) + 600;
}

template <typename Char>
int Score(std::basic_string_view<Char> candidate, std::basic_string_view<Char> query) {
  if (candidate.empty() || query.empty()) return kNoMatch;
  if (candidate == query) return kEqualScore;
  const int length = static_cast<int>(CodePointCount(candidate));
  if (candidate.starts_with(query)) return kPrefixScore - std::min(length, 60);
  const std::size_t first = candidate.find(query);
  if (first != std::basic_string_view<Char>::npos) {
    for (std::size_t at = first; at != std::basic_string_view<Char>::npos; at = candidate.find(query, at + 1)) {
      if (candidate[at - 1] == Char(' ')) return kWordStartScore - CodePointsBefore(candidate, at);
    }
    return kInfixScore - 2 * CodePointsBefore(candidate, first);
  }
  return ScatteredScore(candidate, query, length);
}

}  // namespace

int FuzzyScore(std::string_view candidate, std::string_view query) { return Score(candidate, query); }
int FuzzyScore(std::wstring_view candidate, std::wstring_view query) { return Score(candidate, query); }

bool IsSubsequence(std::string_view query, std::string_view candidate) {
  std::size_t next = 0;
  for (const char c : candidate) {
    if (next < query.size() && query[next] == c) ++next;
  }
  return next == query.size();
}

}  // namespace notch::quick
