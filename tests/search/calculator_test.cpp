#include "search/calculator.h"

#include <gtest/gtest.h>

namespace notch::quick {
namespace {

std::wstring Answer(std::wstring_view query) { return Calculate(query).value_or(L"<none>"); }

TEST(CalculatorTest, AnswersArithmetic) {
  EXPECT_EQ(Answer(L"2+2"), L"4");
  EXPECT_EQ(Answer(L"10/4"), L"2.5");
  EXPECT_EQ(Answer(L"1/3"), L"0.333333");
  EXPECT_EQ(Answer(L"2*(3+4)"), L"14");
  EXPECT_EQ(Answer(L" 2 * ( 3 + 4 ) - 1 "), L"13");
  EXPECT_EQ(Answer(L"2+3*4"), L"14");  // precedence
  EXPECT_EQ(Answer(L"10-4-3"), L"3");  // left to right
  EXPECT_EQ(Answer(L"7%3"), L"1");
  EXPECT_EQ(Answer(L"5.5%2"), L"1.5");
  EXPECT_EQ(Answer(L"-7%3"), L"-1");  // the remainder keeps the dividend's sign
  EXPECT_EQ(Answer(L"-12"), L"-12");
  EXPECT_EQ(Answer(L"--3+1"), L"4");
  EXPECT_EQ(Answer(L"+.5*4"), L"2");
  EXPECT_EQ(Answer(L"3.+1"), L"4");
}

TEST(CalculatorTest, RefusesWhatIsNotACalculation) {
  EXPECT_EQ(Answer(L"(1+2"), L"<none>");
  EXPECT_EQ(Answer(L"1+2)"), L"<none>");
  EXPECT_EQ(Answer(L"5/0"), L"<none>");
  EXPECT_EQ(Answer(L"5%0"), L"<none>");
  EXPECT_EQ(Answer(L"5/(1-1)"), L"<none>");
  EXPECT_EQ(Answer(L"12"), L"<none>");     // no operator
  EXPECT_EQ(Answer(L"1e5+1"), L"<none>");  // letters
  EXPECT_EQ(Answer(L"-1"), L"<none>");     // shorter than 3
  EXPECT_EQ(Answer(L"1.2.3+1"), L"<none>");
  EXPECT_EQ(Answer(L"1 2+3"), L"<none>");
  EXPECT_EQ(Answer(L"2*"), L"<none>");
  EXPECT_EQ(Answer(L"()+1"), L"<none>");
  EXPECT_EQ(Answer(L". + 1"), L"<none>");
  EXPECT_EQ(Answer(L"1+" + std::wstring(510, L'1')), L"<none>");   // a number beyond double's range
  EXPECT_EQ(Answer(L"1+1" + std::wstring(510, L' ')), L"<none>");  // 513 characters
}

TEST(CalculatorTest, NonFiniteResultsGiveNoAnswer) {
  const std::wstring huge = L"1" + std::wstring(200, L'0');
  EXPECT_EQ(Answer(huge + L"*" + huge), L"<none>");
}

TEST(CalculatorTest, AcceptsDeepNestingUpToTheLengthLimit) {
  const std::wstring nested = std::wstring(254, L'(') + L"1" + std::wstring(254, L')') + L"+1";
  ASSERT_LE(nested.size(), kMaxCalculationChars);
  EXPECT_EQ(Answer(nested), L"2");
}

TEST(CalculatorTest, FormatsWholeNumbersExactlyAndOthersWithSixDigits) {
  EXPECT_EQ(FormatCalculation(0.1 + 0.2), L"0.3");
  EXPECT_EQ(FormatCalculation(2.0000000001), L"2");
  EXPECT_EQ(FormatCalculation(-0.0), L"0");
  EXPECT_EQ(FormatCalculation(-42.0), L"-42");
  EXPECT_EQ(FormatCalculation(999999999999999.0), L"999999999999999");
  EXPECT_EQ(FormatCalculation(1e15), L"1e+15");
  EXPECT_EQ(FormatCalculation(123456.7), L"123457");
  EXPECT_EQ(FormatCalculation(0.000012345678), L"1.23457e-05");
  EXPECT_EQ(Answer(L"1/3*3"), L"1");
}

}  // namespace
}  // namespace notch::quick
