#include "notch-driver/driver_script.h"

#include <gtest/gtest.h>

namespace notch::driver {
namespace {

using Words = std::vector<std::string>;

TEST(DriverScriptTest, SplitsWordsAndKeepsQuotedSpacesAndEscapes) {
  EXPECT_EQ(ReadStepLine("  click   panel\tback  ").words, (Words{"click", "panel", "back"}));
  EXPECT_EQ(ReadStepLine(R"(copy "Tembo Notch \"keeps\" it")").words, (Words{"copy", "Tembo Notch \"keeps\" it"}));
  // A Windows path keeps its single backslashes; only \\ and \" are escapes.
  EXPECT_EQ(ReadStepLine(R"(drop "Z:\\etc\\hostname" C:\x\y)").words,
            (Words{"drop", R"(Z:\etc\hostname)", R"(C:\x\y)"}));
  EXPECT_EQ(ReadStepLine(R"(drop "C:\new")").words, (Words{"drop", R"(C:\new)"}));
  EXPECT_EQ(ReadStepLine(R"(copy "")").words, (Words{"copy", ""}));
  EXPECT_EQ(ReadStepLine("shot 01-idle\r").words, (Words{"shot", "01-idle"}));
}

TEST(DriverScriptTest, CommentsAndBlankLinesHoldNoStep) {
  EXPECT_TRUE(ReadStepLine("").words.empty());
  EXPECT_TRUE(ReadStepLine("   # the looks").words.empty());
  EXPECT_EQ(ReadStepLine("wait 300 # settle").words, (Words{"wait", "300"}));
  EXPECT_EQ(ReadStepLine(R"(copy "a # b")").words, (Words{"copy", "a # b"}));
}

TEST(DriverScriptTest, UnclosedOrRunOnQuotesAreErrorsWithNoWords) {
  for (const char* line : {R"(copy "open)", R"(copy "a"b)", R"(copy "ends with \")"}) {
    const StepLine step = ReadStepLine(line);
    EXPECT_TRUE(step.words.empty()) << line;
    EXPECT_FALSE(step.error.empty()) << line;
  }
}

TEST(DriverScriptTest, KeyChordsInPressingOrder) {
  EXPECT_EQ(ReadKeyChord("ctrl+alt+n"), (std::vector<std::uint16_t>{0x11, 0x12, 'N'}));
  EXPECT_EQ(ReadKeyChord("Alt+Space"), (std::vector<std::uint16_t>{0x12, 0x20}));
  EXPECT_EQ(ReadKeyChord("capslock"), (std::vector<std::uint16_t>{0x14}));
  EXPECT_EQ(ReadKeyChord("f1"), (std::vector<std::uint16_t>{0x70}));
  EXPECT_EQ(ReadKeyChord("shift+f12"), (std::vector<std::uint16_t>{0x10, 0x7B}));
  EXPECT_EQ(ReadKeyChord("7"), (std::vector<std::uint16_t>{'7'}));
  for (const char* wrong : {"", "+", "ctrl+", "ctrl++n", "f0", "f13", "f-1", "hyper", "nn"}) {
    EXPECT_FALSE(ReadKeyChord(wrong).has_value()) << wrong;
  }
}

TEST(DriverScriptTest, WholeNumbersWithinTheirRange) {
  EXPECT_EQ(ReadWholeNumber("1500", 0, 600000), 1500);
  EXPECT_EQ(ReadWholeNumber("-80", -2000, 2000), -80);
  for (const char* wrong : {"", "12a", " 12", "+3", "700000", "99999999999999999999"}) {
    EXPECT_FALSE(ReadWholeNumber(wrong, 0, 600000).has_value()) << wrong;
  }
}

}  // namespace
}  // namespace notch::driver
