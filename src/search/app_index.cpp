#include "search/app_index.h"

#include <algorithm>
#include <array>
#include <unordered_set>

#include "search/fuzzy_score.h"
#include "search/search_text.h"

namespace notch::quick {
namespace {

constexpr std::array<std::wstring_view, 5> kExcludedKeyParts = {L"uninstall", L"remove ", L"readme", L"release notes",
                                                                L"documentation"};
constexpr std::array<std::wstring_view, 3> kAppExtensions = {L".lnk", L".exe", L".url"};
constexpr wchar_t kAppSubtitle[] = L"App";
constexpr wchar_t kDesktopSubtitle[] = L"Desktop";

// Start menus are small, but a Desktop can hold whole project trees; the
// walk stops after this many entries.
constexpr std::size_t kMaxAppWalkEntries = 20000;

bool HasAppExtension(std::wstring_view name) {
  const std::wstring lower = ToLower(name);
  return std::any_of(kAppExtensions.begin(), kAppExtensions.end(),
                     [&](std::wstring_view extension) { return lower.ends_with(extension); });
}

class AppCollector {
 public:
  void Offer(std::wstring_view name, std::wstring_view target, const wchar_t* subtitle) {
    std::wstring key = ToLower(name);
    if (key.empty() || IsExcludedAppKey(key) || !keys_.insert(key).second) return;
    apps_.push_back(AppEntry{std::wstring(name), std::move(key), std::wstring(target), subtitle});
  }

  // Shortcuts and programs anywhere below `folder`. Links and junctions are
  // not followed, so a folder that contains itself cannot trap the walk.
  void WalkFolder(const FileSystem& disk, const std::wstring& folder, const wchar_t* subtitle) {
    if (folder.empty()) return;
    std::vector<std::wstring> pending = {folder};
    std::vector<DirectoryEntry> entries;
    while (!pending.empty() && walked_ < kMaxAppWalkEntries) {
      const std::wstring current = std::move(pending.back());
      pending.pop_back();
      entries.clear();
      if (!disk.List(current, entries)) continue;
      // Depth first in listing order, so that sources are read in a stable order.
      std::vector<std::wstring> subfolders;
      for (const DirectoryEntry& entry : entries) {
        if (entry.name == L"." || entry.name == L"..") continue;
        if (++walked_ > kMaxAppWalkEntries) return;
        const std::wstring path = JoinPath(current, entry.name);
        if (entry.is_folder) {
          if (!entry.is_reparse_point) subfolders.push_back(path);
        } else if (entry.is_regular_file && HasAppExtension(entry.name)) {
          Offer(Stem(entry.name), path, subtitle);
        }
      }
      pending.insert(pending.end(), subfolders.rbegin(), subfolders.rend());
    }
  }

  void AddAppPath(const FileSystem& disk, const AppPathEntry& entry) {
    const std::wstring_view target = Unquoted(entry.value);
    if (target.empty() || disk.Probe(target) != PathKind::File) return;
    std::wstring_view name = FileStem(target);
    if (name.empty()) name = Stem(entry.subkey);
    Offer(name, target, kAppSubtitle);
  }

  std::vector<AppEntry> Take() { return std::move(apps_); }

 private:
  std::vector<AppEntry> apps_;
  std::unordered_set<std::wstring> keys_;
  std::size_t walked_ = 0;
};

}  // namespace

bool IsExcludedAppKey(std::wstring_view key) {
  return std::any_of(kExcludedKeyParts.begin(), kExcludedKeyParts.end(),
                     [&](std::wstring_view part) { return key.find(part) != std::wstring_view::npos; });
}

std::vector<AppEntry> BuildAppIndex(const FileSystem& disk, const SearchFolders& folders,
                                    std::span<const AppPathEntry> app_paths) {
  AppCollector collector;
  collector.WalkFolder(disk, folders.common_programs, kAppSubtitle);
  collector.WalkFolder(disk, folders.user_programs, kAppSubtitle);
  collector.WalkFolder(disk, folders.desktop, kDesktopSubtitle);
  for (const AppPathEntry& entry : app_paths) collector.AddAppPath(disk, entry);
  return collector.Take();
}

void AddAppMatches(ResultRows& rows, std::span<const AppEntry> apps, std::wstring_view lower_query) {
  struct Match {
    int score;
    const AppEntry* app;
  };
  // Keys are unique, so names are too and this order has no ties.
  const auto better = [](const Match& a, const Match& b) {
    return a.score != b.score ? a.score > b.score : a.app->name < b.app->name;
  };
  // The best matches so far in a heap whose top is the worst of them.
  std::array<Match, kMaxAppRows> best{};
  std::size_t kept = 0;
  for (const AppEntry& app : apps) {
    const int score = FuzzyScore(std::wstring_view(app.key), lower_query);
    if (score <= 0) continue;
    const Match match{score, &app};
    if (kept < best.size()) {
      best[kept++] = match;
      std::push_heap(best.begin(), best.begin() + static_cast<std::ptrdiff_t>(kept), better);
    } else if (better(match, best.front())) {
      std::pop_heap(best.begin(), best.end(), better);
      best.back() = match;
      std::push_heap(best.begin(), best.end(), better);
    }
  }
  std::sort_heap(best.begin(), best.begin() + static_cast<std::ptrdiff_t>(kept), better);
  for (std::size_t i = 0; i < kept; ++i) {
    const AppEntry& app = *best[i].app;
    SearchResult& row = rows.Add();
    row.kind = ResultKind::App;
    row.title.assign(app.name);
    row.subtitle.assign(app.subtitle);
    row.target.assign(app.target);
    row.icon = icon::kApp;
    row.score = best[i].score;
  }
}

}  // namespace notch::quick
