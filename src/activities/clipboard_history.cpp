#include "activities/clipboard_history.h"

namespace notch {
namespace {

bool IsHighSurrogate(wchar_t c) {
  if constexpr (sizeof(wchar_t) == 2) return c >= 0xD800 && c <= 0xDBFF;
  return false;
}

bool IsTrimmed(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n'; }

}  // namespace

std::wstring_view ClipboardEntryText(std::wstring_view copied) {
  if (copied.size() > kClipboardTextLimit) {
    std::size_t length = kClipboardTextLimit;
    if (IsHighSurrogate(copied[length - 1])) --length;
    copied = copied.substr(0, length);
  }
  std::size_t first = 0, last = copied.size();
  while (first < last && IsTrimmed(copied[first])) ++first;
  while (last > first && IsTrimmed(copied[last - 1])) --last;
  return copied.substr(first, last - first);
}

std::wstring ClipboardRowText(std::wstring_view entry) {
  std::size_t length = entry.size();
  if (length > kClipboardRowLimit) {
    length = kClipboardRowLimit;
    if (IsHighSurrogate(entry[length - 1])) --length;
  }
  std::wstring row(entry.substr(0, length));
  for (wchar_t& c : row) {
    if (c == L'\r' || c == L'\n' || c == L'\t') c = L' ';
  }
  return row;
}

bool ClipboardHistory::Add(std::wstring_view copied) {
  const std::wstring_view text = ClipboardEntryText(copied);
  if (text.empty()) return false;
  if (!entries_.empty() && entries_.front().text == text) return false;
  const int existing = Find(text);
  if (existing >= 0) entries_.erase(entries_.begin() + existing);
  entries_.push_front({std::wstring(text), ClipboardRowText(text)});
  while (entries_.size() > kClipboardHistoryCap) entries_.pop_back();
  return true;
}

bool ClipboardHistory::Clear() {
  const bool had_entries = !entries_.empty();
  entries_.clear();
  return had_entries;
}

int ClipboardHistory::Find(std::wstring_view text) const {
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (entries_[i].text == text) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace notch
