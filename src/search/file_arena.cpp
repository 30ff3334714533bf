#include "search/file_arena.h"

#include <limits>

#include "common/text.h"
#include "search/fuzzy_score.h"
#include "search/search_text.h"

namespace notch::quick {
namespace {

constexpr std::size_t kReservedArenaBytes = 720000;
constexpr std::size_t kReservedRecords = 8192;
constexpr std::size_t kMaxPathBytes = std::numeric_limits<std::uint16_t>::max();

}  // namespace

FileArena::FileArena() {
  lower_.reserve(kReservedArenaBytes);
  display_.reserve(kReservedArenaBytes);
  records_.reserve(kReservedRecords);
}

bool FileArena::Add(std::wstring_view path, bool is_folder, int bonus) {
  if (records_.size() >= kMaxIndexedFiles) return false;
  const std::string display = WideToUtf8(path);
  const std::string lower = WideToUtf8(ToLower(path));
  if (display.size() > kMaxPathBytes || lower.size() != display.size() ||
      display_.size() > std::numeric_limits<std::uint32_t>::max() - display.size()) {
    return false;
  }
  const std::size_t name_start = display.find_last_of("\\/") + 1;  // npos + 1 is 0
  const std::size_t dot = display.rfind('.');
  const std::size_t stem_end = (dot == std::string::npos || dot < name_start) ? display.size() : dot;

  FileRecord record;
  record.offset = static_cast<std::uint32_t>(display_.size());
  record.path_length = static_cast<std::uint16_t>(display.size());
  record.name_start = static_cast<std::uint16_t>(name_start);
  record.stem_length = static_cast<std::uint16_t>(stem_end - name_start);
  record.bonus = static_cast<std::int16_t>(bonus);
  record.is_folder = is_folder;
  record.name_classes = ByteClasses(std::string_view(lower).substr(name_start));
  if (!records_.empty()) {
    const FileRecord& previous = records_.back();
    const std::string_view previous_folder = std::string_view(display_).substr(previous.offset, previous.name_start);
    const bool same_folder = previous_folder == std::string_view(display).substr(0, name_start);
    record.folder = static_cast<std::uint16_t>(previous.folder + (same_folder ? 0 : 1));
  }
  display_ += display;
  lower_ += lower;
  records_.push_back(record);
  return true;
}

void FileArena::ShrinkToFit() {
  lower_.shrink_to_fit();
  display_.shrink_to_fit();
  records_.shrink_to_fit();
}

}  // namespace notch::quick
