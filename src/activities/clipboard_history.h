#pragma once
// The clipboard history: texts copied anywhere in the system, newest first,
// trimmed, without duplicates and at most twelve. Kept in memory only.
#include <cstddef>
#include <deque>
#include <string>
#include <string_view>

namespace notch {

inline constexpr std::size_t kClipboardHistoryCap = 12;
// A copied text is cut to this many wchar_t units before it is trimmed.
inline constexpr std::size_t kClipboardTextLimit = 20000;
// A row shows one line of at most this many units: far more than its width
// holds, so the ellipsis still shows, without laying out a long text per frame.
inline constexpr std::size_t kClipboardRowLimit = 256;

// `copied` cut to the limit (one unit fewer rather than split a surrogate
// pair), then without spaces, tabs, carriage returns and line feeds at
// either end.
std::wstring_view ClipboardEntryText(std::wstring_view copied);

// An entry as its row shows it: carriage returns, tabs and line feeds as
// spaces, cut to the row limit.
std::wstring ClipboardRowText(std::wstring_view entry);

class ClipboardHistory {
 public:
  struct Entry {
    std::wstring text;
    std::wstring row;  // ClipboardRowText(text)
  };

  // Keeps a copied text at the front; returns whether the history changed.
  // Text that trims to nothing is not kept.
  bool Add(std::wstring_view copied);
  // Returns whether there was anything to clear.
  bool Clear();

  std::size_t size() const { return entries_.size(); }
  bool empty() const { return entries_.empty(); }
  const Entry& operator[](std::size_t index) const { return entries_[index]; }
  // The index of `text`, or -1.
  int Find(std::wstring_view text) const;

 private:
  std::deque<Entry> entries_;
};

}  // namespace notch
