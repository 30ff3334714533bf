// Any button_layout value loads as a complete layout: each of the sixteen
// buttons exactly once, at most six in the header, and the layout written
// back reads as the same layout.
#include "panel/button_layout.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "common/text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace notch;
  using namespace notch::quick;
  const std::wstring value = Utf8ToWide(std::string_view(reinterpret_cast<const char*>(data), size));
  const Layout layout = ParseLayout(value);
  if (layout.header.size() > static_cast<std::size_t>(kHeaderCapacity)) std::abort();
  std::array<int, kButtonCount> count{};
  for (const auto* list : {&layout.header, &layout.panel}) {
    for (const int button : *list) {
      if (button < 0 || button >= kButtonCount) std::abort();
      ++count[static_cast<std::size_t>(button)];
    }
  }
  for (const int c : count) {
    if (c != 1) std::abort();
  }
  if (ParseLayout(SerializeLayout(layout)) != layout) std::abort();
  if (HomeTileGrid(layout.panel).size() != layout.panel.size()) std::abort();
  return 0;
}
