// What Explorer and the file's properties show of TemboNotch.exe: its
// version resource (the numbers and texts agree with VERSION) and its icon.
#include <windows.h>

#include <gtest/gtest.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "win_test_support.h"

namespace notch {
namespace {

std::wstring ExePath() { return testing::TestExecutableFolder() + L"\\TemboNotch.exe"; }

class ExeResourcesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(ExePath().c_str(), &ignored);
    ASSERT_GT(size, 0u) << "no version resource";
    block_.resize(size);
    ASSERT_TRUE(GetFileVersionInfoW(ExePath().c_str(), 0, size, block_.data()));
  }

  // A string of the first language and code page the block lists, as
  // Windows' own readers take it.
  std::wstring Text(const wchar_t* name) {
    struct Translation {
      WORD language;
      WORD code_page;
    };
    Translation* translations = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block_.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translations),
                        &length) ||
        length < sizeof(Translation)) {
      return L"(no translation)";
    }
    wchar_t query[128];
    swprintf(query, 128, L"\\StringFileInfo\\%04x%04x\\%ls", translations->language, translations->code_page, name);
    wchar_t* value = nullptr;
    if (!VerQueryValueW(block_.data(), query, reinterpret_cast<void**>(&value), &length) || length == 0) {
      return L"(missing)";
    }
    return value;
  }

  std::vector<BYTE> block_;
};

TEST_F(ExeResourcesTest, VersionNumbersAndTextsFollowTheVersionFile) {
  const std::wstring version = NOTCH_VERSION_TEXT;
  EXPECT_EQ(Text(L"FileVersion"), version);
  EXPECT_EQ(Text(L"ProductVersion"), version);
  EXPECT_EQ(Text(L"ProductName"), L"Tembo Notch");
  EXPECT_EQ(Text(L"FileDescription"), L"Tembo Notch");
  EXPECT_EQ(Text(L"OriginalFilename"), L"TemboNotch.exe");

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(block_.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  ASSERT_EQ(fixed->dwSignature, 0xFEEF04BDu);
  unsigned major = 0, minor = 0, patch = 0;
  ASSERT_EQ(swscanf(version.c_str(), L"%u.%u.%u", &major, &minor, &patch), 3);
  EXPECT_EQ(HIWORD(fixed->dwFileVersionMS), major);
  EXPECT_EQ(LOWORD(fixed->dwFileVersionMS), minor);
  EXPECT_EQ(HIWORD(fixed->dwFileVersionLS), patch);
  EXPECT_EQ(fixed->dwFileVersionMS, fixed->dwProductVersionMS);
  EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
}

TEST(ExeIconTest, TheExeCarriesTheApplicationIconInSmallAndLargeSizes) {
  EXPECT_GE(ExtractIconExW(ExePath().c_str(), -1, nullptr, nullptr, 0), 1u);
  const HMODULE exe =
      LoadLibraryExW(ExePath().c_str(), nullptr, LOAD_LIBRARY_AS_IMAGE_RESOURCE | LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(exe, nullptr);
  for (const int size : {16, 32, 48, 256}) {
    const auto icon = static_cast<HICON>(LoadImageW(exe, MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, 0));
    ASSERT_NE(icon, nullptr) << size;
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info)) << size;
    BITMAP colour{};
    GetObjectW(info.hbmColor, sizeof colour, &colour);
    EXPECT_EQ(colour.bmWidth, size);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
  }
  FreeLibrary(exe);
}

}  // namespace
}  // namespace notch
