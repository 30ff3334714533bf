#include "host/start_with_windows.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "common/text.h"

namespace notch {
namespace {

class FakeRunKey final : public RunKey {
 public:
  std::optional<std::wstring> value;
  bool writes_fail = false;
  bool deletes_fail = false;

  std::optional<std::size_t> ValueBytes() const override {
    if (!value) return std::nullopt;
    return (value->size() + 1) * 2;
  }
  bool Write(std::wstring_view text) override {
    if (writes_fail) return false;
    value = std::wstring(text);
    return true;
  }
  bool Delete() override {
    if (deletes_fail) return false;
    value.reset();
    return true;
  }
};

const std::wstring kExecutable = L"C:\\Program Files\\Tembo\\TemboNotch.exe";

TEST(StartWithWindowsTest, OnWritesTheQuotedPathAndOffRemovesIt) {
  FakeRunKey run_key;
  EXPECT_FALSE(StartWithWindowsEnabled(run_key));
  EXPECT_TRUE(SetStartWithWindows(run_key, true, kExecutable));
  EXPECT_EQ(run_key.value, L"\"" + kExecutable + L"\"");
  EXPECT_TRUE(StartWithWindowsEnabled(run_key));
  EXPECT_TRUE(SetStartWithWindows(run_key, false, kExecutable));
  EXPECT_FALSE(run_key.value.has_value());
  EXPECT_FALSE(StartWithWindowsEnabled(run_key));
}

TEST(StartWithWindowsTest, AnEmptyValueDoesNotCount) {
  FakeRunKey run_key;
  run_key.value = L"";
  EXPECT_FALSE(StartWithWindowsEnabled(run_key));
  run_key.value = L"x";
  EXPECT_TRUE(StartWithWindowsEnabled(run_key));
}

TEST(StartWithWindowsTest, QuotedPathAndTerminatorMustFit260Characters) {
  EXPECT_EQ(RunValueForExecutable(std::wstring(257, L'a')), L"\"" + std::wstring(257, L'a') + L"\"");
  EXPECT_EQ(RunValueForExecutable(std::wstring(258, L'a')), std::nullopt);
  EXPECT_EQ(RunValueForExecutable(L""), std::nullopt);
  // The limit counts UTF-16 units: a character outside the BMP takes two.
  std::wstring fits(255, L'a');
  AppendCodePoint(fits, U'\U0001F600');
  EXPECT_TRUE(RunValueForExecutable(fits).has_value());
  std::wstring too_long(256, L'a');
  AppendCodePoint(too_long, U'\U0001F600');
  EXPECT_EQ(RunValueForExecutable(too_long), std::nullopt);
}

TEST(StartWithWindowsTest, FailuresAreReported) {
  FakeRunKey run_key;
  EXPECT_FALSE(SetStartWithWindows(run_key, true, std::wstring(258, L'a')));
  EXPECT_FALSE(SetStartWithWindows(run_key, true, L""));
  EXPECT_FALSE(run_key.value.has_value());
  run_key.writes_fail = true;
  EXPECT_FALSE(SetStartWithWindows(run_key, true, kExecutable));
  run_key.value = L"\"old\"";
  run_key.deletes_fail = true;
  EXPECT_FALSE(SetStartWithWindows(run_key, false, kExecutable));
}

}  // namespace
}  // namespace notch
