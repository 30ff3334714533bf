// Calculations typed into Quick Search: any text must give an answer or
// nothing, never a crash, and an answer is never empty.
#include "search/calculator.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "common/text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::wstring text = notch::Utf8ToWide(std::string_view(reinterpret_cast<const char*>(data), size));
  const std::optional<std::wstring> answer = notch::quick::Calculate(text);
  if (answer && answer->empty()) std::abort();
  return 0;
}
