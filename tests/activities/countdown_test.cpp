#include "activities/countdown.h"

#include <gtest/gtest.h>

namespace notch {
namespace {

TEST(CountdownTest, RemainingTimeShowsRoundedUpToTheSecond) {
  EXPECT_EQ(FormatCountdown(59'200.0), L"1:00");
  EXPECT_EQ(FormatCountdown(500.0), L"0:01");
  EXPECT_EQ(FormatCountdown(60'000.4), L"1:00");  // a timer's late millisecond adds no second
  EXPECT_EQ(FormatCountdown(0.0), L"0:00");
  EXPECT_EQ(FormatCountdown(-30.0), L"0:00");
  EXPECT_EQ(FormatCountdown(3'599'500.0), L"1:00:00");
  EXPECT_EQ(FormatCountdown(36'000'000.0), L"10:00:00");
}

}  // namespace
}  // namespace notch
