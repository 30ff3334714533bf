#pragma once
// The picture shown for a file: the shell's thumbnail or icon, or a drawn
// document badge for files that have no thumbnail.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace notch {

struct FilePicture {
  enum class Source { Shell, Badge };
  int width = 0, height = 0;
  std::vector<std::uint8_t> pixels;  // premultiplied BGRA, rows of width * 4 bytes
  Source source = Source::Shell;
};

// The text after the last "." that stands after the last "\" or "/",
// lower-cased (ASCII letters); empty when there is none.
std::wstring FileExtension(std::wstring_view path);

// Programs, links and the like, whose own icon says more than a badge.
bool ShowsShellImage(std::wstring_view extension);

// Shell bitmaps come with no alpha at all, straight alpha or premultiplied
// alpha: makes them premultiplied. All-transparent means opaque; a colour
// byte above its alpha means straight alpha.
void PremultiplyShellPixels(std::span<std::uint8_t> bgra);

// What the system answers about a file.
class FilePictureSources {
 public:
  virtual ~FilePictureSources() = default;
  // Whether the path names a file (not a folder).
  virtual bool IsFile(const std::wstring& path) = 0;
  // The shell's thumbnail of the file, if it has one; pixels as the shell
  // gives them.
  virtual std::optional<FilePicture> Thumbnail(const std::wstring& path, int size) = 0;
  // The shell's image of the path (thumbnail or icon), as the shell gives it.
  virtual std::optional<FilePicture> ShellImage(const std::wstring& path, int size) = 0;
  virtual std::optional<FilePicture> Badge(std::wstring_view extension, int size) = 0;
};

// Nothing when not even the shell has a picture.
std::optional<FilePicture> FileIcon(const std::wstring& path, int size, FilePictureSources& sources);

}  // namespace notch
