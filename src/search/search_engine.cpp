#include "search/search_engine.h"

#include <thread>
#include <unordered_set>

#include "common/text.h"
#include "search/disk_walk.h"
#include "search/file_matches.h"
#include "search/index_roots.h"
#include "search/query_rows.h"
#include "search/search_text.h"
#include "search/walk_rules.h"
#include "search/web_shortcuts.h"
#include "search/windows_search_command.h"

namespace notch::quick {

void RunDetached(std::function<void()> task) { std::thread(std::move(task)).detach(); }
void RunInline(std::function<void()> task) { task(); }

SearchEngine::SearchEngine(const SearchSources& sources, const Clock& clock, TaskRunner run_task)
    : sources_(sources), clock_(clock), run_task_(std::move(run_task)), folders_(sources.Folders()) {}

void SearchEngine::EnsureIndexes() {
  AppIndexState expected = AppIndexState::NotBuilt;
  if (app_state_.compare_exchange_strong(expected, AppIndexState::Building)) run_task_([this] { BuildApps(); });

  bool building = false;
  if (file_building_.compare_exchange_strong(building, true)) {
    if (FileIndexDue()) {
      run_task_([this] { BuildFiles(); });
    } else {
      file_building_.store(false);
    }
  }
}

bool SearchEngine::FileIndexDue() const {
  if (!file_built_once_.load()) return true;
  return clock_.TickMs() - file_finished_tick_.load() >= kFileIndexRefreshMs;
}

void SearchEngine::BuildApps() {
  std::vector<AppEntry> apps = BuildAppIndex(sources_.Disk(), folders_, sources_.AppPaths());
  {
    std::lock_guard lock(app_mutex_);
    apps_ = std::move(apps);
  }
  app_state_.store(AppIndexState::Built);
}

void SearchEngine::BuildFiles() {
  auto arena = std::make_shared<FileArena>();
  const std::wstring lower_profile = FolderKey(folders_.profile);
  const std::atomic<bool> never_cancelled{false};
  WalkDisk(sources_.Disk(), FileIndexRoots(folders_), kFileIndexWalk, clock_, never_cancelled,
           [&](const WalkedEntry& entry) {
             arena->Add(entry.path, entry.is_folder, RankBonus(entry.lower_path, lower_profile, entry.is_folder));
           });
  arena->ShrinkToFit();
  {
    std::lock_guard lock(file_mutex_);
    files_ = std::move(arena);
  }
  file_finished_tick_.store(clock_.TickMs());
  file_built_once_.store(true);
  file_building_.store(false);
}

std::shared_ptr<const FileArena> SearchEngine::FileIndex() const {
  std::lock_guard lock(file_mutex_);
  return files_;
}

std::span<const SearchResult> SearchEngine::BuildResults(std::wstring_view query, std::wstring_view browser_label,
                                                         std::wstring_view fallback_setting) {
  if (app_state_.load() == AppIndexState::NotBuilt) EnsureIndexes();
  rows_.Clear();
  const std::wstring_view trimmed = Trim(query);
  if (trimmed.empty()) {
    AddEmptyQueryRows(rows_, browser_label);
    return rows_.rows();
  }
  AssignLower(lower_query_, trimmed);

  const std::optional<ShortcutQuery> shortcut = ReadShortcutQuery(trimmed);
  const bool searches_web = shortcut && !shortcut->text.empty();
  if (shortcut) AddShortcutRow(rows_, *shortcut, browser_label);
  AddLinkRow(rows_, trimmed, browser_label);
  // The typed path is left out of the file matches, compared in lower case.
  excluded_.clear();
  if (const SearchResult* path = AddPathRow(rows_, trimmed, sources_.Disk())) {
    AssignLower(lower_path_, path->target);
    AppendUtf8(excluded_, lower_path_);
  }
  AddCalculationRow(rows_, trimmed);
  AddSettingsMatches(rows_, lower_query_);
  {
    std::lock_guard lock(app_mutex_);
    AddAppMatches(rows_, apps_, lower_query_);
  }
  if (CodePointCount(trimmed) >= kMinFileQueryChars && !searches_web) {
    if (const std::shared_ptr<const FileArena> files = FileIndex()) {
      file_query_.Assign(lower_query_);
      file_scorer_.Restart();
      AddFileMatches(rows_, *files, file_scorer_, excluded_, folders_.profile);
    }
  }
  if (!searches_web) AddWebFallbackRow(rows_, trimmed, browser_label, fallback_setting);
  rows_.Rank();
  return rows_.rows();
}

std::vector<SearchResult> SearchEngine::DeepFileSearch(std::wstring_view query, const std::atomic<bool>& cancel) const {
  const std::wstring_view trimmed = Trim(query);
  if (CodePointCount(trimmed) < kMinFileQueryChars || cancel.load()) return {};
  const std::optional<ShortcutQuery> shortcut = ReadShortcutQuery(trimmed);
  if (shortcut && !shortcut->text.empty()) return {};
  const std::wstring lower = ToLower(trimmed);
  const FileQuery file_query(lower);
  const FileSystem& disk = sources_.Disk();

  std::vector<SearchResult> rows;
  std::unordered_set<std::wstring> seen;
  const auto offer = [&](const std::wstring& path, const std::wstring& lower_path, bool is_folder) {
    const int score = ScorePath(lower_path, 0, file_query);
    if (score >= 0) rows.push_back(FileRow(path, is_folder, score, folders_.profile));
  };

  for (const std::wstring& path : sources_.QueryWindowsSearch(WindowsSearchCommand(lower))) {
    if (cancel.load()) return {};
    if (path.empty()) continue;
    std::wstring lower_path = ToLower(path);
    if (HasSkippedPathPart(lower_path) || seen.count(lower_path) != 0) continue;
    const std::optional<PathKind> kind = disk.Probe(path);
    if (!kind) continue;
    offer(path, lower_path, *kind == PathKind::Folder);
    seen.insert(std::move(lower_path));
  }
  if (cancel.load()) return {};
  WalkDisk(disk, FileIndexRoots(folders_), kLiveWalk, clock_, cancel, [&](const WalkedEntry& entry) {
    if (seen.insert(entry.lower_path).second) offer(entry.path, entry.lower_path, entry.is_folder);
  });
  if (cancel.load()) return {};
  RankResults(rows);
  if (rows.size() > kMaxDeepRows) rows.resize(kMaxDeepRows);
  return rows;
}

}  // namespace notch::quick
