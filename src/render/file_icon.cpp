#include "render/file_icon.h"

#include <algorithm>
#include <array>

namespace notch {
namespace {

constexpr std::array<std::wstring_view, 8> kShellImageExtensions = {L"exe",       L"msi", L"lnk", L"url",
                                                                    L"appref-ms", L"scr", L"com", L"cpl"};

std::optional<FilePicture> Premultiplied(std::optional<FilePicture> picture) {
  if (picture) PremultiplyShellPixels(picture->pixels);
  return picture;
}

}  // namespace

std::wstring FileExtension(std::wstring_view path) {
  const std::size_t name = path.find_last_of(L"\\/");
  const std::size_t dot = path.rfind(L'.');
  if (dot == std::wstring_view::npos || (name != std::wstring_view::npos && dot < name)) return {};
  std::wstring extension(path.substr(dot + 1));
  for (wchar_t& c : extension) {
    if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
  }
  return extension;
}

bool ShowsShellImage(std::wstring_view extension) {
  return std::find(kShellImageExtensions.begin(), kShellImageExtensions.end(), extension) !=
         kShellImageExtensions.end();
}

void PremultiplyShellPixels(std::span<std::uint8_t> bgra) {
  const std::size_t count = bgra.size() / 4;
  bool any_alpha = false;
  bool straight = false;
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint8_t* p = &bgra[i * 4];
    any_alpha |= p[3] != 0;
    straight |= p[0] > p[3] || p[1] > p[3] || p[2] > p[3];
  }
  if (!any_alpha) {
    for (std::size_t i = 0; i < count; ++i) bgra[i * 4 + 3] = 255;
    return;
  }
  if (!straight) return;
  for (std::size_t i = 0; i < count; ++i) {
    std::uint8_t* p = &bgra[i * 4];
    for (int c = 0; c < 3; ++c) p[c] = static_cast<std::uint8_t>(p[c] * p[3] / 255);
  }
}

std::optional<FilePicture> FileIcon(const std::wstring& path, int size, FilePictureSources& sources) {
  if (!sources.IsFile(path)) return Premultiplied(sources.ShellImage(path, size));
  const std::wstring extension = FileExtension(path);
  if (ShowsShellImage(extension)) return Premultiplied(sources.ShellImage(path, size));
  if (auto thumbnail = sources.Thumbnail(path, size)) return Premultiplied(std::move(thumbnail));
  if (auto badge = sources.Badge(extension, size)) return badge;
  return Premultiplied(sources.ShellImage(path, size));
}

}  // namespace notch
