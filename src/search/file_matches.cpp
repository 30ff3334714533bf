#include "search/file_matches.h"

#include <algorithm>
#include <array>
#include <span>

#include "common/text.h"
#include "search/disk_walk.h"
#include "search/file_system.h"
#include "search/fuzzy_score.h"
#include "search/search_text.h"

namespace notch::quick {
namespace {

constexpr int kNameEqualsQueryScore = 1900;
constexpr int kFoundInPathScore = 420;
constexpr int kAllWordsInNameBonus = 260;
constexpr int kWholeQueryInNameBonus = 200;
constexpr std::size_t kLongFolderChars = 60;
constexpr std::wstring_view kEllipsis = L"\u2026";

bool Contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

// Whether the word's bytes occur in the text in order: true of every text
// the word scores against, whether whole or as scattered letters.
bool OccursInOrder(std::string_view word, std::string_view text) {
  std::size_t at = 0;
  for (const char c : word) {
    while (at < text.size() && text[at] != c) ++at;
    if (at == text.size()) return false;
    ++at;
  }
  return true;
}

// The length of the profile's folder key (FolderKey): the path without
// separators at its end, down to a drive's root.
std::size_t FolderKeyLength(std::wstring_view profile) {
  std::size_t length = profile.size();
  while (length > 3 && (profile[length - 1] == L'\\' || profile[length - 1] == L'/')) --length;
  return length;
}

// Whether `folder` is the profile or inside it, ignoring case. Lower-casing
// maps each code unit on its own, so the texts compare unit by unit.
bool IsInsideFolder(std::wstring_view folder, std::wstring_view profile) {
  const std::size_t length = FolderKeyLength(profile);
  if (folder.size() < length) return false;
  for (std::size_t i = 0; i < length; ++i) {
    if (ToLowerCodePoint(static_cast<char32_t>(folder[i])) != ToLowerCodePoint(static_cast<char32_t>(profile[i]))) {
      return false;
    }
  }
  return folder.size() == length || folder[length] == L'\\';
}

struct Candidate {
  int score = 0;
  std::size_t name_length = 0;
  std::size_t index = 0;
};

// Better first: higher score, then the shorter name, then the index order.
bool Better(const Candidate& a, const Candidate& b) {
  if (a.score != b.score) return a.score > b.score;
  if (a.name_length != b.name_length) return a.name_length < b.name_length;
  return a.index < b.index;
}

// The best few candidates seen so far; the heap's top is the worst of them.
class BestCandidates {
 public:
  void Offer(const Candidate& candidate) {
    if (count_ < kMaxFileRows) {
      slots_[count_++] = candidate;
      std::push_heap(slots_.begin(), slots_.begin() + count_, Better);
    } else if (Better(candidate, slots_.front())) {
      std::pop_heap(slots_.begin(), slots_.begin() + count_, Better);
      slots_[count_ - 1] = candidate;
      std::push_heap(slots_.begin(), slots_.begin() + count_, Better);
    }
  }
  // The lowest score that can still get in.
  int Floor() const { return count_ < kMaxFileRows ? FileScorer::kNoFloor : slots_.front().score; }
  // The kept candidates, best first.
  std::span<Candidate> Sorted() {
    std::sort(slots_.begin(), slots_.begin() + count_, Better);
    return {slots_.data(), count_};
  }

 private:
  std::array<Candidate, kMaxFileRows> slots_{};
  std::size_t count_ = 0;
};

}  // namespace

void FileQuery::Assign(std::wstring_view lower_query) {
  whole.clear();
  AppendUtf8(whole, lower_query);
  // White space is the same code points in UTF-8, so the words are cut from
  // the whole once it is complete.
  words.clear();
  word_classes.clear();
  const std::string_view text = whole;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size();) {
    const std::size_t at = i;
    if (i < text.size() && !IsWhiteSpace(NextCodePoint(text, i))) continue;
    if (at > start) {
      words.push_back(text.substr(start, at - start));
      word_classes.push_back(ByteClasses(words.back()));
    }
    if (at == text.size()) break;
    start = i;
  }
}

FileScorer::FileScorer(const FileQuery& query) : query_(query) { Restart(); }

void FileScorer::Restart() {
  max_scattered_.clear();
  spans_folders_.clear();
  for (const std::string_view word : query_.words) {
    max_scattered_.push_back(MaxScatteredScore(CodePointCount(word)));
    spans_folders_.push_back(word.find('\\') != std::string_view::npos);
  }
  folder_has_word_.assign(query_.words.size(), false);
  folder_ = kNoFolder;
  required_classes_ = 0;
}

void FileScorer::EnterFolder(const FileEntry& entry) {
  folder_ = entry.folder;
  required_classes_ = 0;
  const std::string_view folder = entry.lower_path.substr(0, entry.lower_path.size() - entry.lower_name.size());
  for (std::size_t w = 0; w < query_.words.size(); ++w) {
    folder_has_word_[w] = !spans_folders_[w] && Contains(folder, query_.words[w]);
    if (!spans_folders_[w] && !folder_has_word_[w]) required_classes_ |= query_.word_classes[w];
  }
}

bool FileScorer::MayHoldInName(std::size_t word, const FileEntry& entry) const {
  const std::uint32_t needed = query_.word_classes[word];
  return (entry.name_classes & needed) == needed;
}

// The better of the name's and the stem's score. Most files are turned
// away by their byte classes alone.
int FileScorer::NameScore(std::size_t word, const FileEntry& entry, bool with_scattered) const {
  if (!MayHoldInName(word, entry)) return kNoMatch;
  return NameFuzzyScore(entry.lower_name, entry.lower_stem.size(), query_.words[word], with_scattered);
}

bool FileScorer::PathContains(std::size_t word, const FileEntry& entry) {
  const std::string_view text = query_.words[word];
  // A word with a separator may span the folder and the name.
  if (spans_folders_[word]) return Contains(entry.lower_path, text);
  if (entry.folder != folder_) EnterFolder(entry);
  return folder_has_word_[word] || (MayHoldInName(word, entry) && Contains(entry.lower_name, text));
}

int FileScorer::Score(const FileEntry& entry, int floor) {
  const std::vector<std::string_view>& words = query_.words;
  if (words.empty()) return kNoMatch;
  const std::string_view name = entry.lower_name;
  const int bonus = entry.bonus;
  int score = 0;
  if (words.size() == 1) {
    // Scattered letters score at most MaxScatteredScore (a path match less
    // still): once every kept entry scores higher, working them out is
    // pointless.
    score = NameScore(0, entry, bonus + max_scattered_[0] >= floor);
    if (score < 0) return PathContains(0, entry) ? std::max(1, bonus + kFoundInPathScore) : kNoMatch;
    if (name == words.front()) score = std::max(score, kNameEqualsQueryScore);
  } else {
    // Turn the entry away cheaply when a word can be in neither its name
    // nor its folder, before scoring any of them.
    if (entry.folder != folder_) EnterFolder(entry);
    for (std::size_t w = 0; w < words.size(); ++w) {
      if (!spans_folders_[w] && !folder_has_word_[w] && !OccursInOrder(words[w], name)) return kNoMatch;
    }
    bool all_in_name = true;
    int sum = 0;
    for (std::size_t w = 0; w < words.size(); ++w) {
      int word_score = NameScore(w, entry, true);
      if (word_score < 0) {
        if (!PathContains(w, entry)) return kNoMatch;
        word_score = kFoundInPathScore;
        all_in_name = false;
      }
      sum += word_score;
    }
    score = (all_in_name ? kAllWordsInNameBonus : 0) + sum / static_cast<int>(words.size());
    if (Contains(name, query_.whole)) score += kWholeQueryInNameBonus;
    if (score < 0) return kNoMatch;
  }
  return std::max(1, bonus + score);
}

int ScorePath(std::wstring_view lower_path, int bonus, const FileQuery& query) {
  const std::string path = WideToUtf8(lower_path);
  const std::wstring_view wide_name = lower_path.substr(NameStart(lower_path));
  const std::string_view name = std::string_view(path).substr(path.size() - WideToUtf8(wide_name).size());
  FileEntry entry{path, path, name, name.substr(0, WideToUtf8(Stem(wide_name)).size()), bonus, false, ByteClasses(name),
                  0};
  return FileScorer(query).Score(entry);
}

std::wstring FolderSubtitle(std::wstring_view path, std::wstring_view profile) {
  std::wstring subtitle;
  AssignFolderSubtitle(subtitle, path, profile);
  return subtitle;
}

void AssignFolderSubtitle(std::wstring& out, std::wstring_view path, std::wstring_view profile) {
  const std::optional<std::wstring_view> parent = ParentFolder(path);
  if (!parent) {
    out.assign(path);
    return;
  }
  const std::wstring_view folder = *parent;
  if (!profile.empty() && IsInsideFolder(folder, profile)) {
    out.assign(L"~");
    out.append(folder.substr(FolderKeyLength(profile)));
    return;
  }
  if (CodePointCount(folder) <= kLongFolderChars) {
    out.assign(folder);
    return;
  }
  const std::size_t last = folder.find_last_of(L'\\');
  const std::size_t before_last = last == 0 ? std::wstring_view::npos : folder.find_last_of(L'\\', last - 1);
  const std::size_t root_end = folder.find(L'\\', folder.starts_with(L"\\\\") ? 2 : 0);
  if (before_last == std::wstring_view::npos || root_end == std::wstring_view::npos || before_last <= root_end) {
    out.assign(folder);
    return;
  }
  out.assign(folder.substr(0, root_end + 1));
  out.append(kEllipsis);
  out.append(folder.substr(before_last));
}

void FillFileRow(SearchResult& row, bool is_folder, int score, std::wstring_view profile) {
  const std::wstring_view path = row.target;
  row.kind = is_folder ? ResultKind::Folder : ResultKind::File;
  row.title.assign(path.substr(NameStart(path)));
  AssignFolderSubtitle(row.subtitle, path, profile);
  row.arguments.clear();
  row.icon = is_folder ? icon::kFolder : icon::kFile;
  row.score = score;
}

SearchResult FileRow(std::wstring_view path, bool is_folder, int score, std::wstring_view profile) {
  SearchResult row;
  row.target.assign(path);
  FillFileRow(row, is_folder, score, profile);
  return row;
}

void AddFileMatches(ResultRows& rows, const FileArena& arena, FileScorer& scorer, std::string_view excluded_lower_path,
                    std::wstring_view profile) {
  BestCandidates best;
  for (std::size_t i = 0; i < arena.size(); ++i) {
    const FileRecord& record = arena.Record(i);
    if (!scorer.InFolder(record.folder)) {
      scorer.EnterFolder(arena.Entry(i));
    }
    if (!scorer.NameClassesMayMatch(record.name_classes)) continue;
    const FileEntry entry = arena.Entry(i);
    const int score = scorer.Score(entry, best.Floor());
    if (score < 0) continue;
    if (!excluded_lower_path.empty() && entry.lower_path == excluded_lower_path) continue;
    best.Offer(Candidate{score, entry.lower_name.size(), i});
  }
  for (const Candidate& candidate : best.Sorted()) {
    const FileEntry entry = arena.Entry(candidate.index);
    SearchResult& row = rows.Add();
    AppendWide(row.target, entry.path);
    FillFileRow(row, entry.is_folder, candidate.score, profile);
  }
}

void AddFileMatches(ResultRows& rows, const FileArena& arena, const FileQuery& query,
                    std::string_view excluded_lower_path, std::wstring_view profile) {
  FileScorer scorer(query);
  AddFileMatches(rows, arena, scorer, excluded_lower_path, profile);
}

}  // namespace notch::quick
