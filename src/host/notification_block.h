#pragma once
// A Windows notification handed from the listener to the main thread; the
// receiver owns it once the post succeeded.
#include <array>
#include <string>

namespace notch {

struct NotificationBlock {
  enum Index { kAppName = 0, kTitle = 1, kBody = 2, kAppUserModelId = 3 };
  std::array<std::wstring, 4> strings;
};

}  // namespace notch
