#pragma once
// The file index: one immutable snapshot of up to 18,000 paths kept in two
// flat UTF-8 arenas (lower case for matching, as displayed for the row) with
// one small fixed record per entry, so that it stays compact and a search
// scans it without allocating.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace notch::quick {

inline constexpr std::size_t kMaxIndexedFiles = 18000;

// One entry as stored. Lower-casing keeps UTF-8 byte lengths (search_text.h),
// so one offset and one set of lengths address the path in both arenas.
struct FileRecord {
  std::uint32_t offset = 0;
  std::uint16_t path_length = 0;  // bytes
  std::uint16_t name_start = 0;   // bytes from the path's start to its file name
  std::uint16_t stem_length = 0;  // bytes of the name up to its last dot
  std::int16_t bonus = 0;
  bool is_folder = false;
  std::uint32_t name_classes = 0;  // ByteClasses of the lower-case name
  std::uint16_t folder = 0;        // the same number for the entries of one folder in a row
};

// An entry read back; the views point into the arena.
struct FileEntry {
  std::string_view path;
  std::string_view lower_path;
  std::string_view lower_name;
  std::string_view lower_stem;
  int bonus = 0;
  bool is_folder = false;
  std::uint32_t name_classes = 0;
  std::uint32_t folder = 0;
};

class FileArena {
 public:
  FileArena();

  // Adds a path (false once the arena holds kMaxIndexedFiles entries, or for
  // a path too long for a record).
  bool Add(std::wstring_view path, bool is_folder, int bonus);
  // Gives back the spare room reserved for the build.
  void ShrinkToFit();

  std::size_t size() const { return records_.size(); }
  // The fixed record alone, for a scan that turns most entries away by it.
  const FileRecord& Record(std::size_t index) const { return records_[index]; }
  // Inline: a search reads every entry.
  FileEntry Entry(std::size_t index) const {
    const FileRecord& record = records_[index];
    const std::string_view lower = std::string_view(lower_).substr(record.offset, record.path_length);
    const std::string_view name = lower.substr(record.name_start);
    return FileEntry{std::string_view(display_).substr(record.offset, record.path_length),
                     lower,
                     name,
                     name.substr(0, record.stem_length),
                     record.bonus,
                     record.is_folder,
                     record.name_classes,
                     record.folder};
  }

  std::size_t ArenaBytes() const { return display_.size(); }

 private:
  std::string lower_;
  std::string display_;
  std::vector<FileRecord> records_;
};

}  // namespace notch::quick
