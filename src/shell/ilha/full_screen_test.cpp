#include "shell/ilha/full_screen_test.h"

#include <algorithm>

namespace notch {
namespace {

PixelRect Intersection(const PixelRect& a, const PixelRect& b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
}

long long Area(const PixelRect& r) { return r.empty() ? 0 : static_cast<long long>(r.width()) * r.height(); }

bool IsTaskbar(std::wstring_view name) { return name == L"Shell_TrayWnd" || name == L"Shell_SecondaryTrayWnd"; }

bool IsDesktop(std::wstring_view name) { return name == L"Progman" || name == L"WorkerW"; }

}  // namespace

FullScreenWalk::Verdict FullScreenWalk::Consider(const TopLevelWindowFacts& w) const {
  if (!w.visible || w.minimised || w.own_process || w.cloaked || w.input_transparent || !w.has_rect) {
    return Verdict::Continue;
  }
  const PixelRect overlap = Intersection(w.rect, monitor_);
  if (overlap.empty()) return Verdict::Continue;
  if (IsTaskbar(w.class_name)) return Verdict::Continue;
  if (IsDesktop(w.class_name)) return Verdict::NotFullScreen;

  const bool covers = w.rect.left <= monitor_.left && w.rect.top <= monitor_.top && w.rect.right >= monitor_.right &&
                      w.rect.bottom >= monitor_.bottom;
  if (covers) return w.maximised && w.has_caption ? Verdict::NotFullScreen : Verdict::FullScreen;
  if (Area(overlap) * 4 >= Area(monitor_)) return Verdict::NotFullScreen;
  return Verdict::Continue;
}

}  // namespace notch
