// The counts the soak reads from inside the program: its heaps, the handles
// the system lists for it and its windows, which must follow what the
// process really holds (under Wine the usual counters read 0).
#include "idle-probe/process_objects_win.h"

#include <gtest/gtest.h>

#include <vector>

namespace notch::idle {
namespace {

TEST(ProcessObjectsTest, HeapFiguresFollowBlocksTakenAndFreed) {
  const HANDLE heap = HeapCreate(0, 0, 0);
  ASSERT_NE(heap, nullptr);
  const HeapFigures before = WalkOwnHeaps();
  EXPECT_GE(before.heaps, 2u);  // the process heap and this one at least

  std::vector<void*> blocks;
  for (int i = 0; i < 200; ++i) blocks.push_back(HeapAlloc(heap, 0, 16 * 1024));
  void* large = HeapAlloc(heap, 0, 8 * 1024 * 1024);  // beyond any region: a block of its own
  ASSERT_NE(large, nullptr);
  const HeapFigures taken = WalkOwnHeaps();
  EXPECT_EQ(taken.heaps, before.heaps);
  EXPECT_GE(taken.busy_bytes, before.busy_bytes + 200 * 16 * 1024 + 8 * 1024 * 1024);
  EXPECT_LE(taken.busy_bytes, before.busy_bytes + 200 * 17 * 1024 + 9 * 1024 * 1024);
  EXPECT_GE(taken.committed_bytes, before.committed_bytes + 200 * 16 * 1024);

  for (void* block : blocks) HeapFree(heap, 0, block);
  HeapFree(heap, 0, large);
  const HeapFigures freed = WalkOwnHeaps();
  EXPECT_LE(freed.busy_bytes, before.busy_bytes + 64 * 1024);
  HeapDestroy(heap);
  EXPECT_EQ(WalkOwnHeaps().heaps, before.heaps - 1);
}

TEST(ProcessObjectsTest, ListedHandlesAreTheProcesssOwn) {
  const DWORD self = GetCurrentProcessId();
  const ULONG before = CountListedHandles(self);
  ASSERT_GT(before, 0u) << "the system's handle table could not be read";
  std::vector<HANDLE> events;
  for (int i = 0; i < 25; ++i) events.push_back(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  const ULONG holding = CountListedHandles(self);
  EXPECT_GE(holding, before + 25);
  EXPECT_LE(holding, before + 30);
  for (const HANDLE event : events) CloseHandle(event);
  EXPECT_LE(CountListedHandles(self), before + 3);
  // No process has this id (ids are multiples of four).
  EXPECT_EQ(CountListedHandles(0xFFFFFFF1), 0u);
}

// A top-level window with three children under it; returns the top one.
HWND MakeWindows() {
  const HWND top = CreateWindowExW(0, L"STATIC", L"counted", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
  const HWND child = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 10, 10, top, nullptr, nullptr, nullptr);
  CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 5, 5, child, nullptr, nullptr, nullptr);  // a grandchild
  CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 10, 0, 10, 10, top, nullptr, nullptr, nullptr);
  return top;
}

TEST(ProcessObjectsTest, WindowsCountTopLevelOnesAndTheirChildren) {
  const DWORD self = GetCurrentProcessId();
  // The thread's first window brings a window of the system's own (the
  // input method's) that lives as long as the thread has windows: an anchor
  // window keeps it there throughout.
  const HWND anchor = MakeWindows();
  const ULONG before = CountWindows(self);
  const HWND top = MakeWindows();
  ASSERT_NE(top, nullptr);
  EXPECT_EQ(CountWindows(self), before + 4);
  DestroyWindow(top);
  EXPECT_EQ(CountWindows(self), before);
  DestroyWindow(anchor);
}

TEST(ProcessObjectsTest, GdiObjectsInTheHandleTableAreCountedAndReleased) {
  struct Made {
    std::vector<HGDIOBJ> objects;
    HDC memory = nullptr;
  };
  const auto make = [] {
    Made made;
    for (int i = 0; i < 40; ++i) made.objects.push_back(CreateSolidBrush(RGB(i, 0, 0)));
    for (int i = 0; i < 5; ++i) made.objects.push_back(CreateBitmap(8, 8, 1, 32, nullptr));
    const HDC screen = GetDC(nullptr);
    made.memory = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    return made;
  };
  const auto release = [](const Made& made) {
    DeleteDC(made.memory);
    for (const HGDIOBJ object : made.objects) DeleteObject(object);
  };
  // The first screen DC fills a cache of the system's own that stays.
  release(make());
  const ULONG before = CountOwnGdiObjects();
  ASSERT_GT(before, 0u) << "the GDI handle table was not found";  // the stock objects at least
  const Made made = make();
  EXPECT_EQ(CountOwnGdiObjects(), before + 46);
  release(made);
  EXPECT_EQ(CountOwnGdiObjects(), before);
}

}  // namespace
}  // namespace notch::idle
