#pragma once
// How well a candidate text matches a query, both already lower case: -1 for
// no match, otherwise higher is better (1800 for equal texts). Positions and
// lengths count code points, so wide text and the file index's UTF-8 score
// alike. Never allocates, so it can run over every file of the index on each
// keystroke.
#include <cstdint>
#include <string_view>

namespace notch::quick {

inline constexpr int kNoMatch = -1;

int FuzzyScore(std::wstring_view candidate, std::wstring_view query);

// The better of the scores of a file name and of its stem (its first
// `stem_length` bytes), found in one pass over the name. Without
// `with_scattered`, a text that does not contain the query counts as no
// match: for callers that know such a score (at most MaxScatteredScore)
// would be of no use.
int NameFuzzyScore(std::string_view name, std::size_t stem_length, std::string_view query, bool with_scattered = true);
// The highest score scattered letters can give for a query of that many
// code points.
int MaxScatteredScore(std::size_t query_length);

// A bit per kind of byte a UTF-8 text holds (each ASCII letter, digits,
// other ASCII, non-ASCII). A text can only match a query whose classes it
// has all of; file names keep theirs so that most of them are turned away
// without being read.
std::uint32_t ByteClasses(std::string_view utf8);

}  // namespace notch::quick
