#pragma once
// The fixtures under tests/data, read whole.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "common/file_io.h"

namespace notch::testing {

// `relative` uses backslashes, e.g. L"lyrics\\word-timed.ttml".
inline std::string ReadTestData(std::wstring_view relative) {
  const std::optional<std::string> bytes =
      ReadFileBytes(PathFromWide(std::wstring(NOTCH_TEST_DATA_DIR) + L"\\" + std::wstring(relative)));
  EXPECT_TRUE(bytes) << "missing fixture";
  return bytes.value_or(std::string());
}

}  // namespace notch::testing
