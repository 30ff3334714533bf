// The TTML reader on any bytes, as a service might send them.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "lyrics/ttml_reader.h"
#include "sheet_invariants.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view body(reinterpret_cast<const char*>(data), size);
  notch::fuzzing::CheckSheet(notch::lyrics::ReadTtml(body, std::nullopt));
  return 0;
}
