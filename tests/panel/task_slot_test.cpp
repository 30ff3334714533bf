#include "panel/task_slot.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <thread>

#include "panel/quick_panel.h"

namespace notch::quick {
namespace {

class ThreadLauncher final : public TaskLauncher {
 public:
  void Launch(std::function<void()> job) override { std::thread(std::move(job)).detach(); }
};

// A real worker thread: the result crosses back only through the future and
// the finished signal.
TEST(TaskSlotThreadedTest, ResultCrossesBackThroughTheFuture) {
  ThreadLauncher launcher;
  std::mutex mutex;
  std::condition_variable done;
  bool finished = false;
  std::mutex gate_mutex;
  std::condition_variable gate;
  bool release = false;
  TaskSlot slot(
      launcher,
      [&] {
        std::lock_guard lock(mutex);
        finished = true;
        done.notify_all();
      },
      Continuation());
  int seen = 0;
  ASSERT_TRUE(slot.Start([&](const std::atomic<bool>&) {
    std::unique_lock lock(gate_mutex);
    gate.wait(lock, [&] { return release; });
    int value = 42;  // computed by the task; the continuation holds a copy
    return Continuation([value, &seen](QuickPanel&) { seen = value; });
  }));
  EXPECT_TRUE(slot.Outstanding());
  EXPECT_FALSE(slot.TakeFinished().has_value());
  EXPECT_FALSE(slot.Start([](const std::atomic<bool>&) { return Continuation(); }));
  {
    std::lock_guard lock(gate_mutex);
    release = true;
  }
  gate.notify_all();
  {
    std::unique_lock lock(mutex);
    ASSERT_TRUE(done.wait_for(lock, std::chrono::seconds(30), [&] { return finished; }));
  }
  auto result = slot.TakeFinished();
  ASSERT_TRUE(result.has_value());
  EXPECT_FALSE(result->cancelled);
  ASSERT_TRUE(result->then);
  EXPECT_TRUE(slot.Idle());
  EXPECT_FALSE(slot.TakeFinished().has_value());
}

}  // namespace
}  // namespace notch::quick
