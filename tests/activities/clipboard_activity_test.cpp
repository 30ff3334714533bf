// The clipboard activity on a real island (virtual platform) over a fake
// clipboard: what it captures, copying back, and the page it draws.
#include "activities/clipboard_activity.h"

#include <gtest/gtest.h>

#include <map>

#include "activities/island_activity_set.h"
#include "activities/media_layout.h"
#include "common/ini_document.h"
#include "host/language.h"
#include "shell/ilha/island.h"
#include "shell/ilha/virtual_island.h"
#include "support/activities_island_test.h"
#include "support/recording_canvas.h"

namespace notch {
namespace {

using testing::CanvasOp;
using K = CanvasOp::Kind;

// A clipboard whose content and failures the test sets.
class FakeClipboard final : public ClipboardPort {
 public:
  std::optional<std::wstring> text;
  std::map<ClipboardFormat, std::optional<std::uint32_t>> marks;  // other formats offered, with their value
  int failing_opens = 0;                                          // the next opens that fail
  bool failing_replace = false;

  int listens = 0, opens = 0, closes = 0;
  std::vector<unsigned> waits;
  std::size_t read_limit = 0;
  bool open = false;

  void Copy(std::wstring copied) {
    text = std::move(copied);
    marks.clear();
  }

  bool Listen() override {
    ++listens;
    return true;
  }
  bool Offers(ClipboardFormat format) const override {
    return format == ClipboardFormat::UnicodeText ? text.has_value() : marks.count(format) != 0;
  }
  bool Open() override {
    ++opens;
    if (failing_opens > 0) {
      --failing_opens;
      return false;
    }
    open = true;
    return true;
  }
  void Close() override {
    EXPECT_TRUE(open);
    open = false;
    ++closes;
  }
  void Wait(unsigned ms) override { waits.push_back(ms); }
  std::optional<std::uint32_t> ReadValue(ClipboardFormat format) override {
    EXPECT_TRUE(open);
    const auto it = marks.find(format);
    return it == marks.end() ? std::nullopt : it->second;
  }
  std::optional<std::wstring> ReadText(std::size_t max_length) override {
    EXPECT_TRUE(open);
    read_limit = max_length;
    if (!text) return std::nullopt;
    return text->substr(0, max_length);
  }
  bool Replace(std::wstring_view replacement) override {
    EXPECT_TRUE(open);
    if (failing_replace) {
      text.reset();  // emptied before the failure
      return false;
    }
    Copy(std::wstring(replacement));
    return true;
  }
};

class ClipboardActivityTest : public testing::ActivitiesIslandTest {
 protected:
  ClipboardActivityTest() : ActivitiesIslandTest(Ports(this)) { island_.Start(); }

  static ActivityPorts Ports(ClipboardActivityTest* test) {
    ActivityPorts ports;
    ports.clipboard = &test->clipboard_;
    return ports;
  }

  // Another program copies `text`; the island hears of it.
  void CopyElsewhere(const std::wstring& text) {
    clipboard_.Copy(text);
    island_.OnClipboardUpdate();
  }
  std::vector<std::wstring> History() const {
    std::vector<std::wstring> texts;
    const ClipboardHistory& h = activities_.clipboard().history();
    for (std::size_t i = 0; i < h.size(); ++i) texts.push_back(h[i].text);
    return texts;
  }
  void OpenPage() {
    const RectF shape = island_.CurrentShapeRect();
    const ScreenPoint centre{static_cast<int>(shape.centre().x), 5};
    island_.OnLeftButtonDown(centre);
    island_.OnLeftButtonUp(centre);
    ASSERT_EQ(island_.record().state, IslandState::Expanded);
    island_.SetPage(page::kClipboard);
    platform_.Advance(1000, island_);
  }
  const CanvasOp* TextOp(const std::wstring& text) const {
    for (const CanvasOp* op : canvas_.Ops(K::DrawText)) {
      if (op->text == text) return op;
    }
    return nullptr;
  }
  void ClickAt(PointF point) {
    const ScreenPoint p{static_cast<int>(point.x), static_cast<int>(point.y)};
    island_.OnLeftButtonDown(p);
    island_.OnLeftButtonUp(p);
  }
  void ClickRow(int row) { ClickAt({Box().left + 60.0f, Box().top + 23.0f * static_cast<float>(row) + 10.0f}); }

  FakeClipboard clipboard_;
};

TEST_F(ClipboardActivityTest, TheIslandListensOnceItIsEnabled) {
  EXPECT_EQ(clipboard_.listens, 1);
  island_.ApplySettings();
  EXPECT_EQ(clipboard_.listens, 1);
}

TEST_F(ClipboardActivityTest, CopiedTextsAreKeptTrimmedAndReadUpToTheLimit) {
  CopyElsewhere(L"  hello\r\n");
  CopyElsewhere(L"world");
  CopyElsewhere(L"hello");
  EXPECT_EQ(History(), (std::vector<std::wstring>{L"hello", L"world"}));
  EXPECT_EQ(clipboard_.read_limit, kClipboardTextLimit);
  EXPECT_EQ(clipboard_.opens, clipboard_.closes);
  CopyElsewhere(L" \r\n\t");
  EXPECT_EQ(History().size(), 2u);
}

TEST_F(ClipboardActivityTest, ContentMarkedPrivateOrWithoutTextIsNotKept) {
  clipboard_.Copy(L"secret one");
  clipboard_.marks[ClipboardFormat::ExcludeFromMonitoring] = std::nullopt;
  island_.OnClipboardUpdate();
  EXPECT_EQ(clipboard_.opens, 0);  // turned away before opening

  clipboard_.Copy(L"secret two");
  clipboard_.marks[ClipboardFormat::CanIncludeInHistory] = 0u;
  island_.OnClipboardUpdate();
  EXPECT_EQ(clipboard_.opens, clipboard_.closes);

  clipboard_.text.reset();  // a picture, say
  island_.OnClipboardUpdate();
  EXPECT_TRUE(History().empty());

  // A history mark other than 0, or one too short to hold a value, allows it.
  clipboard_.Copy(L"allowed");
  clipboard_.marks[ClipboardFormat::CanIncludeInHistory] = 1u;
  island_.OnClipboardUpdate();
  clipboard_.Copy(L"unreadable mark");
  clipboard_.marks[ClipboardFormat::CanIncludeInHistory] = std::nullopt;
  island_.OnClipboardUpdate();
  EXPECT_EQ(History(), (std::vector<std::wstring>{L"unreadable mark", L"allowed"}));
}

TEST_F(ClipboardActivityTest, OpeningIsTriedFiveTimesTwentyMillisecondsApart) {
  clipboard_.failing_opens = 4;
  CopyElsewhere(L"fifth time");
  EXPECT_EQ(clipboard_.opens, 5);
  EXPECT_EQ(clipboard_.waits, (std::vector<unsigned>{20, 20, 20, 20}));
  EXPECT_EQ(History(), std::vector<std::wstring>{L"fifth time"});

  clipboard_.opens = 0;
  clipboard_.waits.clear();
  clipboard_.failing_opens = 5;
  CopyElsewhere(L"never read");
  EXPECT_EQ(clipboard_.opens, 5);
  EXPECT_EQ(clipboard_.waits.size(), 4u);  // no wait after the last attempt
  EXPECT_EQ(History(), std::vector<std::wstring>{L"fifth time"});
}

TEST_F(ClipboardActivityTest, NothingIsCapturedWhileTheIslandIsDisabled) {
  island_.ApplySettings();
  settings_.Write(L"ilha", L"0");
  island_.ApplySettings();
  ASSERT_FALSE(island_.record().enabled);
  CopyElsewhere(L"ignored");
  EXPECT_TRUE(History().empty());
}

TEST_F(ClipboardActivityTest, AnEntryCopiedBackIsNotAddedAgainNorMoved) {
  CopyElsewhere(L"older");
  CopyElsewhere(L"newer");
  OpenPage();
  ClickRow(1);
  EXPECT_EQ(clipboard_.text, L"older");
  EXPECT_TRUE(platform_.TimerRunning(island_timer::kCopyFeedback));
  EXPECT_EQ(platform_.timers.at(island_timer::kCopyFeedback), 1250u);
  island_.OnClipboardUpdate();  // the update our own copy causes
  EXPECT_EQ(History(), (std::vector<std::wstring>{L"newer", L"older"}));
  // Only that one update is ignored.
  CopyElsewhere(L"older");
  EXPECT_EQ(History(), (std::vector<std::wstring>{L"older", L"newer"}));
}

TEST_F(ClipboardActivityTest, ACopyBackThatCannotOpenTheClipboardChangesNothing) {
  CopyElsewhere(L"only");
  OpenPage();
  clipboard_.failing_opens = 1;
  clipboard_.text = L"elsewhere";
  ClickRow(0);
  EXPECT_EQ(clipboard_.text, L"elsewhere");
  EXPECT_FALSE(platform_.TimerRunning(island_timer::kCopyFeedback));
  Redraw();
  EXPECT_EQ(TextOp(L"Copied"), nullptr);
  // The next update is someone else's and is captured.
  CopyElsewhere(L"next");
  EXPECT_EQ(History().front(), L"next");

  clipboard_.failing_replace = true;
  ClickRow(1);
  EXPECT_FALSE(platform_.TimerRunning(island_timer::kCopyFeedback));
  CopyElsewhere(L"after the failure");
  EXPECT_EQ(History().front(), L"after the failure");
}

TEST_F(ClipboardActivityTest, TheEmptyPageInvitesACopy) {
  OpenPage();
  Redraw();
  const RectF box = Box();
  const auto texts = canvas_.Ops(K::DrawText);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0]->text, std::wstring(1, wchar_t{0xE77F}));
  EXPECT_EQ(texts[0]->rect, (RectF{box.left + 10, box.top + 14, box.right - 10, box.top + 42}));
  EXPECT_EQ(texts[0]->colour, White(0.35f));
  EXPECT_EQ(texts[0]->format.size, 20.0f);
  EXPECT_EQ(texts[1]->text, L"What you copy shows up here");
  EXPECT_EQ(texts[1]->rect.top, box.top + 46);
  EXPECT_EQ(texts[1]->rect.bottom, box.top + 62);
  EXPECT_EQ(texts[1]->format.alignment, TextAlignment::Centre);
  EXPECT_EQ(activities_.HitTest(box.centre()).kind, 0);
}

TEST_F(ClipboardActivityTest, TheFourNewestEntriesAreRowsBesideTheClearButton) {
  for (const wchar_t* text : {L"one", L"two", L"three", L"four", L"five\r\nlines\there"}) CopyElsewhere(text);
  OpenPage();
  Redraw();
  const RectF box = Box();
  const CanvasOp* first = TextOp(L"five  lines here");
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->rect, (RectF{box.left + 37, box.top, box.right - 10 - 44 - 6, box.top + 21}));
  EXPECT_EQ(first->format.size, 11.0f);
  EXPECT_EQ(first->colour, White());
  const CanvasOp* fourth = TextOp(L"two");
  ASSERT_NE(fourth, nullptr);
  EXPECT_EQ(fourth->rect, (RectF{box.left + 37, box.top + 69, box.right - 16, box.top + 90}));
  EXPECT_EQ(TextOp(L"one"), nullptr);
  const CanvasOp* clear = TextOp(L"Clear");
  ASSERT_NE(clear, nullptr);
  EXPECT_EQ(clear->rect, (RectF{box.right - 42, box.top, box.right, box.top + 21}));
  EXPECT_EQ(clear->colour, White(0.55f));
  EXPECT_TRUE(canvas_.Ops(K::FillRoundedRect).empty());  // nothing hovered

  EXPECT_EQ(activities_.HitTest({box.left + 20, box.top + 23 * 3 + 5}), (HitItem{clipboard_hit::kEntry, 3}));
  EXPECT_EQ(activities_.HitTest({box.right - 20, box.top + 5}), (HitItem{clipboard_hit::kClear, 0}));
  EXPECT_EQ(activities_.HitTest({box.right - 50, box.top + 5}).kind, 0);  // between the first row and Clear
}

TEST_F(ClipboardActivityTest, AHoveredRowIsHighlightedWithTheThemesRadius) {
  CopyElsewhere(L"one");
  CopyElsewhere(L"two");
  OpenPage();
  const RectF box = Box();
  island_.OnMouseMove({static_cast<int>(box.left + 60), static_cast<int>(box.top + 30)}, false);
  Redraw();
  auto fills = canvas_.Ops(K::FillRoundedRect);
  ASSERT_EQ(fills.size(), 1u);
  EXPECT_EQ(fills[0]->rect, (RectF{box.left + 10, box.top + 23, box.right - 10, box.top + 44}));
  EXPECT_FLOAT_EQ(fills[0]->radius, 0.8f * 9.0f);
  EXPECT_EQ(fills[0]->colour, White(0.15f));

  settings_.Write(L"liquid_glass", L"1");
  island_.ApplySettings();
  platform_.Advance(1000, island_);
  ASSERT_EQ(island_.record().theme, Theme::Tahoe);
  island_.OnMouseMove({static_cast<int>(box.left + 60), static_cast<int>(box.top + 30)}, false);
  Redraw();
  fills = canvas_.Ops(K::FillRoundedRect);
  ASSERT_FALSE(fills.empty());
  EXPECT_FLOAT_EQ(fills[0]->radius, 0.8f * 10.5f);

  island_.OnMouseMove({static_cast<int>(box.right - 20), static_cast<int>(box.top + 5)}, false);
  Redraw();
  EXPECT_EQ(TextOp(L"Clear")->colour, White());
}

TEST_F(ClipboardActivityTest, ACopiedRowSaysCopiedInGreenUntilTheFeedbackEnds) {
  CopyElsewhere(L"older");
  CopyElsewhere(L"newer");
  OpenPage();
  ClickRow(1);
  Redraw();
  const Colour green{0.2f, 0.84f, 0.29f, 1.0f};
  const CanvasOp* copied = TextOp(L"Copied");
  ASSERT_NE(copied, nullptr);
  EXPECT_EQ(copied->colour, green);
  EXPECT_EQ(copied->rect.top, Box().top + 23);
  const CanvasOp* tick = TextOp(std::wstring(1, wchar_t{0xE73E}));
  ASSERT_NE(tick, nullptr);
  EXPECT_EQ(tick->colour, green);
  EXPECT_EQ(TextOp(L"older"), nullptr);

  platform_.Advance(1250, island_);  // timer 108 ends it and redraws
  EXPECT_FALSE(platform_.TimerRunning(island_timer::kCopyFeedback));
  Redraw();
  EXPECT_EQ(TextOp(L"Copied"), nullptr);
  EXPECT_NE(TextOp(L"older"), nullptr);
  EXPECT_EQ(TextOp(std::wstring(1, wchar_t{0xE8C8}))->colour, White(0.55f));
}

TEST_F(ClipboardActivityTest, TheFeedbackFollowsItsEntryAndClearEndsIt) {
  CopyElsewhere(L"older");
  CopyElsewhere(L"newer");
  OpenPage();
  ClickRow(1);
  island_.OnClipboardUpdate();
  CopyElsewhere(L"newest");  // the copied entry moves down a row
  Redraw();
  ASSERT_NE(TextOp(L"Copied"), nullptr);
  EXPECT_EQ(TextOp(L"Copied")->rect.top, Box().top + 46);

  ClickAt({Box().right - 20, Box().top + 5});  // Clear
  EXPECT_TRUE(History().empty());
  CopyElsewhere(L"older");
  Redraw();
  EXPECT_EQ(TextOp(L"Copied"), nullptr);
  EXPECT_NE(TextOp(L"older"), nullptr);
}

}  // namespace
}  // namespace notch
