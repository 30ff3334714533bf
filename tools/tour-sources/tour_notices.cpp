#include "tour-sources/tour_notices.h"

#include <algorithm>

namespace notch::tour {
namespace {

bool IsHighSurrogate(wchar_t c) {
  const auto unit = static_cast<std::uint32_t>(c);
  return unit >= 0xD800 && unit <= 0xDBFF;
}

template <std::size_t N>
void WriteField(wchar_t (&field)[N], const std::wstring& text) {
  std::size_t length = std::min(text.size(), N - 1);
  // A cut that would keep only the first half of a pair drops that half.
  if (length < text.size() && length > 0 && IsHighSurrogate(text[length - 1])) --length;
  std::copy_n(text.begin(), length, field);
  std::fill(field + length, field + N, L'\0');
}

template <std::size_t N>
std::wstring ReadField(const wchar_t (&field)[N]) {
  return std::wstring(field, std::find(field, field + N, L'\0'));
}

}  // namespace

void WriteNoticeSlot(TourNoticeSlot& slot, const TourNotice& notice) {
  WriteField(slot.app, notice.app);
  WriteField(slot.title, notice.title);
  WriteField(slot.body, notice.body);
}

TourNotice ReadNoticeSlot(const TourNoticeSlot& slot) {
  return {ReadField(slot.app), ReadField(slot.title), ReadField(slot.body)};
}

void TourToastList::Add(TourNotice notice) {
  toasts_.push_back({next_id_++, std::move(notice)});
  while (toasts_.size() > kTourToastLimit) toasts_.pop_front();
}

std::vector<ToastEntry> TourToastList::Entries() const {
  std::vector<ToastEntry> entries;
  entries.reserve(toasts_.size());
  for (const Toast& toast : toasts_) entries.push_back({toast.id, static_cast<std::int64_t>(toast.id)});
  return entries;
}

ToastContent TourToastList::Content(std::size_t index) const {
  if (index >= toasts_.size()) throw NotificationSourceError(L"the notice is gone");
  const TourNotice& notice = toasts_[index].notice;
  ToastContent content;
  content.app_name = notice.app;
  content.texts = {notice.title};
  if (!notice.body.empty()) content.texts.push_back(notice.body);
  return content;
}

}  // namespace notch::tour
