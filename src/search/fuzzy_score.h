#pragma once
// How well a candidate text matches a query, both already lower case: -1 for
// no match, otherwise higher is better (1800 for equal texts). Works in place
// on UTF-8 or on wide text and never allocates, so it can run over every file
// of the index on each keystroke.
#include <string_view>

namespace notch::quick {

inline constexpr int kNoMatch = -1;

int FuzzyScore(std::string_view candidate, std::string_view query);
int FuzzyScore(std::wstring_view candidate, std::wstring_view query);

// Whether the query's code units appear in the candidate in order. A cheap
// test that every match of FuzzyScore passes.
bool IsSubsequence(std::string_view query, std::string_view candidate);

}  // namespace notch::quick
