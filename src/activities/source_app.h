#pragma once
// Finding the window of the application that plays the media, to bring it
// to the front when the album art is clicked.
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace notch {

struct AppWindowFacts {
  bool visible = false;
  bool owned = false;
  std::wstring image_path;  // full path of the process image, empty when unknown
};

// A plain executable name ("spotify.exe"), as opposed to a packaged
// application id, which contains '!'.
bool IsExecutableAppId(std::wstring_view app_id);

// The first visible unowned window whose process image file name equals the
// id (ignoring case), among windows from the top of the Z order.
std::optional<std::size_t> FindSourceWindow(std::span<const AppWindowFacts> windows, std::wstring_view app_id);

}  // namespace notch
