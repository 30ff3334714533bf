#include "render/file_icon_win.h"

#include <windows.h>

#include <d2d1.h>
#include <shobjidl.h>
#include <wrl/client.h>

#include "render/document_badge.h"
#include "render/fonts.h"
#include "render/wic_canvas_win.h"

namespace notch {
namespace {

using Microsoft::WRL::ComPtr;

// The bitmap's pixels as 32-bit top-down BGRA; takes ownership of it.
std::optional<FilePicture> PixelsOf(HBITMAP bitmap) {
  BITMAP facts{};
  std::optional<FilePicture> picture;
  if (GetObjectW(bitmap, sizeof facts, &facts) != 0 && facts.bmWidth > 0 && facts.bmHeight > 0) {
    FilePicture p;
    p.width = facts.bmWidth;
    p.height = facts.bmHeight;
    p.pixels.resize(static_cast<std::size_t>(p.width) * static_cast<std::size_t>(p.height) * 4);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = p.width;
    info.bmiHeader.biHeight = -p.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    const HDC screen = GetDC(nullptr);
    if (GetDIBits(screen, bitmap, 0, static_cast<UINT>(p.height), p.pixels.data(), &info, DIB_RGB_COLORS) == p.height) {
      picture = std::move(p);
    }
    ReleaseDC(nullptr, screen);
  }
  DeleteObject(bitmap);
  return picture;
}

std::optional<FilePicture> ShellPicture(const std::wstring& path, int size, SIIGBF flags) {
  ComPtr<IShellItemImageFactory> factory;
  if (FAILED(SHCreateItemFromParsingName(path.c_str(), nullptr, IID_PPV_ARGS(&factory)))) return std::nullopt;
  HBITMAP bitmap = nullptr;
  if (FAILED(factory->GetImage(SIZE{size, size}, flags, &bitmap)) || bitmap == nullptr) return std::nullopt;
  return PixelsOf(bitmap);
}

}  // namespace

bool ShellFilePictureSources::IsFile(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::optional<FilePicture> ShellFilePictureSources::Thumbnail(const std::wstring& path, int size) {
  return ShellPicture(path, size, SIIGBF_THUMBNAILONLY);
}

std::optional<FilePicture> ShellFilePictureSources::ShellImage(const std::wstring& path, int size) {
  if (auto picture = ShellPicture(path, size, SIIGBF_RESIZETOFIT)) return picture;
  return ShellPicture(path, size, SIIGBF_ICONONLY);
}

std::optional<FilePicture> ShellFilePictureSources::Badge(std::wstring_view extension, int size) {
  // A factory of its own: badges are made outside any island frame.
  ComPtr<ID2D1Factory> factory;
  if (size <= 7 || FAILED(D2D1CreateFactory(D2D1_FACTORY_TYPE_SINGLE_THREADED, factory.GetAddressOf()))) {
    return std::nullopt;
  }
  auto surface = WicCanvas::Create(factory.Get(), size, size);
  if (!surface) return std::nullopt;
  const bool drawn = DrawDocumentBadge(surface->Begin(), size, extension, SharedFonts());
  if (!surface->End() || !drawn) return std::nullopt;
  FilePicture picture{size, size, surface->Pixels(), FilePicture::Source::Badge};
  if (picture.pixels.empty()) return std::nullopt;
  return picture;
}

std::optional<FilePicture> FileIcon(const std::wstring& path, int size) {
  ShellFilePictureSources sources;
  return FileIcon(path, size, sources);
}

}  // namespace notch
