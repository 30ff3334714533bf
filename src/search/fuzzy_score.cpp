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
constexpr std::size_t kNowhere = std::string_view::npos;

// NextCodePoint with the common ASCII case inline: this runs for every
// character of every file name scanned.
inline char32_t NextChar(std::string_view text, std::size_t& index) {
  const auto byte = static_cast<unsigned char>(text[index]);
  if (byte < 0x80) {
    ++index;
    return byte;
  }
  return NextCodePoint(text, index);
}
inline char32_t NextChar(std::wstring_view text, std::size_t& index) { return NextCodePoint(text, index); }

// IsWordCharacter with the ASCII case inline, for the same reason.
inline bool IsWordChar(char32_t c) {
  if (c < 0x80) return (c >= U'a' && c <= U'z') || (c >= U'0' && c <= U'9') || (c >= U'A' && c <= U'Z');
  return IsWordCharacter(c);
}

template <typename Char>
int Length(std::basic_string_view<Char> text, std::size_t end = kNowhere) {
  return static_cast<int>(CodePointCount(text.substr(0, end)));
}

// Where the query occurs in a text: first anywhere, first right after a space.
struct Occurrences {
  std::size_t first = kNowhere;
  std::size_t after_space = kNowhere;

  template <typename Char>
  void Note(std::basic_string_view<Char> text, std::size_t at) {
    if (first == kNowhere) first = at;
    if (after_space == kNowhere && at > 0 && text[at - 1] == Char(' ')) after_space = at;
  }
};

template <typename Char>
int SubstringScore(std::basic_string_view<Char> text, const Occurrences& found) {
  if (found.first == kNowhere) return kNoMatch;
  if (found.first == 0) return kPrefixScore - std::min(Length(text), 60);
  if (found.after_space != kNowhere) return kWordStartScore - Length(text, found.after_space);
  return kInfixScore - 2 * Length(text, found.first);
}

// The query's letters spread over the text's words ("vs" in "visual
// studio"): the most word starts that any in-order matching lands on, at
// the end of the text and at `boundary` (the end of a name's stem); -1 where
// there is no matching. Taking the best matching rather than the first keeps
// an initial later in the text from being lost to an earlier letter inside a
// word.
struct Initials {
  int at_boundary = -1;
  int at_end = -1;
};

template <typename Char>
Initials ScatteredInitials(std::basic_string_view<Char> text, std::basic_string_view<Char> query,
                           std::size_t boundary) {
  std::array<char32_t, kMaxScatteredQuery> wanted{};
  std::size_t m = 0;
  for (std::size_t i = 0; i < query.size(); ++m) {
    if (m == kMaxScatteredQuery) return {};
    wanted[m] = NextChar(query, i);
    if (wanted[m] == U'\\' || wanted[m] == U'/') return {};
  }
  // most[j]: the most word starts among matchings of the first j letters.
  std::array<int, kMaxScatteredQuery + 1> most;
  most.fill(-1);
  most[0] = 0;
  Initials initials;
  bool previous_is_word = false;
  for (std::size_t i = 0; i < text.size();) {
    if (i == boundary) initials.at_boundary = most[m];
    const char32_t c = NextChar(text, i);
    const bool is_word = IsWordChar(c);
    if (is_word && std::find(wanted.begin(), wanted.begin() + m, c) != wanted.begin() + m) {
      const int initial = previous_is_word ? 0 : 1;
      for (std::size_t j = m; j-- > 0;) {
        if (most[j] >= 0 && wanted[j] == c) most[j + 1] = std::max(most[j + 1], most[j] + initial);
      }
    }
    previous_is_word = is_word;
  }
  if (boundary >= text.size()) initials.at_boundary = most[m];
  initials.at_end = most[m];
  const int needed = std::min(static_cast<int>(m), 2);
  if (initials.at_boundary < needed) initials.at_boundary = -1;
  if (initials.at_end < needed) initials.at_end = -1;
  return initials;
}

template <typename Char>
int ScatteredScore(int initials, std::basic_string_view<Char> text) {
  return initials < 0 ? kNoMatch : 25 * initials - std::min(Length(text), 50) + 600;
}

int WideScore(std::wstring_view candidate, std::wstring_view query) {
  if (candidate.empty() || query.empty()) return kNoMatch;
  if (candidate == query) return kEqualScore;
  Occurrences found;
  for (std::size_t at = candidate.find(query); at != kNowhere && found.after_space == kNowhere;
       at = candidate.find(query, at + 1)) {
    found.Note(candidate, at);
  }
  if (found.first != kNowhere) return SubstringScore(candidate, found);
  return ScatteredScore(ScatteredInitials(candidate, query, candidate.size()).at_end, candidate);
}

// Whether the query's bytes appear in the candidate in order: true of every
// scattered match.
bool IsSubsequence(std::string_view query, std::string_view candidate) {
  std::size_t from = 0;
  for (const char c : query) {
    from = candidate.find(c, from);
    if (from == kNowhere) return false;
    ++from;
  }
  return true;
}

}  // namespace

int FuzzyScore(std::wstring_view candidate, std::wstring_view query) { return WideScore(candidate, query); }

int MaxScatteredScore(std::size_t query_length) {
  return query_length > kMaxScatteredQuery ? kNoMatch : 25 * static_cast<int>(query_length) - 1 + 600;
}

int NameFuzzyScore(std::string_view name, std::size_t stem_length, std::string_view query, bool with_scattered) {
  if (name.empty() || query.empty()) return kNoMatch;
  const std::string_view stem = name.substr(0, stem_length);
  if (name == query || stem == query) return kEqualScore;

  // One scan of the name finds the stem's occurrences too: those that end
  // before the extension.
  Occurrences in_name;
  Occurrences in_stem;
  for (std::size_t at = name.find(query); at != kNowhere; at = name.find(query, at + 1)) {
    const bool within_stem = at + query.size() <= stem.size();
    in_name.Note(name, at);
    if (within_stem) in_stem.Note(name, at);
    if (at == 0) break;  // a prefix of both: nothing scores higher
    if (in_name.after_space != kNowhere && (in_stem.after_space != kNowhere || !within_stem)) break;
  }
  const int name_score = SubstringScore(name, in_name);
  int stem_score = stem.empty() ? kNoMatch : SubstringScore(stem, in_stem);
  // Scattered letters are a subsequence of the name (the stem is its start).
  if (!with_scattered || (name_score == kNoMatch && !IsSubsequence(query, name))) {
    return std::max(name_score, stem_score);
  }
  if (stem_score == kNoMatch && !stem.empty()) {
    // A text without the query in it scores by its scattered initials.
    const Initials initials = ScatteredInitials(name_score == kNoMatch ? name : stem, query, stem.size());
    stem_score = ScatteredScore(initials.at_boundary, stem);
    if (name_score == kNoMatch) return std::max(stem_score, ScatteredScore(initials.at_end, name));
  } else if (name_score == kNoMatch) {
    return ScatteredScore(ScatteredInitials(name, query, name.size()).at_end, name);
  }
  return std::max(name_score, stem_score);
}

std::uint32_t ByteClasses(std::string_view utf8) {
  std::uint32_t classes = 0;
  for (const char c : utf8) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 'a' && byte <= 'z') {
      classes |= 1u << (byte - 'a');
    } else if (byte >= '0' && byte <= '9') {
      classes |= 1u << 26;
    } else {
      classes |= byte >= 0x80 ? 1u << 27 : 1u << 28;
    }
  }
  return classes;
}

}  // namespace notch::quick
