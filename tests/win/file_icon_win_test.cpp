#include "render/file_icon_win.h"

#include <windows.h>

#include <gtest/gtest.h>
#include <objbase.h>

#include <fstream>

#include "host/host_links_win.h"
#include "support/temp_folder.h"
#include "win_test_support.h"

namespace notch {
namespace {

class FileIconWinTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    links::InitFonts();
  }
  void TearDown() override { CoUninitialize(); }
};

// Wine's shell answers every image request with a 1 x 1 placeholder, a
// "thumbnail" of a .json file too; Windows has none for it. These sources
// answer as Windows does there and ask the real shell and badge otherwise.
class NoThumbnails final : public FilePictureSources {
 public:
  bool IsFile(const std::wstring& path) override { return shell_.IsFile(path); }
  std::optional<FilePicture> Thumbnail(const std::wstring&, int) override { return std::nullopt; }
  std::optional<FilePicture> ShellImage(const std::wstring& path, int size) override {
    return shell_.ShellImage(path, size);
  }
  std::optional<FilePicture> Badge(std::wstring_view extension, int size) override {
    return shell_.Badge(extension, size);
  }

 private:
  ShellFilePictureSources shell_;
};

TEST_F(FileIconWinTest, AJsonFileGetsItsBadge) {
  testing::TempFolder folder;
  const auto path = folder.path() / "report.JSON";
  std::ofstream(path) << "{}";
  NoThumbnails sources;
  const auto picture = FileIcon(path.wstring(), 32, sources);
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->source, FilePicture::Source::Badge);
  ASSERT_EQ(picture->width, 32);
  ASSERT_EQ(picture->pixels.size(), 32u * 32u * 4u);
  const std::uint8_t* page = &picture->pixels[(6 * 32 + 6) * 4];  // the page above its text lines
  EXPECT_GE(page[0], 240);
  EXPECT_EQ(page[3], 255);
  EXPECT_EQ(picture->pixels[3], 0);  // the corner outside the page
  EXPECT_FALSE(sources.Badge(L"json", 7));
}

TEST_F(FileIconWinTest, AProgramGetsTheShellsImage) {
  const auto picture = FileIcon(testing::TestExecutableFolder() + L"\\notch_win_tests.exe", 32);
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->source, FilePicture::Source::Shell);
  EXPECT_GT(picture->width, 0);
  ASSERT_EQ(picture->pixels.size(), static_cast<std::size_t>(picture->width) * picture->height * 4);
  bool visible = false;
  for (std::size_t i = 3; i < picture->pixels.size(); i += 4) visible |= picture->pixels[i] != 0;
  EXPECT_TRUE(visible);
}

}  // namespace
}  // namespace notch
