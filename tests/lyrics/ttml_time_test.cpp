#include "lyrics/ttml_time.h"

#include <gtest/gtest.h>

namespace notch::lyrics {
namespace {

TEST(TtmlTimeTest, EveryFormReadsToMilliseconds) {
  const std::pair<const char*, std::int32_t> cases[] = {{"1:02.5", 62500},
                                                        {"00:01:02.250", 62250},
                                                        {"62.25s", 62250},
                                                        {"1500ms", 1500},
                                                        {"0ms", 0},
                                                        {"12345678ms", 12345678},
                                                        {"3s", 3000},
                                                        {"1:02", 62000},
                                                        {"1:02.1239", 62123},
                                                        {"24:00:00", 86400000},
                                                        {"1440:00", 86400000},
                                                        {"86400s", 86400000},
                                                        {"00000001:00.0", 60000},
                                                        {"0:59.999", 59999},
                                                        {"23:59:59.999", 86399999}};
  for (const auto& [text, ms] : cases) EXPECT_EQ(ReadTtmlTime(text), ms) << text;
}

TEST(TtmlTimeTest, BareSecondsReadLikeTheSecondsForm) {
  const std::pair<const char*, std::int32_t> cases[] = {
      {"1.078", 1078},      {"0", 0},      {"59.9", 59900},      {"86400", 86400000},   {"7.05", 7050},
      {"12.500000", 12500}, {"0.0009", 0}, {"3.99999999", 3999}, {"00000042.25", 42250}};
  for (const auto& [text, ms] : cases) EXPECT_EQ(ReadTtmlTime(text), ms) << text;
  for (const char* text : {"86400.001", "123456789", "1.", ".5", "1.5x", "-1", "+1", "1e3", " 1.0", "1.0 ", "000000001",
                           "1..5", "1.5.", "1.2a", "\xEF\xBC\x91"}) {
    EXPECT_FALSE(ReadTtmlTime(text)) << text;
  }
}

TEST(TtmlTimeTest, MalformedOrOutOfRangeIsInvalid) {
  for (const char* text : {"",           "ms",          "s",           "1:60",       "1:02:60", "25:00:00", "1:60:00",
                           "1441:00",    "1440:00.001", "123456789ms", "1.5ms",      "1:2:3:4", ":30",      "1:",
                           "1:02.",      "1:02.x",      "12:3a",       "86400.5s",   "1:02s",   "a1s",      "1h",
                           "100000000s", "1.5:02",      ":",           "1:02:03.5.6"}) {
    EXPECT_FALSE(ReadTtmlTime(text)) << text;
  }
}

}  // namespace
}  // namespace notch::lyrics
