#include "activities/download_watch.h"

#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <mutex>
#include <thread>

namespace notch {
namespace {

namespace fc = folder_change;

// Appends one folder-change record; `last` leaves the next-record offset 0.
void AppendRecord(std::vector<std::uint8_t>& buffer, std::uint32_t action, const std::u16string& name, bool last) {
  const auto put = [&](std::uint32_t value) {
    for (int i = 0; i < 4; ++i) buffer.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
  };
  std::size_t size = 12 + 2 * name.size();
  size = (size + 3) & ~std::size_t{3};
  put(last ? 0 : static_cast<std::uint32_t>(size));
  put(action);
  put(static_cast<std::uint32_t>(2 * name.size()));
  const std::size_t start = buffer.size() - 12;
  for (const char16_t unit : name) {
    buffer.push_back(static_cast<std::uint8_t>(unit & 0xFF));
    buffer.push_back(static_cast<std::uint8_t>(unit >> 8));
  }
  while (buffer.size() - start < size) buffer.push_back(0);
}

TEST(DownloadWatchTest, ReadsEveryRecordOfAChangeBuffer) {
  std::vector<std::uint8_t> buffer;
  AppendRecord(buffer, fc::kRenamedOldName, u"file.zip.crdownload", false);
  AppendRecord(buffer, fc::kRenamedNewName, u"file.zip", false);
  AppendRecord(buffer, fc::kAdded, u"caf\u00e9 \U0001F600.txt", true);
  const std::vector<FolderChange> changes = ReadFolderChanges(buffer.data(), buffer.size());
  ASSERT_EQ(changes.size(), 3u);
  EXPECT_EQ(changes[0], (FolderChange{fc::kRenamedOldName, L"file.zip.crdownload"}));
  EXPECT_EQ(changes[1], (FolderChange{fc::kRenamedNewName, L"file.zip"}));
  EXPECT_EQ(changes[2].name, L"caf\u00e9 \U0001F600.txt");  // the surrogate pair is one character
}

TEST(DownloadWatchTest, ABrokenBufferEndsTheListWithoutReadingPastIt) {
  std::vector<std::uint8_t> buffer;
  AppendRecord(buffer, fc::kAdded, u"a.txt", false);
  AppendRecord(buffer, fc::kAdded, u"b.txt", true);
  // The second record cut short: its name runs past the end.
  std::vector<std::uint8_t> cut(buffer.begin(), buffer.end() - 6);
  EXPECT_EQ(ReadFolderChanges(cut.data(), cut.size()).size(), 1u);
  // A next-record offset inside the header, and one past the end.
  std::vector<std::uint8_t> looping = buffer;
  looping[0] = 4;
  EXPECT_EQ(ReadFolderChanges(looping.data(), looping.size()).size(), 0u);
  std::vector<std::uint8_t> beyond = buffer;
  beyond[0] = 0xF0;
  EXPECT_EQ(ReadFolderChanges(beyond.data(), beyond.size()).size(), 1u);
  // A name longer than its record.
  std::vector<std::uint8_t> long_name = buffer;
  long_name[8] = 40;
  EXPECT_EQ(ReadFolderChanges(long_name.data(), long_name.size()).size(), 0u);
  EXPECT_TRUE(ReadFolderChanges(nullptr, 0).empty());
  EXPECT_TRUE(ReadFolderChanges(buffer.data(), 11).empty());
}

TEST(DownloadWatchTest, PartialTemporaryAndHiddenNamesAreIgnored) {
  for (const wchar_t* name :
       {L"file.zip.crdownload", L"film.mkv.PART", L"x.tmp", L"y.partial", L"z.download", L"w.opdownload",
        L"Unconfirmed 123456.crdownload", L"unconfirmed 1", L"~$report.docx", L".hidden", L"sub\\file.zip", L""}) {
    EXPECT_TRUE(IsIgnoredDownloadName(name)) << name;
  }
  for (const wchar_t* name : {L"file.zip", L"part", L"report.partial.pdf", L"unconfirmed.zip", L"a~b.txt",
                              L"notes.download.txt", L"Relat\u00d3rio.PDF"}) {
    EXPECT_FALSE(IsIgnoredDownloadName(name)) << name;
  }
}

TEST(DownloadWatchTest, OnlyAddedAndRenamedToNamesAreChecked) {
  const std::vector<FolderChange> changes = {
      {fc::kAdded, L"file.zip.crdownload"},
      {fc::kModified, L"file.zip.crdownload"},
      {fc::kRenamedOldName, L"file.zip.crdownload"},
      {fc::kRenamedNewName, L"file.zip"},
      {fc::kRemoved, L"old.zip"},
      {fc::kAdded, L"photo.png"},
      {fc::kAdded, L"File.ZIP"},  // the same file again, by the folder's rules
  };
  EXPECT_EQ(
      DownloadsToCheck(L"C:\\Users\\ana\\Downloads", changes),
      (std::vector<std::wstring>{L"C:\\Users\\ana\\Downloads\\file.zip", L"C:\\Users\\ana\\Downloads\\photo.png"}));
  EXPECT_EQ(DownloadsToCheck(L"D:\\", {{fc::kAdded, L"a.txt"}}), (std::vector<std::wstring>{L"D:\\a.txt"}));
}

TEST(DownloadWatchTest, AFinishedDownloadIsANonEmptyFile) {
  EXPECT_TRUE(IsFinishedDownload({true, false, 1}));
  EXPECT_FALSE(IsFinishedDownload({true, false, 0}));    // zero bytes
  EXPECT_FALSE(IsFinishedDownload({true, true, 4096}));  // a folder
  EXPECT_FALSE(IsFinishedDownload({false, false, 0}));   // gone
}

// The watcher and its checks over a scripted folder and disk.
class DownloadWatcherTest : public ::testing::Test {
 protected:
  static constexpr const wchar_t* kFolder = L"C:\\Users\\ana\\Downloads";

  DownloadWatcherTest() {
    watch_.next_changes = [this]() -> std::optional<std::vector<FolderChange>> {
      if (batches_.empty()) return std::nullopt;
      std::vector<FolderChange> batch = std::move(batches_.front());
      batches_.pop_front();
      return batch;
    };
    watch_.start_check = [this](const std::wstring& path) { started_.push_back(path); };
    check_.sleep = [this](unsigned ms) { slept_ms_ += ms; };
    check_.facts = [this](const std::wstring& path) {
      const auto found = disk_.find(path);
      return found == disk_.end() ? DownloadFileFacts{} : found->second;
    };
    check_.island_exists = [this] { return island_exists_; };
    check_.report = [this](const std::wstring& path) { reported_.push_back(path); };
  }
  std::wstring Path(const wchar_t* name) const { return std::wstring(kFolder) + L"\\" + name; }
  // Runs the checks the watcher started, in order.
  void RunChecks() {
    for (const std::wstring& path : started_) CheckDownload(path, check_, pending_);
    started_.clear();
  }

  std::deque<std::vector<FolderChange>> batches_;
  std::map<std::wstring, DownloadFileFacts> disk_;
  bool island_exists_ = true;
  unsigned slept_ms_ = 0;
  std::vector<std::wstring> started_, reported_;
  DownloadWatchPorts watch_;
  DownloadCheckPorts check_;
  PendingDownloadChecks pending_;
};

TEST_F(DownloadWatcherTest, ABrowserRenamingItsPartialFileGivesOneNoticeForTheFinalName) {
  batches_ = {{{fc::kAdded, L"Unconfirmed 4711.crdownload"}},
              {{fc::kRenamedOldName, L"Unconfirmed 4711.crdownload"}, {fc::kRenamedNewName, L"file.zip.crdownload"}},
              {{fc::kRenamedOldName, L"file.zip.crdownload"}, {fc::kRenamedNewName, L"file.zip"}}};
  disk_[Path(L"file.zip")] = {true, false, 52000};
  WatchDownloads(kFolder, watch_, pending_);
  EXPECT_EQ(started_, std::vector<std::wstring>{Path(L"file.zip")});
  RunChecks();
  EXPECT_EQ(slept_ms_, kDownloadSettleMs);
  EXPECT_EQ(reported_, std::vector<std::wstring>{Path(L"file.zip")});
  EXPECT_EQ(pending_.size(), 0u);
}

TEST_F(DownloadWatcherTest, APlaceholderAndThePartialFileRenamedOverItGiveOneNotice) {
  // The final name appears empty, and the finished partial file is renamed
  // over it before the first check has looked.
  batches_ = {
      {{fc::kAdded, L"film.mkv"}, {fc::kAdded, L"film.mkv.part"}},
      {{fc::kRemoved, L"film.mkv"}, {fc::kRenamedOldName, L"film.mkv.part"}, {fc::kRenamedNewName, L"film.mkv"}}};
  disk_[Path(L"film.mkv")] = {true, false, 700};
  WatchDownloads(kFolder, watch_, pending_);
  EXPECT_EQ(started_.size(), 1u);
  RunChecks();
  EXPECT_EQ(reported_.size(), 1u);

  // Once that check is over, the same name counts again.
  batches_ = {{{fc::kRenamedNewName, L"film.mkv"}}};
  WatchDownloads(kFolder, watch_, pending_);
  RunChecks();
  EXPECT_EQ(reported_.size(), 2u);
}

TEST_F(DownloadWatcherTest, SubfoldersEmptyFilesVanishedFilesAndFoldersGiveNothing) {
  batches_ = {{{fc::kAdded, L"fotos\\praia.png"},
               {fc::kAdded, L"empty.txt"},
               {fc::kAdded, L"gone.zip"},
               {fc::kAdded, L"New folder"}}};
  disk_[Path(L"fotos\\praia.png")] = {true, false, 900};
  disk_[Path(L"empty.txt")] = {true, false, 0};
  disk_[Path(L"New folder")] = {true, true, 0};
  WatchDownloads(kFolder, watch_, pending_);
  EXPECT_EQ(started_.size(), 3u);  // the subfolder's file is not even looked at
  RunChecks();
  EXPECT_TRUE(reported_.empty());
  EXPECT_EQ(pending_.size(), 0u);
}

TEST_F(DownloadWatcherTest, NothingIsReportedWithoutAnIslandWindow) {
  batches_ = {{{fc::kAdded, L"file.zip"}}};
  disk_[Path(L"file.zip")] = {true, false, 10};
  island_exists_ = false;
  WatchDownloads(kFolder, watch_, pending_);
  RunChecks();
  EXPECT_TRUE(reported_.empty());
}

}  // namespace
}  // namespace notch

namespace notch {
namespace {

// The watcher and its checks on real threads, as the program runs them: the
// pending set is shared, and each check ends its own entry.
TEST(DownloadWatchThreadedTest, ChecksOnTheirOwnThreadsReportEachPathOnce) {
  std::deque<std::vector<FolderChange>> batches;
  for (int i = 0; i < 20; ++i) {
    const std::wstring name = L"file" + std::to_wstring(i % 5) + L".zip";
    batches.push_back({{folder_change::kAdded, name}, {folder_change::kRenamedNewName, name}});
  }
  PendingDownloadChecks pending;
  std::mutex mutex;
  std::vector<std::wstring> reported;
  std::vector<std::thread> checks;
  DownloadCheckPorts check;
  check.sleep = [](unsigned) {};
  check.facts = [](const std::wstring&) { return DownloadFileFacts{true, false, 1}; };
  check.island_exists = [] { return true; };
  check.report = [&](const std::wstring& path) {
    std::lock_guard lock(mutex);
    reported.push_back(path);
  };
  DownloadWatchPorts watch;
  watch.next_changes = [&]() -> std::optional<std::vector<FolderChange>> {
    if (batches.empty()) return std::nullopt;
    std::vector<FolderChange> batch = std::move(batches.front());
    batches.pop_front();
    return batch;
  };
  watch.start_check = [&](const std::wstring& path) {
    checks.emplace_back([&, path] { CheckDownload(path, check, pending); });
  };
  WatchDownloads(L"C:\\D", watch, pending);
  for (std::thread& thread : checks) thread.join();
  EXPECT_EQ(pending.size(), 0u);
  // Every check reported once; a path is never reported by two checks at once.
  EXPECT_EQ(reported.size(), checks.size());
  EXPECT_GE(checks.size(), 5u);
  EXPECT_LE(checks.size(), 20u);
}

}  // namespace
}  // namespace notch
