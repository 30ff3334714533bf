#pragma once
// Arithmetic typed into the search box: "+ - * / %" and parentheses over
// decimal numbers, answered as text.
#include <optional>
#include <string>
#include <string_view>

namespace notch::quick {

inline constexpr std::size_t kMinCalculationChars = 3;
inline constexpr std::size_t kMaxCalculationChars = 512;

// The value of a trimmed query that is a calculation, or nothing (not one,
// malformed, division by zero, or not a finite number).
std::optional<double> EvaluateCalculation(std::wstring_view trimmed);

// Whole numbers below 10^15 as integers, anything else as "%.6g".
std::wstring FormatCalculation(double value);
void AssignCalculation(std::wstring& out, double value);

// Both steps: the answer's text, or nothing.
std::optional<std::wstring> Calculate(std::wstring_view trimmed);
// The same into `answer`, whose buffer is reused; false for no answer.
bool Calculate(std::wstring_view trimmed, std::wstring& answer);

}  // namespace notch::quick
