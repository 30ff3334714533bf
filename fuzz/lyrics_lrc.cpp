// The LRC reader: the input up to its first NUL byte is the synced text, the
// rest the plain text.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "common/text.h"
#include "lyrics/lrc_reader.h"
#include "sheet_invariants.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t split = input.find('\0');
  const std::string_view synced = input.substr(0, split);
  const std::string_view plain = split == std::string_view::npos ? std::string_view() : input.substr(split + 1);
  notch::fuzzing::CheckSheet(notch::lyrics::ReadLrc(notch::Utf8ToWide(synced), notch::Utf8ToWide(plain)));
  return 0;
}
