// The shelf's Windows side: estante.txt saved through a temporary file, and
// the drop target reading CF_HDROP data.
#include <windows.h>

#include <gtest/gtest.h>

#include "activities/island_activity_set.h"
#include "activities/shelf_drag_drop_win.h"
#include "activities/shelf_file.h"
#include "activities/shelf_file_win.h"
#include "common/ini_document.h"
#include "file_drop_data.h"
#include "host/language.h"
#include "scratch_folder.h"
#include "shell/ilha/island.h"
#include "shell/ilha/virtual_island.h"

namespace notch {
namespace {

using Paths = std::vector<std::wstring>;

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

TEST(ShelfFileWinTest, ASaveMakesTheFolderAndReplacesTheFileWhole) {
  testing::ScratchFolder scratch;
  const std::wstring path = scratch.path() + L"\\StandaloneTemboNotch\\estante.txt";
  ASSERT_TRUE(WriteShelfFile(path, ShelfFileText({L"C:\\a.txt", L"C:\\b.txt"})));
  ASSERT_TRUE(WriteShelfFile(path, ShelfFileText({L"C:\\\u00E9t\u00E9.txt"})));
  const auto bytes = ReadShelfFile(path);
  ASSERT_TRUE(bytes);
  EXPECT_EQ(*bytes,
            "\xEF\xBB\xBF"
            "C:\\\xC3\xA9t\xC3\xA9.txt\r\n");
  EXPECT_FALSE(Exists(ShelfTemporaryPath(path)));
  EXPECT_FALSE(ReadShelfFile(scratch.path() + L"\\missing.txt"));
}

TEST(ShelfFileWinTest, AnInterruptedSaveNeverLeavesTheFileEmptyOrHalfWritten) {
  testing::ScratchFolder scratch;
  const std::wstring path = scratch.path() + L"\\estante.txt";
  const Paths kept = {scratch.File(L"a.txt"), scratch.File(L"b.txt")};
  ASSERT_TRUE(WriteShelfFile(path, ShelfFileText(kept)));

  // A save that died part-way left its temporary file behind.
  const std::string next = ShelfFileText({scratch.File(L"c.txt"), scratch.File(L"d.txt")});
  scratch.File(L"estante.txt.tmp", next.substr(0, next.size() / 2));
  ShelfPorts ports;
  ports.read_file = [&] { return ReadShelfFile(path); };
  ports.write_file = [&](std::string_view b) { return WriteShelfFile(path, b); };
  ports.exists = Exists;
  ShelfActivity shelf(ports);
  shelf.Load();
  EXPECT_EQ(shelf.list().entries(), kept);

  // A save that cannot write its temporary file leaves the old file alone.
  DeleteFileW(ShelfTemporaryPath(path).c_str());
  ASSERT_TRUE(CreateDirectoryW(ShelfTemporaryPath(path).c_str(), nullptr));
  shelf.Drop({scratch.File(L"e.txt")});
  EXPECT_EQ(shelf.list().size(), 3u);  // in memory all the same
  EXPECT_EQ(ReadShelfFileText(*ReadShelfFile(path)), kept);

  // The next save that can write replaces the file whole.
  RemoveDirectoryW(ShelfTemporaryPath(path).c_str());
  ASSERT_TRUE(shelf.Save());
  EXPECT_EQ(ReadShelfFileText(*ReadShelfFile(path)), shelf.list().entries());
  EXPECT_FALSE(Exists(ShelfTemporaryPath(path)));
}

TEST(ShelfFileWinTest, OnlyTheBeginningOfAnOversizedFileIsRead) {
  testing::ScratchFolder scratch;
  const std::string line = "C:\\" + std::string(1000, 'x') + "\r\n";
  std::string huge;
  while (huge.size() <= kShelfFileReadLimit) huge += line;
  const std::wstring path = scratch.File(L"estante.txt", huge);
  const auto bytes = ReadShelfFile(path);
  ASSERT_TRUE(bytes);
  EXPECT_EQ(bytes->size(), static_cast<std::size_t>(kShelfFileReadLimit));
  EXPECT_EQ(*bytes, huge.substr(0, kShelfFileReadLimit));
}

class ShelfDropTargetTest : public ::testing::Test {
 protected:
  ShelfDropTargetTest() {
    SetLanguageFlag(kEnglish);
    file_ = IniDocument::Parse(L"[Notch]\n");
    island_.Start();
    platform_.Advance(1000, island_);
  }
  ~ShelfDropTargetTest() override { target_->Release(); }

  static ActivityPorts Ports(ShelfDropTargetTest* t) {
    ActivityPorts ports;
    ports.shelf.write_file = [t](std::string_view bytes) {
      t->saved_ = std::string(bytes);
      return true;
    };
    return ports;
  }
  ShelfActivity& shelf() { return activities_.shelf(); }

  std::string saved_;
  FontSet fonts_;
  IniDocument file_;
  Settings settings_{file_};
  HostState host_;
  MediaState media_;
  VirtualIslandPlatform platform_;
  VirtualPanel panel_;
  IslandActivitySet activities_{fonts_, settings_, Ports(this)};
  Island island_{platform_, panel_, activities_, settings_, host_, media_};
  ShelfDropTarget* target_ = new ShelfDropTarget(activities_.shelf());
};

TEST_F(ShelfDropTargetTest, FileNamesAreTakenAsACopyAndAddedToTheShelf) {
  // A name far longer than any fixed buffer the shell's examples use.
  std::wstring long_name = L"C:\\";
  while (long_name.size() < 700) long_name += L"pasta-longa\\";
  long_name += L"arquivo.txt";
  auto* data = new testing::FileDropData({L"C:\\a.txt", L"D:\\\u00FCber\\b.txt", long_name, L"C:\\a.txt"});
  DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;
  ASSERT_EQ(target_->DragEnter(data, MK_LBUTTON, {10, 10}, &effect), S_OK);
  EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY));
  EXPECT_TRUE(island_.record().drag_over);
  EXPECT_EQ(island_.record().page, page::kShelf);
  effect = DROPEFFECT_MOVE;
  target_->DragOver(MK_LBUTTON, {12, 10}, &effect);
  EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY));

  effect = DROPEFFECT_MOVE;
  ASSERT_EQ(target_->Drop(data, 0, {12, 10}, &effect), S_OK);
  EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY));
  EXPECT_EQ(shelf().list().entries(), (Paths{L"C:\\a.txt", L"D:\\\u00FCber\\b.txt", long_name}));
  EXPECT_EQ(ReadShelfFileText(saved_), shelf().list().entries());
  EXPECT_FALSE(island_.record().drag_over);
  EXPECT_EQ(platform_.timers[island_timer::kCollapse], 1500u);
  data->Release();
}

TEST_F(ShelfDropTargetTest, DataWithoutFileNamesIsRefused) {
  auto* data = new testing::FileDropData({L"C:\\a.txt"}, false);
  DWORD effect = DROPEFFECT_COPY;
  target_->DragEnter(data, MK_LBUTTON, {10, 10}, &effect);
  EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
  effect = DROPEFFECT_COPY;
  target_->DragOver(MK_LBUTTON, {10, 10}, &effect);
  EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
  EXPECT_FALSE(island_.record().expanded);
  target_->DragLeave();
  EXPECT_EQ(platform_.timers[island_timer::kCollapse], 400u);
  EXPECT_TRUE(shelf().list().empty());
  data->Release();
}

}  // namespace
}  // namespace notch
