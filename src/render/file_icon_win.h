#pragma once
// File pictures from the shell (IShellItemImageFactory) and badges drawn on
// a WIC bitmap. COM must be initialised on the calling thread.
#include <optional>
#include <string>

#include "render/file_icon.h"

namespace notch {

class ShellFilePictureSources final : public FilePictureSources {
 public:
  bool IsFile(const std::wstring& path) override;
  std::optional<FilePicture> Thumbnail(const std::wstring& path, int size) override;
  std::optional<FilePicture> ShellImage(const std::wstring& path, int size) override;
  std::optional<FilePicture> Badge(std::wstring_view extension, int size) override;
};

// The picture of `path` at about `size` x `size` pixels.
std::optional<FilePicture> FileIcon(const std::wstring& path, int size);

}  // namespace notch
