// The readers of the services' JSON answers. The first byte chooses the
// reader (its value modulo their number), the rest is the answer's body.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "lyrics/lyricsplus_reader.h"
#include "lyrics/service_envelopes.h"
#include "lyrics/unison_reader.h"
#include "sheet_invariants.h"

namespace {

using Reader = std::optional<notch::lyrics::Sheet> (*)(std::string_view body);

// In the order of the seeds' first bytes: 0 LRCLIB, 1 LyricsPlus, 2 Unison,
// 3 Better Lyrics, 4 Genius.
constexpr Reader kReaders[] = {notch::lyrics::ReadLrclib, notch::lyrics::ReadLyricsPlus, notch::lyrics::ReadUnison,
                               notch::lyrics::ReadBetterLyrics, notch::lyrics::ReadGenius};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const Reader read = kReaders[data[0] % std::size(kReaders)];
  notch::fuzzing::CheckSheet(read(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1)));
  return 0;
}
