#pragma once
// Canvas paths kept by key: each is made once per key and canvas domain and
// drawn again every frame after that.
#include <functional>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "render/canvas.h"

namespace notch {

template <typename Char>
class PathCache {
 public:
  // The path for `key` on this canvas's domain, made from `figures` when
  // there is none yet (or it belongs to another domain).
  const CanvasPath& Get(Canvas& canvas, std::basic_string_view<Char> key, std::span<const PathData> figures) {
    auto found = entries_.find(key);
    if (found == entries_.end()) found = entries_.emplace(std::basic_string<Char>(key), Entry{}).first;
    Entry& entry = found->second;
    if (!entry.path || entry.domain != canvas.PathDomain()) {
      entry.path = canvas.CreatePath(figures);
      entry.domain = canvas.PathDomain();
    }
    return *entry.path;
  }

 private:
  struct Entry {
    const void* domain = nullptr;
    std::unique_ptr<CanvasPath> path;
  };
  std::map<std::basic_string<Char>, Entry, std::less<>> entries_;
};

}  // namespace notch
