#include "render/file_icon.h"

#include <gtest/gtest.h>

#include <set>

namespace notch {
namespace {

TEST(FileExtensionTest, TheTextAfterTheLastDotOfTheName) {
  EXPECT_EQ(FileExtension(L"C:\\Users\\ana\\report.JSON"), L"json");
  EXPECT_EQ(FileExtension(L"C:\\Downloads\\archive.tar.gz"), L"gz");
  EXPECT_EQ(FileExtension(L"C:\\old.dir\\file"), L"");
  EXPECT_EQ(FileExtension(L"/home/ana/old.dir/file"), L"");
  EXPECT_EQ(FileExtension(L"notes.Markdown"), L"markdown");
  EXPECT_EQ(FileExtension(L"C:\\trailing."), L"");
  EXPECT_EQ(FileExtension(L"C:\\.gitignore"), L"gitignore");
}

TEST(FileExtensionTest, ProgramsAndLinksKeepTheirShellImage) {
  for (const wchar_t* extension : {L"exe", L"msi", L"lnk", L"url", L"appref-ms", L"scr", L"com", L"cpl"}) {
    EXPECT_TRUE(ShowsShellImage(extension)) << extension;
  }
  EXPECT_FALSE(ShowsShellImage(L"json"));
  EXPECT_FALSE(ShowsShellImage(L""));
}

TEST(ShellPixelsTest, NoAlphaMeansOpaque) {
  std::vector<std::uint8_t> pixels = {10, 20, 30, 0, 40, 50, 60, 0};
  PremultiplyShellPixels(pixels);
  EXPECT_EQ(pixels, (std::vector<std::uint8_t>{10, 20, 30, 255, 40, 50, 60, 255}));
}

TEST(ShellPixelsTest, StraightAlphaIsPremultipliedAndPremultipliedAlphaIsKept) {
  std::vector<std::uint8_t> straight = {200, 100, 50, 128, 10, 10, 10, 255};
  PremultiplyShellPixels(straight);
  EXPECT_EQ(straight, (std::vector<std::uint8_t>{100, 50, 25, 128, 10, 10, 10, 255}));
  std::vector<std::uint8_t> premultiplied = {100, 50, 25, 128, 0, 0, 0, 0};
  const auto before = premultiplied;
  PremultiplyShellPixels(premultiplied);
  EXPECT_EQ(premultiplied, before);
}

// Answers as scripted and notes what was asked.
class ScriptedSources final : public FilePictureSources {
 public:
  std::set<std::wstring> files, thumbnails;
  bool badges = true, shell_images = true;
  std::vector<std::wstring> asked;

  bool IsFile(const std::wstring& path) override { return files.count(path) != 0; }
  std::optional<FilePicture> Thumbnail(const std::wstring& path, int size) override {
    asked.push_back(L"thumbnail");
    if (thumbnails.count(path) == 0) return std::nullopt;
    return FilePicture{size, size, std::vector<std::uint8_t>(static_cast<std::size_t>(size * size * 4), 0)};
  }
  std::optional<FilePicture> ShellImage(const std::wstring&, int size) override {
    asked.push_back(L"shell");
    if (!shell_images) return std::nullopt;
    return FilePicture{size, size, std::vector<std::uint8_t>(static_cast<std::size_t>(size * size * 4), 0)};
  }
  std::optional<FilePicture> Badge(std::wstring_view extension, int size) override {
    asked.push_back(L"badge " + std::wstring(extension));
    if (!badges) return std::nullopt;
    return FilePicture{size, size, {}, FilePicture::Source::Badge};
  }
};

TEST(FileIconTest, FilesWithoutAThumbnailGetABadge) {
  ScriptedSources sources;
  sources.files = {L"C:\\a\\report.JSON"};
  const auto picture = FileIcon(L"C:\\a\\report.JSON", 32, sources);
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->source, FilePicture::Source::Badge);
  EXPECT_EQ(sources.asked, (std::vector<std::wstring>{L"thumbnail", L"badge json"}));
}

TEST(FileIconTest, ThumbnailsAreUsedAndTheirAlphaMadeOpaque) {
  ScriptedSources sources;
  sources.files = sources.thumbnails = {L"C:\\a\\photo.png"};
  const auto picture = FileIcon(L"C:\\a\\photo.png", 2, sources);
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->source, FilePicture::Source::Shell);
  EXPECT_EQ(picture->pixels[3], 255);
  EXPECT_EQ(sources.asked, std::vector<std::wstring>{L"thumbnail"});
}

TEST(FileIconTest, ProgramsFoldersAndMissingFilesGoStraightToTheShell) {
  ScriptedSources sources;
  sources.files = {L"C:\\a\\setup.exe"};
  EXPECT_EQ(FileIcon(L"C:\\a\\setup.exe", 32, sources)->source, FilePicture::Source::Shell);
  EXPECT_EQ(FileIcon(L"C:\\a\\folder.zip", 32, sources)->source, FilePicture::Source::Shell);
  EXPECT_EQ(sources.asked, (std::vector<std::wstring>{L"shell", L"shell"}));
}

TEST(FileIconTest, AFailedBadgeFallsBackToTheShellAndThatMayFailToo) {
  ScriptedSources sources;
  sources.files = {L"C:\\a\\notes.txt"};
  sources.badges = false;
  EXPECT_EQ(FileIcon(L"C:\\a\\notes.txt", 32, sources)->source, FilePicture::Source::Shell);
  sources.shell_images = false;
  EXPECT_FALSE(FileIcon(L"C:\\a\\notes.txt", 32, sources));
}

}  // namespace
}  // namespace notch
