// The shelf on a real island (virtual platform): its file, drops, drags out,
// the page's clicks and what the page draws.
#include "activities/shelf_activity.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "activities/island_activity_set.h"
#include "activities/media_layout.h"
#include "activities/shelf_file.h"
#include "common/ini_document.h"
#include "common/text.h"
#include "host/language.h"
#include "shell/ilha/island.h"
#include "shell/ilha/virtual_island.h"
#include "support/activities_island_test.h"
#include "support/log_capture.h"
#include "support/recording_canvas.h"

namespace notch {
namespace {

using testing::CanvasOp;
using K = CanvasOp::Kind;
using Paths = std::vector<std::wstring>;

class ShelfActivityTest : public testing::ActivitiesIslandTest {
 protected:
  ShelfActivityTest() : ActivitiesIslandTest(Ports(this)) {
    island_.Start();
    platform_.Advance(1000, island_);
  }

  static ActivityPorts Ports(ShelfActivityTest* t) {
    ActivityPorts ports;
    ports.shelf.read_file = [t] { return t->disk_; };
    ports.shelf.write_file = [t](std::string_view bytes) {
      ++t->writes_;
      if (t->write_fails_) return false;
      t->disk_ = std::string(bytes);
      return true;
    };
    ports.shelf.exists = [t](const std::wstring& path) { return t->existing_.count(path) != 0; };
    ports.shelf.open = [t](const std::wstring& path) { t->opened_.push_back(path); };
    ports.shelf.drag_out = [t](const std::wstring& path) {
      t->dragged_.push_back(path);
      if (t->vanish_during_drag_) t->existing_.erase(path);
      return t->drag_outcome_;
    };
    ports.shelf.picture = [t](const std::wstring& path) -> std::optional<FilePicture> {
      ++t->pictures_asked_;
      if (path.ends_with(L".png")) return FilePicture{64, 32, std::vector<std::uint8_t>(64 * 32 * 4, 255)};
      return std::nullopt;
    };
    return ports;
  }

  ShelfActivity& shelf() { return activities_.shelf(); }
  Paths Entries() { return shelf().list().entries(); }
  // Files that exist, dropped on the island.
  void DropFiles(const Paths& paths) {
    for (const std::wstring& p : paths) existing_.insert(p);
    ASSERT_TRUE(shelf().DragEnter(true));
    shelf().Drop(paths);
  }
  void Run(double ms) { platform_.Advance(ms, island_); }
  void OpenShelfPage() {
    const RectF shape = island_.CurrentShapeRect();
    island_.OnLeftButtonDown({static_cast<int>(shape.centre().x), 5});
    island_.OnLeftButtonUp({static_cast<int>(shape.centre().x), 5});
    island_.SetPage(page::kShelf);
    Run(1000);
    ASSERT_EQ(island_.record().state, IslandState::Expanded);
  }
  static ScreenPoint At(PointF p) { return {static_cast<int>(p.x), static_cast<int>(p.y)}; }
  PointF TileCentre(int k) const {
    return {Box().left + 12.0f + 56.0f * static_cast<float>(k) + 26.0f, Box().top + 30.0f};
  }
  PointF ClearButton() const { return {Box().right - 30.0f, Box().top + 90.0f}; }
  std::vector<const CanvasOp*> Texts(const std::wstring& text) const {
    std::vector<const CanvasOp*> found;
    for (const CanvasOp* op : canvas_.Ops(K::DrawText)) {
      if (op->text == text) found.push_back(op);
    }
    return found;
  }

  std::optional<std::string> disk_;
  std::set<std::wstring> existing_;
  int writes_ = 0;
  bool write_fails_ = false;
  Paths opened_, dragged_;
  ShelfDragOutcome drag_outcome_;
  bool vanish_during_drag_ = false;
  int pictures_asked_ = 0;

  testing::LogCapture log_;
};

TEST_F(ShelfActivityTest, LoadingKeepsOnlyPathsThatStillExist) {
  disk_ = "C:\\a.txt\r\nC:\\gone.txt\r\n\r\nC:\\folder\r\n";
  existing_ = {L"C:\\a.txt", L"C:\\folder"};
  shelf().Load();
  EXPECT_EQ(Entries(), (Paths{L"C:\\a.txt", L"C:\\folder"}));
  EXPECT_EQ(writes_, 0);  // the file keeps the missing entry until the next change

  disk_.reset();  // a missing file leaves the shelf empty
  shelf().Load();
  EXPECT_TRUE(Entries().empty());
}

TEST_F(ShelfActivityTest, ALoadedFileHoldsTheListsRules) {
  std::string text;
  for (int i = 0; i < 30; ++i) {
    const std::wstring path = L"C:\\f" + std::to_wstring(i % 27);  // three repeated
    existing_.insert(path);
    text += WideToUtf8(path) + "\n";
  }
  disk_ = text;
  shelf().Load();
  // f0 ... f26 fill the shelf past its capacity; f0, f1 and f2, dropped for
  // room, come back as the newest.
  ASSERT_EQ(Entries().size(), kShelfCapacity);
  EXPECT_EQ(Entries().front(), L"C:\\f6");
  EXPECT_EQ(Entries().back(), L"C:\\f2");
}

TEST_F(ShelfActivityTest, DroppedFilesAreAddedOnceAndSavedEachTime) {
  DropFiles({L"C:\\a.txt", L"C:\\b.txt", L"C:\\a.txt", L""});
  EXPECT_EQ(Entries(), (Paths{L"C:\\a.txt", L"C:\\b.txt"}));
  EXPECT_EQ(writes_, 2);
  ASSERT_TRUE(disk_);
  EXPECT_EQ(ReadShelfFileText(*disk_), Entries());
  EXPECT_EQ(log_.lines().back(), L"ilha: 4 arquivo(s) na Estante");

  DropFiles({L"C:\\a.txt"});  // the same file again
  EXPECT_EQ(Entries().size(), 2u);
  EXPECT_EQ(writes_, 2);
}

TEST_F(ShelfActivityTest, ThirtyDroppedFilesKeepTheLastTwentyFour) {
  Paths dropped;
  for (int i = 0; i < 30; ++i) dropped.push_back(L"C:\\f" + std::to_wstring(i) + L".txt");
  DropFiles(dropped);
  const Paths expected(dropped.begin() + 6, dropped.end());
  EXPECT_EQ(Entries(), expected);
  EXPECT_EQ(ReadShelfFileText(*disk_), expected);
}

TEST_F(ShelfActivityTest, AFailedSaveKeepsTheListInMemory) {
  DropFiles({L"C:\\a.txt"});
  write_fails_ = true;
  DropFiles({L"C:\\b.txt"});
  EXPECT_EQ(Entries(), (Paths{L"C:\\a.txt", L"C:\\b.txt"}));
  EXPECT_EQ(ReadShelfFileText(*disk_), Paths{L"C:\\a.txt"});
}

TEST_F(ShelfActivityTest, AFileDragOpensTheShelfPageAndLeavingClosesIt) {
  ASSERT_EQ(island_.record().state, IslandState::Idle);
  EXPECT_FALSE(shelf().DragEnter(false));  // no file names: nothing happens
  EXPECT_FALSE(island_.record().expanded);

  platform_.timers[island_timer::kCollapse] = 250;
  ASSERT_TRUE(shelf().DragEnter(true));
  EXPECT_TRUE(shelf().drag_hovering());
  EXPECT_TRUE(island_.record().drag_over);
  EXPECT_FALSE(platform_.TimerRunning(island_timer::kCollapse));
  EXPECT_EQ(island_.record().state, IslandState::Expanded);
  EXPECT_EQ(island_.record().page, page::kShelf);
  EXPECT_EQ(island_.record().page_direction, 1);  // forward from the media page

  Run(5000);  // hovering keeps it open
  EXPECT_EQ(island_.record().state, IslandState::Expanded);
  shelf().DragLeave();
  EXPECT_FALSE(shelf().drag_hovering());
  EXPECT_FALSE(island_.record().drag_over);
  Run(399);
  EXPECT_EQ(island_.record().state, IslandState::Expanded);
  Run(2);
  EXPECT_EQ(island_.record().state, IslandState::Idle);
}

TEST_F(ShelfActivityTest, ADropClosesTheIslandAfterOneAndAHalfSeconds) {
  DropFiles({L"C:\\a.txt"});
  EXPECT_FALSE(shelf().drag_hovering());
  Run(1499);
  EXPECT_EQ(island_.record().state, IslandState::Expanded);
  Run(2);
  EXPECT_EQ(island_.record().state, IslandState::Idle);
}

TEST_F(ShelfActivityTest, ADragOutRemovesTheEntryUnlessTheFileStaysWhereItWas) {
  DropFiles({L"C:\\moved", L"C:\\copied", L"C:\\vanished", L"C:\\cancelled"});
  const int saves = writes_;

  drag_outcome_ = {true, true};
  shelf().DragOut(0);
  EXPECT_EQ(Entries(), (Paths{L"C:\\copied", L"C:\\vanished", L"C:\\cancelled"}));
  EXPECT_EQ(writes_, saves + 1);

  drag_outcome_ = {true, false};
  shelf().DragOut(0);  // a copy keeps the entry
  EXPECT_EQ(Entries().size(), 3u);
  EXPECT_EQ(writes_, saves + 1);

  vanish_during_drag_ = true;
  shelf().DragOut(1);  // a copy whose source has gone
  EXPECT_EQ(Entries(), (Paths{L"C:\\copied", L"C:\\cancelled"}));

  drag_outcome_ = {false, false};
  shelf().DragOut(1);  // cancelled: whatever happened to the file, the entry stays
  EXPECT_EQ(Entries().size(), 2u);
  EXPECT_EQ(ReadShelfFileText(*disk_), Entries());
  EXPECT_EQ(dragged_, (Paths{L"C:\\moved", L"C:\\copied", L"C:\\vanished", L"C:\\cancelled"}));
}

TEST_F(ShelfActivityTest, ClicksOnThePageOpenRemoveDragAndClear) {
  DropFiles({L"C:\\a.txt", L"C:\\b.txt", L"C:\\c.txt"});
  OpenShelfPage();
  Redraw();

  island_.OnLeftButtonDown(At(TileCentre(1)));
  island_.OnLeftButtonUp(At(TileCentre(1)));
  EXPECT_EQ(opened_, Paths{L"C:\\b.txt"});

  island_.OnRightButtonUp(At(TileCentre(0)));
  EXPECT_EQ(Entries(), (Paths{L"C:\\b.txt", L"C:\\c.txt"}));
  EXPECT_EQ(ReadShelfFileText(*disk_), Entries());
  EXPECT_EQ(island_.record().state, IslandState::Expanded);

  // Holding a tile and moving more than five pixels drags it out.
  Redraw();
  drag_outcome_ = {true, true};
  const ScreenPoint press = At(TileCentre(1));
  island_.OnLeftButtonDown(press);
  island_.OnMouseMove({press.x + 6, press.y}, true);
  EXPECT_EQ(dragged_, Paths{L"C:\\c.txt"});
  EXPECT_EQ(Entries(), Paths{L"C:\\b.txt"});

  Redraw();
  island_.OnLeftButtonDown(At(ClearButton()));
  island_.OnLeftButtonUp(At(ClearButton()));
  EXPECT_TRUE(Entries().empty());
  EXPECT_EQ(disk_, ShelfFileText({}));
}

TEST_F(ShelfActivityTest, AnEmptyShelfShowsTheDropZoneLitWhileADragHovers) {
  OpenShelfPage();
  Redraw();
  const auto strokes = canvas_.Ops(K::StrokePath);
  ASSERT_EQ(strokes.size(), 1u);
  EXPECT_FLOAT_EQ(strokes[0]->colour.a, 0.25f);
  EXPECT_EQ(strokes[0]->line_style, LineStyle::Round);
  ASSERT_EQ(Texts(L"Drag files here").size(), 1u);
  EXPECT_FLOAT_EQ(Texts(L"Drag files here")[0]->colour.a, 0.55f);
  EXPECT_TRUE(canvas_.Ops(K::FillRoundedRect).empty());
  EXPECT_EQ(activities_.HitTest({Box().right - 30.0f, Box().top + 90.0f}).kind, 0);  // no "Clear" to press

  ASSERT_TRUE(shelf().DragEnter(true));
  Redraw();
  ASSERT_EQ(canvas_.Ops(K::StrokePath).size(), 1u);
  EXPECT_FLOAT_EQ(canvas_.Ops(K::StrokePath)[0]->colour.a, 0.6f);
  ASSERT_EQ(canvas_.Ops(K::FillRoundedRect).size(), 1u);
  const CanvasOp& fill = *canvas_.Ops(K::FillRoundedRect)[0];
  EXPECT_FLOAT_EQ(fill.colour.a, 0.08f);
  EXPECT_EQ(fill.rect, (RectF{Box().left + 12, Box().top + 2, Box().right - 12, Box().top + 92}));
  EXPECT_FLOAT_EQ(fill.radius, 14.0f);
  EXPECT_FLOAT_EQ(Texts(L"Drag files here")[0]->colour.a, 1.0f);
}

TEST_F(ShelfActivityTest, TilesShowTheNewestEntriesThatFitWithTheirPicturesAndNames) {
  DropFiles({L"C:\\1.txt", L"C:\\2.txt", L"C:\\pics\\3.png", L"C:\\4.txt", L"C:\\docs\\5.txt", L"C:\\6.txt"});
  OpenShelfPage();
  const int fit = ShelfView::TilesThatFit(Box().width());
  ASSERT_EQ(fit, 4);
  Redraw();
  EXPECT_TRUE(Texts(L"1.txt").empty());
  EXPECT_TRUE(Texts(L"2.txt").empty());
  ASSERT_EQ(Texts(L"3.png").size(), 1u);
  ASSERT_EQ(Texts(L"5.txt").size(), 1u);
  const RectF box = Box();
  EXPECT_EQ(Texts(L"3.png")[0]->rect, (RectF{box.left + 14, box.top + 46, box.left + 62, box.top + 62}));
  // The one picture is fitted into 34 x 34 around the tile's centre.
  const auto bitmaps = canvas_.Ops(K::DrawBitmap);
  ASSERT_EQ(bitmaps.size(), 1u);
  EXPECT_EQ(bitmaps[0]->rect, (RectF{box.left + 21, box.top + 15.5f, box.left + 55, box.top + 32.5f}));
  EXPECT_EQ(Texts(std::wstring(1, wchar_t{0xE8A5})).size(), 3u);  // the others have none
  // Hit regions carry the entries' places in the whole list.
  EXPECT_EQ(activities_.HitTest(TileCentre(0)), (HitItem{shelf_hit::kItem, 2}));
  EXPECT_EQ(activities_.HitTest(TileCentre(3)), (HitItem{shelf_hit::kItem, 5}));
  EXPECT_EQ(activities_.HitTest(ClearButton()).kind, shelf_hit::kClear);

  // Hovering lights the tile and "Clear".
  EXPECT_TRUE(canvas_.Ops(K::FillRoundedRect).empty());
  island_.OnMouseMove(At(TileCentre(2)), false);
  const auto lit = canvas_.Ops(K::FillRoundedRect);
  ASSERT_EQ(lit.size(), 1u);
  EXPECT_EQ(lit[0]->rect, (RectF{box.left + 124, box.top + 2, box.left + 176, box.top + 72}));
  EXPECT_FLOAT_EQ(Texts(L"Clear").back()->colour.a, 0.55f);
  island_.OnMouseMove(At(ClearButton()), false);
  EXPECT_FLOAT_EQ(Texts(L"Clear").back()->colour.a, 1.0f);
}

TEST_F(ShelfActivityTest, PicturesAreAskedForOnceAndForgottenWithTheirEntry) {
  DropFiles({L"C:\\a.png", L"C:\\b.txt"});
  OpenShelfPage();
  Redraw();
  Redraw();
  EXPECT_EQ(pictures_asked_, 2);  // a missing picture is remembered too
  EXPECT_EQ(shelf().view().icons().size(), 2u);
  shelf().Remove(0);
  EXPECT_EQ(shelf().view().icons().size(), 1u);
  Redraw();
  EXPECT_EQ(pictures_asked_, 2);
}

}  // namespace
}  // namespace notch
