#pragma once
// Scoring files and folders against a query, and their rows in the list.
#include <string>
#include <string_view>
#include <vector>

#include "search/file_arena.h"
#include "search/search_result.h"

namespace notch::quick {

inline constexpr std::size_t kMaxFileRows = 20;

// The lower-case query in UTF-8, whole and split at white space.
struct FileQuery {
  explicit FileQuery(std::wstring_view lower_query);
  std::string whole;
  std::vector<std::string> words;
};

// The score of one file or folder, or kNoMatch to leave it out. Names match
// through the fuzzy score; a word found only in the folders above still
// counts a little.
int ScoreFile(std::string_view lower_name, std::string_view lower_stem, std::string_view lower_path, int bonus,
              const FileQuery& query);

// The same for a wide lower-case path, its name and stem taken from it.
int ScorePath(std::wstring_view lower_path, int bonus, const FileQuery& query);

// The row of a file-system result: its name, and the folder it is in with
// "~" for the user's profile folder.
SearchResult FileRow(std::wstring_view path, bool is_folder, int score, std::wstring_view profile);

// The folder part of a row's subtitle. Inside the profile it starts with
// "~"; a long folder elsewhere keeps its drive and last two names
// ("D:\…\Projects\notch") so that the telling end is not cut off.
std::wstring FolderSubtitle(std::wstring_view path, std::wstring_view profile);

// The best kMaxFileRows entries of the index, best first (equal scores: the
// shorter name first), skipping the entry whose lower-case path is
// `excluded_lower_path`. Scans the arena in place with a bounded heap.
void AppendFileMatches(std::vector<SearchResult>& rows, const FileArena& arena, const FileQuery& query,
                       std::string_view excluded_lower_path, std::wstring_view profile);

}  // namespace notch::quick
