#include "search/calculator.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string>

#include "search/search_text.h"

namespace notch::quick {
namespace {

constexpr double kWholeTolerance = 1e-9;
constexpr double kWholeLimit = 1e15;

bool IsOperator(wchar_t c) { return std::wstring_view(L"+-*/%()").find(c) != std::wstring_view::npos; }
bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

// Recursive descent over the grammar
//   expression = term { ("+" | "-") term }
//   term       = factor { ("*" | "/" | "%") factor }
//   factor     = "-" factor | "+" factor | "(" expression ")" | number
// Any failure poisons the whole evaluation; the input is at most 512
// characters, which bounds the recursion.
class Parser {
 public:
  explicit Parser(std::wstring_view text) : text_(text) {}

  std::optional<double> Run() {
    const double value = Expression();
    SkipSpace();
    if (failed_ || at_ != text_.size()) return std::nullopt;
    return value;
  }

 private:
  void SkipSpace() {
    while (at_ < text_.size() && IsWhiteSpace(static_cast<char32_t>(text_[at_]))) ++at_;
  }

  bool Accept(wchar_t c) {
    SkipSpace();
    if (at_ < text_.size() && text_[at_] == c) {
      ++at_;
      return true;
    }
    return false;
  }

  double Fail() {
    failed_ = true;
    return 0.0;
  }

  double Expression() {
    double value = Term();
    while (!failed_) {
      if (Accept(L'+')) {
        value += Term();
      } else if (Accept(L'-')) {
        value -= Term();
      } else {
        break;
      }
    }
    return value;
  }

  double Term() {
    double value = Factor();
    while (!failed_) {
      if (Accept(L'*')) {
        value *= Factor();
      } else if (Accept(L'/')) {
        const double divisor = Factor();
        if (divisor == 0.0) return Fail();
        value /= divisor;
      } else if (Accept(L'%')) {
        const double divisor = Factor();
        if (divisor == 0.0) return Fail();
        value = std::fmod(value, divisor);
      } else {
        break;
      }
    }
    return value;
  }

  double Factor() {
    if (failed_) return 0.0;
    if (Accept(L'-')) return -Factor();
    if (Accept(L'+')) return Factor();
    if (Accept(L'(')) {
      const double value = Expression();
      if (!Accept(L')')) return Fail();
      return value;
    }
    return Number();
  }

  double Number() {
    SkipSpace();
    // A query is at most kMaxCalculationChars long, and so is any number in it.
    std::array<char, kMaxCalculationChars> digits;
    std::size_t length = 0;
    bool seen_dot = false;
    bool seen_digit = false;
    for (; at_ < text_.size(); ++at_) {
      const wchar_t c = text_[at_];
      if (IsDigit(c)) {
        seen_digit = true;
      } else if (c == L'.' && !seen_dot) {
        seen_dot = true;
      } else {
        break;
      }
      digits[length++] = static_cast<char>(c);
    }
    if (!seen_digit) return Fail();
    double value = 0.0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + length, value);
    if (error != std::errc() || end != digits.data() + length) return Fail();
    return value;
  }

  std::wstring_view text_;
  std::size_t at_ = 0;
  bool failed_ = false;
};

bool LooksLikeCalculation(std::wstring_view text) {
  if (text.size() < kMinCalculationChars || text.size() > kMaxCalculationChars) return false;
  bool has_operator = false;
  for (const wchar_t c : text) {
    if (IsOperator(c)) {
      has_operator = true;
    } else if (!IsDigit(c) && c != L'.' && !IsWhiteSpace(static_cast<char32_t>(c))) {
      return false;
    }
  }
  return has_operator;
}

}  // namespace

std::optional<double> EvaluateCalculation(std::wstring_view trimmed) {
  if (!LooksLikeCalculation(trimmed)) return std::nullopt;
  const std::optional<double> value = Parser(trimmed).Run();
  if (!value || !std::isfinite(*value)) return std::nullopt;
  return value;
}

std::wstring FormatCalculation(double value) {
  std::wstring text;
  AssignCalculation(text, value);
  return text;
}

void AssignCalculation(std::wstring& out, double value) {
  out.clear();
  char buffer[32];
  std::to_chars_result written{};
  const double whole = std::round(value);
  if (std::fabs(value) < kWholeLimit && std::fabs(value - whole) <= kWholeTolerance) {
    written = std::to_chars(buffer, buffer + sizeof buffer, static_cast<long long>(whole));
  } else {
    written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6);
  }
  if (written.ec != std::errc()) return;
  // Char by char: appending the narrow range would build a wide copy first.
  for (const char* c = buffer; c != written.ptr; ++c) out.push_back(static_cast<wchar_t>(*c));
}

std::optional<std::wstring> Calculate(std::wstring_view trimmed) {
  std::wstring answer;
  if (!Calculate(trimmed, answer)) return std::nullopt;
  return answer;
}

bool Calculate(std::wstring_view trimmed, std::wstring& answer) {
  const std::optional<double> value = EvaluateCalculation(trimmed);
  if (!value) return false;
  AssignCalculation(answer, *value);
  return true;
}

}  // namespace notch::quick
