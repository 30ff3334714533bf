// The notification listener over a fake source, handing its blocks to the
// real island core as the host window does.
#include "host/notification_listener.h"

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>

#include "support/island_fixture.h"

namespace notch {
namespace {

// Lists scripted per poll; the last list repeats once the script runs out.
class FakeNotificationSource final : public NotificationSource {
 public:
  NotificationAccess status = NotificationAccess::Allowed;
  NotificationAccess answer = NotificationAccess::Allowed;
  int requests = 0;
  std::vector<std::vector<ToastEntry>> polls;
  std::map<std::uint32_t, ToastContent> contents;
  std::size_t polls_made = 0;
  std::function<void()> throw_on_poll;  // run before a poll returns

  NotificationAccess AccessStatus() override { return status; }
  NotificationAccess RequestAccess() override {
    ++requests;
    return answer;
  }
  std::vector<ToastEntry> CurrentToasts() override {
    if (throw_on_poll) throw_on_poll();
    const std::size_t index = std::min(polls_made, polls.empty() ? 0 : polls.size() - 1);
    ++polls_made;
    last_ = polls.empty() ? std::vector<ToastEntry>{} : polls[index];
    return last_;
  }
  ToastContent Content(std::size_t index) override { return contents.at(last_.at(index).id); }

 private:
  std::vector<ToastEntry> last_;
};

class NotificationListenerTest : public testing::IslandFixture, public NotificationListenerHost {
 protected:
  // The host window: exists for `polls_left` polls, receives blocks as
  // WM_APP+2 does and lets a second of island time pass between polls.
  bool WindowExists() override { return polls_left-- > 0; }
  bool Post(std::uintptr_t parameter) override {
    if (!post_succeeds) return false;
    ++posts;
    const auto block = hand_off.Receive(parameter, 0x8002);
    if (!block) return true;
    const auto& s = block->strings;
    island_.ShowNotification(s[NotificationBlock::kAppName], s[NotificationBlock::kTitle], s[NotificationBlock::kBody],
                             NotificationClickAction(s[NotificationBlock::kAppUserModelId],
                                                     [this](const std::wstring& target) { opened.push_back(target); }));
    return true;
  }
  void WaitBetweenPolls() override { Run(kNotificationPollMs); }

  void RunListener(int polls) {
    polls_left = polls;
    listener.Run();
  }

  void AddToast(std::uint32_t id, std::int64_t created, ToastContent content) {
    source.contents[id] = std::move(content);
    toasts.push_back({id, created});
  }

  FakeNotificationSource source;
  HandOff<NotificationBlock> hand_off;
  NotificationListener listener{source, *this, hand_off};
  std::vector<ToastEntry> toasts;
  std::vector<std::wstring> opened;
  int polls_left = 0;
  int posts = 0;
  bool post_succeeds = true;
};

TEST_F(NotificationListenerTest, ANewToastBecomesAFourAndAHalfSecondCardThatOpensItsApplication) {
  Start();
  AddToast(7, 100,
           {L"Mail",
            L"microsoft.windowscommunicationsapps_8wekyb3d8bbwe!microsoft.windowslive.mail",
            {L"Ana", L"Lunch", L"at one?"}});
  source.polls = {{}, toasts};
  RunListener(2);
  ASSERT_EQ(state(), IslandState::Notification);
  EXPECT_EQ(record().card.title, L"Ana");
  EXPECT_EQ(record().card.subtitle, L"Lunch at one?");
  EXPECT_EQ(record().card.glyph, 0);
  EXPECT_EQ(platform_.timers[island_timer::kCard], 4500u);
  EXPECT_EQ(hand_off.outstanding(), 0u);

  Settle();
  Click(ShapeCentre());
  EXPECT_FALSE(record().notification_pending);
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0],
            L"shell:AppsFolder\\microsoft.windowscommunicationsapps_8wekyb3d8bbwe!microsoft.windowslive.mail");
}

TEST_F(NotificationListenerTest, TitleOnlyAndTextlessToastsFallBackOnTheApplicationName) {
  Start();
  AddToast(1, 10, {L"Teams", L"teams", {L"Call ended"}});
  source.polls = {{}, toasts};
  RunListener(2);
  EXPECT_EQ(record().card.title, L"Call ended");
  EXPECT_EQ(record().card.subtitle, L"Teams");

  AddToast(2, 20, {L"Teams", L"teams", {}});
  source.polls = {toasts};
  RunListener(1);
  EXPECT_EQ(record().card.title, L"Teams");
  EXPECT_EQ(record().card.subtitle, L"");

  AddToast(3, 30, {L"", L"", {L"", L"only body"}});  // no title, no application name
  source.polls = {toasts};
  RunListener(1);
  EXPECT_EQ(record().card.title, L"");
  EXPECT_EQ(record().card.subtitle, L"only body");
}

TEST_F(NotificationListenerTest, OfSeveralNewToastsOnlyTheNewestIsShownAndTheOthersCountAsSeen) {
  Start();
  AddToast(1, 500, {L"A", L"a", {L"older"}});
  AddToast(2, 900, {L"B", L"b", {L"newer"}});
  AddToast(3, 900, {L"C", L"c", {L"same time, later in the list"}});
  AddToast(4, 200, {L"D", L"d", {L"oldest"}});
  source.polls = {{}, toasts};
  RunListener(4);
  EXPECT_EQ(posts, 1);
  EXPECT_EQ(record().card.title, L"newer");
  EXPECT_EQ(listener.seen().size(), 4u);
}

TEST_F(NotificationListenerTest, ToastsListedAtStartUpAreNeverShownAndAToastIsShownOnceWhileListed) {
  Start();
  AddToast(1, 10, {L"A", L"a", {L"was there"}});
  source.polls = {toasts};
  RunListener(3);
  EXPECT_EQ(posts, 0);
  EXPECT_FALSE(listener.first_poll());

  AddToast(2, 5, {L"B", L"b", {L"new, though created earlier"}});
  source.polls = {toasts, toasts, {toasts[1]}, {toasts[1]}};
  RunListener(4);
  EXPECT_EQ(posts, 1);
  EXPECT_EQ(record().card.title, L"new, though created earlier");
}

TEST_F(NotificationListenerTest, AToastWithoutAnApplicationIdGivesACardWhoseClickOnlyDismissesIt) {
  Start();
  AddToast(1, 10, {L"Legacy", L"", {L"Hi"}});
  source.polls = {{}, toasts};
  RunListener(2);
  Settle();
  ASSERT_EQ(state(), IslandState::Notification);
  Click(ShapeCentre());
  EXPECT_EQ(state(), IslandState::Idle);
  EXPECT_TRUE(opened.empty());
}

TEST_F(NotificationListenerTest, WithNotificationsOffNothingAppearsWhileThePollingGoesOn) {
  Start(L"ilha_notificacoes=0\n");
  AddToast(1, 10, {L"A", L"a", {L"one"}});
  source.polls = {{}, toasts};
  RunListener(3);
  EXPECT_EQ(source.polls_made, 3u);
  EXPECT_EQ(posts, 1);
  EXPECT_FALSE(record().notification_pending);
  EXPECT_EQ(state(), IslandState::Idle);
  EXPECT_EQ(hand_off.outstanding(), 0u);

  // Turned on again, the same toast is not shown late: it counts as seen.
  Setting(L"ilha_notificacoes", L"1");
  RunListener(2);
  EXPECT_FALSE(record().notification_pending);
}

TEST_F(NotificationListenerTest, AccessIsAskedForOnlyWhenUnspecifiedAndAnythingButAllowedEndsSilently) {
  Start();
  source.status = NotificationAccess::Unspecified;
  source.answer = NotificationAccess::Denied;
  RunListener(5);
  EXPECT_EQ(source.requests, 1);
  EXPECT_EQ(source.polls_made, 0u);
  EXPECT_EQ(polls_left, 5);  // the window was never even asked about

  source.status = NotificationAccess::Denied;
  RunListener(5);
  EXPECT_EQ(source.requests, 1);
  EXPECT_EQ(source.polls_made, 0u);

  source.status = NotificationAccess::Unspecified;
  source.answer = NotificationAccess::Allowed;
  RunListener(2);
  EXPECT_EQ(source.requests, 2);
  EXPECT_EQ(source.polls_made, 2u);
  for (const auto& line : log_.lines()) EXPECT_EQ(line.find(L"notification listener"), std::wstring::npos) << line;
}

TEST_F(NotificationListenerTest, ErrorsEndTheRoutineWithTheirLogLine) {
  Start();
  source.throw_on_poll = [] { throw NotificationSourceError(L"Class not registered"); };
  RunListener(5);
  EXPECT_EQ(polls_left, 4);
  source.throw_on_poll = [] { throw std::bad_alloc(); };
  RunListener(5);
  EXPECT_EQ(polls_left, 4);
  const auto lines = log_.lines();
  EXPECT_NE(std::find(lines.begin(), lines.end(), L"notification listener: Class not registered"), lines.end());
  EXPECT_NE(std::find(lines.begin(), lines.end(), L"notification listener stopped"), lines.end());
}

TEST_F(NotificationListenerTest, ABlockWhosePostFailsIsFreedByTheListener) {
  Start();
  AddToast(1, 10, {L"A", L"a", {L"lost"}});
  source.polls = {{}, toasts};
  post_succeeds = false;
  RunListener(2);
  EXPECT_EQ(hand_off.outstanding(), 0u);
  EXPECT_FALSE(record().notification_pending);
}

TEST(NotificationBlockTest, TheTitleIsTheFirstTextAndTheBodyTheOthersJoinedBySingleSpaces) {
  const NotificationBlock block = BuildNotificationBlock({L"App", L"app!id", {L"T", L"first", L"", L"third"}});
  EXPECT_EQ(block.strings[NotificationBlock::kAppName], L"App");
  EXPECT_EQ(block.strings[NotificationBlock::kTitle], L"T");
  EXPECT_EQ(block.strings[NotificationBlock::kBody], L"first  third");
  EXPECT_EQ(block.strings[NotificationBlock::kAppUserModelId], L"app!id");
  EXPECT_EQ(NewestUnseenToast({}, {}), -1);
  EXPECT_EQ(NewestUnseenToast({{1, 5}, {2, 5}}, {}), 0);
  EXPECT_EQ(NewestUnseenToast({{1, 9}, {2, 5}}, {1}), 1);
}

}  // namespace
}  // namespace notch
