// The plan's window: moved by its caption, sized by its border, always inside
// the game window; the maze, the player and the view stay as they were.
#include "DedaloWindow.h"
#include "GameHarness.h"

#include <gtest/gtest.h>

using namespace dedalo;

namespace {
class PlanWindowTest : public ::testing::Test {
protected:
  void SetUp() override {
    h = GameHarness::Start<dedalo::TMyAppCumMenuSuite>();
    h->TakeInformationBoxes();
  }
  void TearDown() override { EXPECT_EQ(h->PendingMessages(), 0u); }
  TMainWindowSuite& W() { return static_cast<TMainWindowSuite&>(h->Window()); }
  TFenGraPlan& Plan() { return W().Plan(); }
  Player& P() { return W().ThePlayer(); }
  // A point of the plan's window, in the game window.
  QPoint OnPlan(QPoint p) { return Plan().pos() + p; }
  // Where the plan puts plan position `p`, in the game window.
  QPoint Shown(QPoint p) { return OnPlan(Plan().FromPlan(p)); }
  bool Visible(QPoint p) { return Plan().ClientRect().contains(Plan().FromPlan(p)); }
  void ClickPlan(QPoint p) { h->Click(Shown(p)); }
  // Presses at `from` (game window), drags to `to` and lets go.
  void Drag(QPoint from, QPoint to) {
    h->Press(from);
    h->Move((from + to) / 2);
    h->Move(to);
    h->Release(to);
  }
  std::unique_ptr<GameHarness> h;
};
}  // namespace

TEST_F(PlanWindowTest, ShrunkFromTheTopMovedUpAndGrownDownItShowsTheSouthWhereRoomsCanBeAdded) {
  ClickPlan({48, 16});  // a room east of room 0, then one step east in it
  h->Command(cmd::TurnRight);
  h->Command(cmd::Forward);
  const QImage view = h->Screen();
  ASSERT_EQ(Plan().geometry(), QRect(260, 0, 712, 664));
  const QPoint origin = Shown({0, 0});
  EXPECT_TRUE(Visible({16, -16}));
  EXPECT_FALSE(Visible({16, -48}));  // only a strip of the plan below room 0

  Drag(OnPlan({300, 1}), OnPlan({300, 301}));  // the top edge, down
  EXPECT_EQ(Plan().geometry(), QRect(260, 300, 712, 364));
  EXPECT_EQ(Shown({0, 0}), origin);  // sizing leaves the plan where it was
  Drag(OnPlan({300, 12}), OnPlan({300, -288}));  // the caption, up
  EXPECT_EQ(Plan().geometry(), QRect(260, 0, 712, 364));
  EXPECT_EQ(Shown({0, 0}), origin - QPoint(0, 300));  // moving carries it along
  Drag(OnPlan({300, 362}), OnPlan({300, 662}));  // the bottom edge, down again
  EXPECT_EQ(Plan().geometry(), QRect(260, 0, 712, 664));
  for (int k = 1; k <= 10; ++k) EXPECT_TRUE(Visible({16, 16 - 32 * k})) << k;
  EXPECT_FALSE(Visible({16, 16 - 32 * 11}));

  // Nothing of the maze, the player or the view moved with the window.
  EXPECT_EQ(W().Rooms().Count(), 2);
  EXPECT_EQ(QPoint(W().ThePlayer().px, W().ThePlayer().py), QPoint(24, 8));
  EXPECT_EQ(W().ThePlayer().facing, East);
  EXPECT_EQ(h->MessageField(), "Vers l'est ");
  EXPECT_EQ(h->Screen(), view);
  EXPECT_EQ(h->Beeps(), 0);

  // Ten rooms southward on the plan now shown, each drawn there.
  for (int k = 1; k <= 10; ++k) ClickPlan({16, 16 - 32 * k});
  EXPECT_EQ(h->Beeps(), 0);
  ASSERT_EQ(W().Rooms().Count(), 12);
  EXPECT_EQ(W().Rooms()[11].y, -10);
  const QPoint corner = Plan().FromPlan({3, -32 * 10 + 3});
  EXPECT_EQ(Plan().Screen().pixel(corner), qRgb(0, 0, 0));
  h->Command(cmd::Back);
  EXPECT_EQ(h->TakeMessages().size(), 0u);  // back west, into room 0, and on south
  h->Command(cmd::TurnRight);
  for (int k = 0; k < 4; ++k) h->Command(cmd::Forward);
  EXPECT_EQ(W().ThePlayer().room, W().Rooms().At(0, -1));
}

TEST_F(PlanWindowTest, OverTheViewAndAwayAgainTheViewShowsAsItWas) {
  const QImage view = h->Screen();
  const int H = W().DrawingArea().height(), N = W().View().Half();
  const QRect square(2, H - 2 * N - 2, 2 * N, 2 * N);
  Drag(OnPlan({200, 12}), OnPlan({-300, 12}));  // left as far as the frame allows
  EXPECT_EQ(Plan().geometry(), QRect(0, 0, 712, 664));
  QImage shown = h->Grab();
  const QPoint inView = square.center();
  EXPECT_EQ(shown.pixel(inView), Plan().Screen().pixel(inView - Plan().pos()));  // the plan covers the view
  EXPECT_NE(shown.copy(square), view.copy(square));

  Drag(OnPlan({200, 12}), OnPlan({200 + 2 * N + 4, 12}));
  EXPECT_EQ(Plan().geometry(), QRect(2 * N + 4, 0, 712, 664));
  shown = h->Grab();
  EXPECT_EQ(shown.copy(square), view.copy(square));  // uncovered, the view is there again
  EXPECT_EQ(h->Screen(), view);
}

TEST_F(PlanWindowTest, TheBorderSizesTheCaptionMovesAndNeitherAddsARoom) {
  const QRect start = Plan().geometry();
  const int w = start.width(), h0 = start.height();
  h->Move(OnPlan({1, 300}));
  EXPECT_EQ(Plan().CursorShape(), TCursor::SizeWE);
  h->Move(OnPlan({300, h0 - 2}));
  EXPECT_EQ(Plan().CursorShape(), TCursor::SizeNS);
  h->Move(OnPlan({2, 10}));
  EXPECT_EQ(Plan().CursorShape(), TCursor::SizeNWSE);  // a corner grips two edges
  h->Move(OnPlan({w - 10, h0 - 2}));
  EXPECT_EQ(Plan().CursorShape(), TCursor::SizeNWSE);
  h->Move(OnPlan({w - 2, 10}));
  EXPECT_EQ(Plan().CursorShape(), TCursor::SizeNESW);
  h->Move(OnPlan({300, 12}));
  EXPECT_EQ(Plan().CursorShape(), TCursor::Arrow);

  // The left edge, far right: the window keeps its smallest width.
  Drag(OnPlan({1, 300}), OnPlan({w + 400, 300}));
  EXPECT_EQ(Plan().geometry(), QRect(start.right() + 1 - TCaptionedWindow::kMinimumWidth, 0,
                                     TCaptionedWindow::kMinimumWidth, h0));
  // The top-left corner, up and left beyond the frame, then the caption and
  // the bottom-right corner beyond it: each stops at the edge of the drawing
  // area, even where the game window reaches a little further down.
  const QRect area = W().DrawingArea();
  ASSERT_GT(W().height(), area.height());
  Drag(OnPlan({1, 1}), QPoint(-500, -500));
  EXPECT_EQ(Plan().geometry(), QRect(0, 0, start.right() + 1, h0));
  Drag(OnPlan({300, 12}), OnPlan({300 + 2000, 12 + 2000}));
  EXPECT_EQ(Plan().geometry(), QRect(area.width() - start.right() - 1, area.height() - h0, start.right() + 1, h0));
  Drag(OnPlan({300, 12}), OnPlan({300 - 2000, 12 - 2000}));
  Drag(OnPlan({start.right() - 1, h0 - 1}), QPoint(3000, 3000));
  EXPECT_EQ(Plan().geometry(), area);
  h->Click(OnPlan({300, 12}));
  h->Click(OnPlan({1, 300}));
  EXPECT_EQ(W().Rooms().Count(), 1);
  EXPECT_EQ(h->Beeps(), 0);

  // A change of the view's size puts the plan back in its place beside the view.
  h->Command(cmd::Large);
  EXPECT_EQ(Plan().geometry(), QRect(2 * 256 + 4, 0, start.right() + 1 - 2 * 256 - 4, h0));
  EXPECT_TRUE(Visible({16, -16}));
  EXPECT_FALSE(Visible({16, -48}));
}

TEST_F(PlanWindowTest, ThePlanShowsEachRoomItsNumberThePlayerAndTheTwoStrokesOfItsView) {
  const TabpPiece& rooms = W().Rooms();
  ASSERT_EQ(rooms.Count(), 1);
  const QImage& plan = Plan().Screen();
  auto colour = [&](QPoint planPoint) { return plan.pixel(Plan().FromPlan(planPoint)); };
  const QRgb black = qRgb(0, 0, 0), white = qRgb(255, 255, 255), red = qRgb(255, 0, 0);
  // Room 0 is the square (0, 0)-(32, 32) of the plan, outlined in black.
  for (QPoint corner : {QPoint(0, 0), QPoint(32, 0), QPoint(0, 32), QPoint(32, 32)})
    EXPECT_EQ(colour(corner), black) << corner.x() << "," << corner.y();
  // The room is filled black; its number "00" is written on white inside it,
  // high and left: white pixels there, and nothing but white left of the square.
  const QPoint text = Plan().FromPlan({8, 24});
  int inside = 0, outside = 0;
  for (int y = text.y() + 1; y < text.y() + 9; ++y) {  // above the player's square
    for (int x = text.x(); x < text.x() + 18; ++x) inside += plan.pixel(x, y) == white;
    for (int x = text.x() - 22; x < text.x() - 9; ++x) outside += plan.pixel(x, y) != white;
  }
  EXPECT_GT(inside, 10);
  EXPECT_EQ(outside, 0);
  // The player, a red square at (16, 8), and the two strokes of its view, ahead
  // of it whichever way it faces.
  const QPoint ahead[4][2] = {{{15, 15}, {15, -15}}, {{15, 15}, {-15, 15}}, {{-15, 15}, {-15, -15}}, {{15, -15}, {-15, -15}}};
  for (int turn = 0; turn < 4; ++turn) {
    const Player& p = W().ThePlayer();
    const QPoint at(p.px, p.py);
    EXPECT_EQ(colour(at), red);
    for (const QPoint& end : ahead[p.facing])  // past the red square, well inside the room
      EXPECT_EQ(colour(at + end * 2 / 3), red) << "facing " << p.facing << " toward " << end.x() << "," << end.y();
    // Of the four corners' directions, exactly the two ahead carry a stroke.
    int strokes = 0;
    for (const QPoint& corner : {QPoint(10, 10), QPoint(10, -10), QPoint(-10, 10), QPoint(-10, -10)})
      strokes += colour(at + corner) == red;
    EXPECT_EQ(strokes, 2) << "facing " << p.facing;
    h->Command(cmd::TurnRight);
  }
}

TEST_F(PlanWindowTest, TurnsAndStepsRedrawThePlanAsAWholeDrawingWould) {
  // Rooms north, then east along the third row: walked along, turned in,
  // walked back, before and after the window is sized.
  for (QPoint room : {QPoint{16, 48}, QPoint{16, 80}, QPoint{48, 80}, QPoint{80, 80}}) ClickPlan(room);
  const auto walk = [&](std::initializer_list<int> moves) {
    for (int move : moves) {
      h->Command(move);
      const QImage shown = Plan().Screen().copy();
      Plan().Repaint();
      ASSERT_EQ(shown, Plan().Screen()) << "after move " << move << " to " << P().px << "," << P().py;
    }
  };
  walk({cmd::Forward, cmd::Forward, cmd::Forward, cmd::Forward, cmd::Forward, cmd::Forward, cmd::Forward,
        cmd::Forward, cmd::TurnRight, cmd::Forward, cmd::Forward, cmd::StepLeft, cmd::StepRight, cmd::Forward,
        cmd::Forward, cmd::TurnLeft, cmd::TurnLeft, cmd::Back});
  Drag(OnPlan({2, 300}), OnPlan({300, 300}));  // narrower from the left: the plan stays put
  walk({cmd::Forward, cmd::TurnRight, cmd::TurnRight, cmd::Forward, cmd::Forward});
  EXPECT_TRUE(h->TakeMessages().empty());
}

TEST_F(PlanWindowTest, ThePlayerIsASquareOfTenAndItsStrokesTwoPixelsWideEndFifteenAheadOnEachSide) {
  const QRgb black = qRgb(0, 0, 0), red = qRgb(255, 0, 0);
  // The strokes' ends in the plan, fifteen ahead and fifteen to either side.
  const QPoint ends[4][2] = {{{15, 15}, {15, -15}}, {{15, 15}, {-15, 15}}, {{-15, 15}, {-15, -15}}, {{15, -15}, {-15, -15}}};
  for (int turn = 0; turn < 4; ++turn) {
    const int facing = P().facing;
    const QImage& plan = Plan().Screen();
    const QPoint at = Plan().FromPlan(QPoint(P().px, P().py));
    // The square from five left and above to five right and below, its edge
    // black and its inside red (the room around it is black too).
    for (int d : {-4, 3}) {
      EXPECT_EQ(plan.pixel(at + QPoint(d, 0)), red) << "facing " << facing << ", " << d;
      EXPECT_EQ(plan.pixel(at + QPoint(0, d)), red) << "facing " << facing << ", " << d;
    }
    for (int d : {-5, 4}) {
      EXPECT_EQ(plan.pixel(at + QPoint(d, 0)), black) << "facing " << facing << ", " << d;
      EXPECT_EQ(plan.pixel(at + QPoint(0, d)), black) << "facing " << facing << ", " << d;
    }
    // Its red pixels are those of the square and of two red lines two pixels
    // wide from the player to the ends ahead, drawn alone (the window's y goes
    // down where the plan's goes up).
    QImage alone(41, 41, QImage::Format_RGB32);
    alone.fill(Qt::black);
    TMemoryDC dc(&alone);
    const QPoint middle(20, 20);
    dc.SelectObject(TPen(TColor::Black));
    dc.SelectObject(TBrush(TColor::LtRed));
    dc.Rectangle(middle.x() - 5, middle.y() - 5, middle.x() + 5, middle.y() + 5);
    dc.SelectObject(TPen(TColor::LtRed, 2));
    for (const QPoint& end : ends[facing]) {
      dc.MoveTo(middle.x(), middle.y());
      dc.LineTo(middle.x() + end.x(), middle.y() - end.y());
    }
    for (int y = 0; y < alone.height(); ++y)
      for (int x = 0; x < alone.width(); ++x)
        ASSERT_EQ(plan.pixel(at + QPoint(x, y) - middle) == red, alone.pixel(x, y) == red)
            << "facing " << facing << ", at " << x - middle.x() << "," << y - middle.y();
    h->Command(cmd::TurnRight);
  }
}
