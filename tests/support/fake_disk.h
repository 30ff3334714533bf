#pragma once
// An in-memory folder tree with Windows path rules (either separator, any
// letter case), for the Quick Search tests.
#include <algorithm>
#include <atomic>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "search/file_system.h"
#include "search/search_text.h"

namespace notch::testing {

class FakeDisk final : public quick::FileSystem {
 public:
  // Adds a file and every folder above it.
  void AddFile(const std::wstring& path) { Add(path, Node{false, false, {}}); }
  void AddFolder(const std::wstring& path) { Add(path, Node{true, false, {}}); }
  // A junction or folder link: listed as a folder, never to be entered.
  void AddFolderLink(const std::wstring& path) { Add(path, Node{true, true, {}}); }
  // Makes List fail for this folder, as for one without access.
  void Lock(const std::wstring& path) { locked_.push_back(Key(path)); }

  // Called before every listing; tests move their clock here.
  std::function<void()> on_list;
  mutable std::atomic<int> list_calls{0};  // the index builds list from two threads

  bool List(std::wstring_view folder, std::vector<quick::DirectoryEntry>& entries) const override {
    ++list_calls;
    if (on_list) on_list();
    const std::wstring key = Key(folder);
    if (std::find(locked_.begin(), locked_.end(), key) != locked_.end()) return false;
    const auto it = nodes_.find(key);
    if (it == nodes_.end() || !it->second.is_folder) return false;
    entries.push_back({L".", true, false, false});
    entries.push_back({L"..", true, false, false});
    for (const auto& [child_key, child] : nodes_) {
      if (child_key == key || Parent(child_key) != key) continue;
      entries.push_back({child.name, child.is_folder, !child.is_folder, child.is_link});
    }
    return true;
  }

  // Makes the drive with this letter (either case) removable.
  void MakeRemovable(wchar_t letter) { removable_ += quick::ToLower(std::wstring(1, letter)); }
  bool IsFixedDrive(wchar_t letter) const override {
    return removable_.find(quick::ToLower(std::wstring(1, letter))) == std::wstring::npos;
  }
  mutable std::atomic<int> probe_calls{0};

  std::optional<quick::PathKind> Probe(std::wstring_view path) const override {
    ++probe_calls;
    const auto it = nodes_.find(Key(path));
    if (it == nodes_.end()) return std::nullopt;
    return it->second.is_folder ? quick::PathKind::Folder : quick::PathKind::File;
  }

 private:
  struct Node {
    bool is_folder = false;
    bool is_link = false;
    std::wstring name;
  };

  static std::wstring Key(std::wstring_view path) {
    std::wstring key = quick::ToLower(path);
    for (wchar_t& c : key) {
      if (c == L'/') c = L'\\';
    }
    while (key.size() > 3 && key.back() == L'\\') key.pop_back();
    return key;
  }

  static std::wstring Parent(const std::wstring& key) {
    const std::size_t separator = key.rfind(L'\\');
    if (separator == std::wstring::npos) return {};
    return key.substr(0, separator == 2 ? 3 : separator);  // "c:\x" lies in "c:\"
  }

  void Add(const std::wstring& path, Node node) {
    std::wstring key = Key(path);
    node.name = std::wstring(std::wstring_view(path).substr(quick::NameStart(path)));
    nodes_[key] = node;
    for (std::wstring parent = Parent(key); !parent.empty() && nodes_.count(parent) == 0; parent = Parent(parent)) {
      nodes_[parent] = Node{true, false, parent.substr(quick::NameStart(parent))};
    }
  }

  std::map<std::wstring, Node> nodes_;
  std::vector<std::wstring> locked_;
  std::wstring removable_;
};

}  // namespace notch::testing
