#pragma once
// Scoring files and folders against a query, and their rows in the list.
#include <string>
#include <string_view>
#include <vector>

#include "search/file_arena.h"
#include "search/search_result.h"

namespace notch::quick {

inline constexpr std::size_t kMaxFileRows = 20;

// The lower-case query in UTF-8, whole and split at white space. Assign
// reads another query into the same buffers.
struct FileQuery {
  FileQuery() = default;
  explicit FileQuery(std::wstring_view lower_query) { Assign(lower_query); }
  // The words are views of `whole`: a copy would point into the original.
  FileQuery(const FileQuery&) = delete;
  FileQuery& operator=(const FileQuery&) = delete;
  void Assign(std::wstring_view lower_query);

  std::string whole;
  std::vector<std::string_view> words;
  std::vector<std::uint32_t> word_classes;  // ByteClasses of each word
};

// Scores files and folders against one query: names match through the
// fuzzy score, and a word found only in the folders above still counts a
// little. Index entries of one folder come one after another, so what was
// found in the folder part of the path is kept until the folder changes.
class FileScorer {
 public:
  explicit FileScorer(const FileQuery& query);
  // Starts over for the query's current words (after FileQuery::Assign),
  // reusing the buffers.
  void Restart();
  // The entry's score, or kNoMatch to leave it out. A caller that keeps
  // only entries scoring at least `floor` may get kNoMatch for the others.
  int Score(const FileEntry& entry, int floor = kNoFloor);
  static constexpr int kNoFloor = -1;

  // For a scan in index order: whether an entry of the folder last scored
  // (or entered) with these name classes can match at all. Most entries of
  // an index are turned away here without being read.
  bool InFolder(std::uint32_t folder) const { return folder == folder_; }
  void EnterFolder(const FileEntry& entry);
  bool NameClassesMayMatch(std::uint32_t name_classes) const {
    return (name_classes & required_classes_) == required_classes_;
  }

 private:
  bool MayHoldInName(std::size_t word, const FileEntry& entry) const;
  int NameScore(std::size_t word, const FileEntry& entry, bool with_scattered) const;
  bool PathContains(std::size_t word, const FileEntry& entry);

  const FileQuery& query_;
  std::vector<int> max_scattered_;    // per word
  std::vector<bool> spans_folders_;   // per word: holds a separator
  std::uint32_t folder_ = kNoFolder;  // FileEntry::folder of folder_has_word_
  std::vector<bool> folder_has_word_;
  // The classes every name in the folder needs: those of each word that
  // neither the folder holds nor may span folders.
  std::uint32_t required_classes_ = 0;
  static constexpr std::uint32_t kNoFolder = 0xFFFFFFFF;
};

// The score of one wide lower-case path, its name and stem taken from it.
int ScorePath(std::wstring_view lower_path, int bonus, const FileQuery& query);

// The row of a file-system result: its name, and the folder it is in with
// "~" for the user's profile folder.
SearchResult FileRow(std::wstring_view path, bool is_folder, int score, std::wstring_view profile);
// The same for a row whose target already holds the path.
void FillFileRow(SearchResult& row, bool is_folder, int score, std::wstring_view profile);

// The folder part of a row's subtitle. Inside the profile it starts with
// "~"; a long folder elsewhere keeps its drive and last two names
// ("D:\…\Projects\notch") so that the telling end is not cut off.
std::wstring FolderSubtitle(std::wstring_view path, std::wstring_view profile);
// The same into `out`, whose buffer is reused; `path` must not be a view of it.
void AssignFolderSubtitle(std::wstring& out, std::wstring_view path, std::wstring_view profile);

// Adds the best kMaxFileRows entries of the index, best first (equal scores:
// the shorter name first), skipping the entry whose lower-case path is
// `excluded_lower_path`. Scans the arena in place with a bounded heap.
void AddFileMatches(ResultRows& rows, const FileArena& arena, FileScorer& scorer, std::string_view excluded_lower_path,
                    std::wstring_view profile);
void AddFileMatches(ResultRows& rows, const FileArena& arena, const FileQuery& query,
                    std::string_view excluded_lower_path, std::wstring_view profile);

}  // namespace notch::quick
