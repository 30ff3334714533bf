// The listener on its own thread, handing blocks to the window thread that
// owns the island: each poll is released by the test, and the test waits for
// what the listener reports, never for time.
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

#include "host/notification_listener.h"
#include "support/island_fixture.h"

namespace notch {
namespace {

constexpr auto kGuard = std::chrono::seconds(30);

class ScriptedSource final : public NotificationSource {
 public:
  explicit ScriptedSource(std::vector<std::vector<ToastEntry>> polls) : polls_(std::move(polls)) {}
  NotificationAccess AccessStatus() override { return NotificationAccess::Allowed; }
  NotificationAccess RequestAccess() override { return NotificationAccess::Allowed; }
  std::vector<ToastEntry> CurrentToasts() override {
    last_ = polls_.at(std::min(next_++, polls_.size() - 1));
    return last_;
  }
  ToastContent Content(std::size_t index) override {
    const std::uint32_t id = last_.at(index).id;
    return {L"App", L"app!" + std::to_wstring(id), {L"Toast " + std::to_wstring(id)}};
  }

 private:
  std::vector<std::vector<ToastEntry>> polls_;
  std::vector<ToastEntry> last_;
  std::size_t next_ = 0;
};

class NotificationListenerThreadedTest : public testing::IslandFixture, public NotificationListenerHost {
 protected:
  bool WindowExists() override {
    std::unique_lock lock(mutex_);
    // Each poll waits to be released; closing the window releases them all.
    changed_.wait(lock, [this] { return released_ > started_ || closed_; });
    if (closed_) return false;
    ++started_;
    return true;
  }
  bool Post(std::uintptr_t parameter) override {
    std::lock_guard lock(mutex_);
    if (refuse_posts_) return false;
    posted_.push_back(parameter);
    return true;
  }
  void WaitBetweenPolls() override {
    std::lock_guard lock(mutex_);
    ++finished_;
    changed_.notify_all();
  }

  // Releases one poll and waits for it to end; returns what it posted.
  std::deque<std::uintptr_t> PollOnce() {
    std::unique_lock lock(mutex_);
    ++released_;
    changed_.notify_all();
    EXPECT_TRUE(changed_.wait_for(lock, kGuard, [this] { return finished_ == released_; }));
    return std::exchange(posted_, {});
  }

  // The host window's side of WM_APP+2.
  void Deliver(std::uintptr_t parameter) {
    const auto block = hand_off_.Receive(parameter, 0x8002);
    ASSERT_NE(block, nullptr);
    island_.ShowNotification(block->strings[0], block->strings[1], block->strings[2], nullptr);
  }

  void CloseWindow() {
    std::lock_guard lock(mutex_);
    closed_ = true;
    changed_.notify_all();
  }

  HandOff<NotificationBlock> hand_off_;
  std::mutex mutex_;
  std::condition_variable changed_;
  int released_ = 0, started_ = 0, finished_ = 0;
  bool closed_ = false;
  bool refuse_posts_ = false;
  std::deque<std::uintptr_t> posted_;
};

TEST_F(NotificationListenerThreadedTest, BlocksCrossToTheWindowThreadAndFailedPostsAreFreedOnTheListenerThread) {
  Start();
  ScriptedSource source({{{1, 10}}, {{1, 10}, {2, 20}}, {{1, 10}, {2, 20}, {3, 30}}, {{4, 40}}});
  NotificationListener listener(source, *this, hand_off_);
  std::thread thread([&listener] { listener.Run(); });

  EXPECT_TRUE(PollOnce().empty());  // what was there at start-up
  auto posted = PollOnce();
  ASSERT_EQ(posted.size(), 1u);
  EXPECT_EQ(hand_off_.outstanding(), 1u);  // registered until the window takes it
  Deliver(posted.front());
  EXPECT_EQ(record().card.title, L"Toast 2");
  EXPECT_EQ(hand_off_.outstanding(), 0u);

  {
    std::lock_guard lock(mutex_);
    refuse_posts_ = true;
  }
  EXPECT_TRUE(PollOnce().empty());
  EXPECT_EQ(hand_off_.outstanding(), 0u);  // the listener took its block back

  {
    std::lock_guard lock(mutex_);
    refuse_posts_ = false;
  }
  posted = PollOnce();
  ASSERT_EQ(posted.size(), 1u);
  Deliver(posted.front());
  EXPECT_EQ(record().card.title, L"Toast 4");

  CloseWindow();
  thread.join();
  EXPECT_EQ(started_, 4);
}

}  // namespace
}  // namespace notch
