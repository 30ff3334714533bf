#include "activities/source_app.h"

#include "common/text.h"

namespace notch {

bool IsExecutableAppId(std::wstring_view app_id) {
  return !app_id.empty() && app_id.find(L'!') == std::wstring_view::npos;
}

std::optional<std::size_t> FindSourceWindow(std::span<const AppWindowFacts> windows, std::wstring_view app_id) {
  if (!IsExecutableAppId(app_id)) return std::nullopt;
  for (std::size_t i = 0; i < windows.size(); ++i) {
    const AppWindowFacts& w = windows[i];
    if (!w.visible || w.owned) continue;
    const std::size_t slash = w.image_path.rfind(L'\\');
    const std::wstring_view name = std::wstring_view(w.image_path).substr(slash == std::wstring::npos ? 0 : slash + 1);
    if (EqualsIgnoringAsciiCase(name, app_id)) return i;
  }
  return std::nullopt;
}

}  // namespace notch
