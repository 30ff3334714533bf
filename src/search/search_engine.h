#pragma once
// Quick Search: the app and file indexes, the instant result list for each
// keystroke and the slower deep file search.
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/clock.h"
#include "search/app_index.h"
#include "search/disk_walk.h"
#include "search/file_arena.h"
#include "search/file_matches.h"
#include "search/search_result.h"
#include "search/search_sources.h"

namespace notch::quick {

// How index builds are started: on a detached thread in the program, in
// place where a caller wants the index at once (tests, notch-inspect).
using TaskRunner = std::function<void(std::function<void()>)>;
void RunDetached(std::function<void()> task);
void RunInline(std::function<void()> task);

inline constexpr std::uint64_t kFileIndexRefreshMs = 60001;  // "at most once a minute"
inline constexpr WalkLimits kFileIndexWalk{kMaxIndexedFiles, 2000};
inline constexpr WalkLimits kLiveWalk{22000, 350};
inline constexpr std::size_t kMaxDeepRows = 20;
inline constexpr std::size_t kMinFileQueryChars = 2;

class SearchEngine {
 public:
  // Reads the sources' folders once; `sources` and `clock` must outlive the
  // engine and every build it starts.
  SearchEngine(const SearchSources& sources, const Clock& clock, TaskRunner run_task = RunDetached);

  // Starts the app index build unless it is built or being built, and a
  // file index build unless one runs or the last one finished less than
  // kFileIndexRefreshMs ago. Never waits for either.
  void EnsureIndexes();

  // The instant list for a query, best first. `browser_label` names the
  // browser in web rows; `fallback_setting` is search_web_fallback.
  // The rows are the engine's, refilled in place on each call so that a
  // keystroke allocates nothing once the buffers have grown: they stay valid
  // until the next call, and a caller that keeps them copies them. Called
  // from one thread at a time (the window's); the index builds may run
  // meanwhile.
  std::span<const SearchResult> BuildResults(std::wstring_view query, std::wstring_view browser_label,
                                             std::wstring_view fallback_setting);

  // Files and folders from the Windows Search index and a short live walk of
  // the disk, best first; nothing for queries under two characters, web
  // shortcut searches, or once `cancel` is set. Runs off the UI thread.
  std::vector<SearchResult> DeepFileSearch(std::wstring_view query, const std::atomic<bool>& cancel) const;

  // The current file index snapshot (nothing before the first build).
  std::shared_ptr<const FileArena> FileIndex() const;
  bool AppIndexBuilt() const { return app_state_.load() == AppIndexState::Built; }

 private:
  enum class AppIndexState { NotBuilt, Building, Built };

  void BuildApps();
  void BuildFiles();
  bool FileIndexDue() const;

  const SearchSources& sources_;
  const Clock& clock_;
  TaskRunner run_task_;
  const SearchFolders folders_;

  std::atomic<AppIndexState> app_state_{AppIndexState::NotBuilt};
  mutable std::mutex app_mutex_;
  std::vector<AppEntry> apps_;

  std::atomic<bool> file_building_{false};
  std::atomic<bool> file_built_once_{false};
  std::atomic<std::uint64_t> file_finished_tick_{0};
  mutable std::mutex file_mutex_;
  std::shared_ptr<const FileArena> files_;

  // BuildResults' rows and scratch, kept from one keystroke to the next.
  ResultRows rows_;
  std::wstring lower_query_;
  std::wstring lower_path_;
  std::string excluded_;
  FileQuery file_query_;
  FileScorer file_scorer_{file_query_};
};

}  // namespace notch::quick
