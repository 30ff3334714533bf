// The shelf inside TemboNotch.exe: files dropped on the island window are
// kept in estante.txt under the local application data folder, and the list
// read back at the next start goes on from there.
#include <windows.h>

#include <gtest/gtest.h>
#include <knownfolders.h>
#include <ole2.h>

#include <optional>

#include "activities/shelf_file.h"
#include "activities/shelf_file_win.h"
#include "common/known_folder_win.h"
#include "file_drop_data.h"
#include "message_pump.h"
#include "roaming_settings.h"
#include "scratch_folder.h"
#include "tembo_notch_process.h"

namespace notch {
namespace {

using Paths = std::vector<std::wstring>;

// estante.txt held for one test and put back afterwards.
class ScopedShelfFile {
 public:
  ScopedShelfFile() : saved_(ReadShelfFile(ShelfFilePath())) {}
  ~ScopedShelfFile() {
    if (saved_) {
      WriteShelfFile(ShelfFilePath(), *saved_);
    } else {
      DeleteFileW(ShelfFilePath().c_str());
    }
  }
  ScopedShelfFile(const ScopedShelfFile&) = delete;
  ScopedShelfFile& operator=(const ScopedShelfFile&) = delete;

 private:
  std::optional<std::string> saved_;
};

Paths SavedShelf() {
  const auto bytes = ReadShelfFile(ShelfFilePath());
  return bytes ? ReadShelfFileText(*bytes) : Paths{};
}

// Drags `files` from this process onto the island window and drops them.
HRESULT DropOnIsland(HWND island, const Paths& files, DWORD& effect) {
  RECT rect{};
  GetWindowRect(island, &rect);
  SetCursorPos((rect.left + rect.right) / 2, rect.top + 6);
  auto* data = new testing::FileDropData(files);
  testing::DropAfterAWhile source;
  effect = DROPEFFECT_NONE;
  const HRESULT result = DoDragDrop(data, &source, DROPEFFECT_COPY | DROPEFFECT_MOVE, &effect);
  data->Release();
  return result;
}

class ShelfProcessTest : public ::testing::Test {
 protected:
  void SetUp() override {
    GetCursorPos(&cursor_);
    ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
  }
  void TearDown() override {
    OleUninitialize();
    // The pointer goes back where it was, off the island the next test starts.
    SetCursorPos(cursor_.x, cursor_.y);
  }

 private:
  POINT cursor_{};
};

TEST_F(ShelfProcessTest, FilesDroppedOnTheIslandAreKeptUnderLocalAppDataAcrossARestart) {
  testing::ScopedSettingsFile defaults;
  ScopedShelfFile keep;
  testing::ScratchFolder scratch;
  const std::wstring local = KnownFolderPath(FOLDERID_LocalAppData);
  ASSERT_FALSE(local.empty());
  EXPECT_EQ(ShelfFilePath(), local + L"\\StandaloneTemboNotch\\estante.txt");

  const std::wstring a = scratch.File(L"a.txt"), b = scratch.File(L"b \u00E9t\u00E9.txt");
  const std::wstring gone = scratch.path() + L"\\gone.txt";
  ASSERT_TRUE(WriteShelfFile(ShelfFilePath(), ShelfFileText({a, gone, b})));

  const std::wstring c = scratch.File(L"c.txt"), d = scratch.File(L"d.txt");
  for (const Paths& drop : {Paths{c}, Paths{d, a}}) {
    testing::TemboNotchProcess program;
    ASSERT_TRUE(program.started());
    ASSERT_TRUE(program.WaitUntilIdle());
    const HWND island = testing::FindProcessWindow(L"ShellIlha", program.id());
    ASSERT_NE(island, nullptr);
    ASSERT_TRUE(testing::PumpUntil([&] { return IsWindowVisible(island) != FALSE; }));

    DWORD effect = DROPEFFECT_NONE;
    EXPECT_EQ(DropOnIsland(island, drop, effect), DRAGDROP_S_DROP);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY));
    const Paths expected = drop.front() == c ? Paths{a, b, c} : Paths{a, b, c, d};
    EXPECT_TRUE(testing::PumpUntil([&] { return SavedShelf() == expected; }));
    EXPECT_EQ(SavedShelf(), expected);
    EXPECT_EQ(program.Close(), 0u);
  }
}

}  // namespace
}  // namespace notch
