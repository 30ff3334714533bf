#include "common/debug_log.h"

#include <gtest/gtest.h>

#include "support/log_capture.h"

namespace notch {
namespace {

TEST(DebugLogTest, FormatsPortablyIntoOneLine) {
  testing::LogCapture log;
  DebugLog(L"ilha: %d -> %d", 1, 6);
  DebugLog(L"fonte: %ls, \u00EDcones: %ls", L"Inter", L"Segoe MDL2 Assets");
  DebugLog(L"erro: EndDraw 0x%08X", 0x8899000Cu);
  EXPECT_EQ(log.lines(), (std::vector<std::wstring>{L"ilha: 1 -> 6", L"fonte: Inter, \u00EDcones: Segoe MDL2 Assets",
                                                    L"erro: EndDraw 0x8899000C"}));
}

TEST(DebugLogTest, TruncatesLongLinesToTheBuffer) {
  testing::LogCapture log;
  const std::wstring long_text(3000, L'x');
  DebugLog(L"notification listener: %ls", long_text.c_str());
  ASSERT_EQ(log.lines().size(), 1u);
  EXPECT_EQ(log.lines()[0].size(), kDebugLogBufferChars - 1);
  EXPECT_EQ(log.lines()[0].substr(0, 22), L"notification listener:");
}

TEST(DebugLogTest, WithoutASinkNothingIsWritten) {
  const DebugLogSink previous = SetDebugLogSink(nullptr);
  DebugLog(L"dropped %d", 1);  // must not crash
  SetDebugLogSink(previous);
  testing::LogCapture log;
  EXPECT_TRUE(log.lines().empty());
}

}  // namespace
}  // namespace notch
