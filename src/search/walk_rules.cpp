#include "search/walk_rules.h"

#include <array>

namespace notch::quick {
namespace {

constexpr std::array<std::wstring_view, 17> kSkippedPathParts = {
    L"\\appdata\\local\\temp\\",
    L"\\appdata\\local\\packages\\",
    L"\\appdata\\local\\cache",
    L"\\appdata\\local\\microsoft\\",
    L"\\appdata\\local\\google\\",
    L"\\appdata\\local\\bravesoftware\\",
    L"\\appdata\\locallow\\",
    L"\\windows\\winsxs\\",
    L"\\windows\\servicing\\",
    L"\\windows\\installer\\",
    L"\\programdata\\microsoft\\",
    L"\\$recycle.bin\\",
    L"\\system volume information\\",
    L"\\node_modules\\",
    L"\\.git\\",
    L"\\.gradle\\",
    L"\\__pycache__\\",
};

constexpr std::array<std::wstring_view, 14> kSkippedFolderNames = {
    L"node_modules", L"appdata",     L"$recycle.bin", L"system volume information",
    L"windows",      L"programdata", L"recovery",     L"__pycache__",
    L"venv",         L"cmakefiles",  L"x64",          L"obj",
    L"ipch",         L"winsxs",
};

constexpr std::array<std::wstring_view, 12> kSkippedExtensions = {
    L".obj", L".pdb", L".ilk", L".tlog", L".idb", L".pch", L".ipdb", L".iobj", L".lastbuildstate",
    L".tmp", L".etl", L".dmp",
};

constexpr std::wstring_view kShortcutExtension = L".lnk";

constexpr int kHomeFolderBonus = 160;
constexpr int kHomeFileBonus = 70;
constexpr int kOtherFolderBonus = 90;

}  // namespace

bool HasSkippedPathPart(std::wstring_view lower_path) {
  for (const std::wstring_view part : kSkippedPathParts) {
    if (lower_path.find(part) != std::wstring_view::npos) return true;
  }
  return false;
}

bool IsSkippedFolderName(std::wstring_view lower_name) {
  if (lower_name.starts_with(L'.') && lower_name != L".github") return true;
  if (lower_name.ends_with(L".dir")) return true;
  for (const std::wstring_view name : kSkippedFolderNames) {
    if (lower_name == name) return true;
  }
  return false;
}

bool IsSkippedFileName(std::wstring_view lower_name) {
  if (lower_name.ends_with(kShortcutExtension)) return true;
  for (const std::wstring_view extension : kSkippedExtensions) {
    if (lower_name.ends_with(extension)) return true;
  }
  return false;
}

int RankBonus(std::wstring_view lower_path, std::wstring_view lower_profile, bool is_folder) {
  const bool at_home = !lower_profile.empty() && lower_path.size() > lower_profile.size() &&
                       lower_path.starts_with(lower_profile) &&
                       (lower_path[lower_profile.size()] == L'\\' || lower_profile.ends_with(L'\\'));
  if (at_home) return is_folder ? kHomeFolderBonus : kHomeFileBonus;
  return is_folder ? kOtherFolderBonus : 0;
}

}  // namespace notch::quick
