// The 3-D maze: rooms on the plan, moves and turns, and the traced view.
#include "DedaloWindow.h"
#include "GameHarness.h"

#include <gtest/gtest.h>

using namespace dedalo;

TEST(DedaloCells, NegativeCoordinatesBelongToTheCellBelow) {
  EXPECT_EQ(CellIndex(0), 0);
  EXPECT_EQ(CellIndex(31), 0);
  EXPECT_EQ(CellIndex(32), 1);
  EXPECT_EQ(CellIndex(-1), -1);
  EXPECT_EQ(CellIndex(-31), -1);
  EXPECT_EQ(CellIndex(-32), -2);
  EXPECT_EQ(TFenGraPlan::RoomLabel(7), "07");
  EXPECT_EQ(TFenGraPlan::RoomLabel(123), "123");
}

TEST(DedaloRooms, RoomsJoinBySidesOnlyAndTheTableStopsAtFiveHundred) {
  TabpPiece rooms;
  rooms.Add(0, 0);
  EXPECT_FALSE(rooms.CanAdd(0, 0));   // taken
  EXPECT_FALSE(rooms.CanAdd(1, 1));   // a corner only
  EXPECT_FALSE(rooms.CanAdd(3, 0));   // nowhere near
  ASSERT_TRUE(rooms.CanAdd(0, 1));
  Piece& north = rooms.Add(0, 1);
  EXPECT_EQ(north.number, 1);
  EXPECT_EQ(rooms[0].link[North], &north);
  EXPECT_EQ(north.link[South], &rooms[0]);
  EXPECT_EQ(north.link[East], nullptr);
  for (int x = 1; rooms.Count() < kMaxRooms; ++x) rooms.Add(x, 0);
  EXPECT_FALSE(rooms.CanAdd(-1, 0));  // no 501st room
}

namespace {
class DedaloTest : public ::testing::Test {
protected:
  void SetUp() override {
    h = GameHarness::Start<dedalo::TMyAppCumMenuSuite>();
    notices = h->TakeInformationBoxes();
  }
  void TearDown() override { EXPECT_EQ(h->PendingMessages(), 0u); }
  TMainWindowSuite& W() { return static_cast<TMainWindowSuite&>(h->Window()); }
  Player& P() { return W().ThePlayer(); }
  // A click on the plan at plan position (x, y).
  void ClickPlan(int x, int y) {
    const QPoint at = W().Plan().FromPlan(QPoint(x, y)) + W().Plan().pos();
    h->Click(at);
  }
  void FlatTextures() {
    static const QRgb colours[6] = {qRgb(200, 0, 0), qRgb(0, 200, 0), qRgb(0, 0, 200),
                                    qRgb(200, 200, 0), qRgb(90, 60, 30), qRgb(240, 240, 240)};
    for (int s = 0; s < 6; ++s) W().Pictures().SetFlat(static_cast<Surface>(s), colours[s]);
  }
  std::unique_ptr<GameHarness> h;
  std::vector<QString> notices;
};
}  // namespace

TEST_F(DedaloTest, StartShowsTheNoticeOneRoomAndThePlayerFacingNorth) {
  ASSERT_FALSE(notices.empty());
  EXPECT_TRUE(notices[0].startsWith("A  T  T  E  N  T  I  O  N \nSi le logiciel ne marche pas\n"));
  EXPECT_TRUE(notices[0].endsWith("'Création de placages personnels'.\n"));
  EXPECT_EQ(W().Rooms().Count(), 1);
  EXPECT_EQ(P().px, 16);
  EXPECT_EQ(P().py, 8);
  EXPECT_EQ(P().facing, North);
  EXPECT_EQ(h->MessageField(), "Vers le nord ");
  EXPECT_EQ(W().View().Half(), 128);
  ASSERT_EQ(W().DrawingArea(), QRect(0, 0, 972, 664));
  EXPECT_EQ(W().Plan().geometry(), QRect(260, 0, 712, 664));  // right of the view and its 4-pixel gap
}

TEST_F(DedaloTest, ANewMazeStartsAgainFromOneRoomAtTheNormalSize) {
  FlatTextures();
  ClickPlan(16, 48);
  ClickPlan(48, 16);
  h->Command(cmd::Forward);
  h->Command(cmd::TurnRight);
  h->Command(cmd::Large);
  const int H = W().DrawingArea().height();
  ASSERT_EQ(h->Screen().pixel(2 * 256 + 1, H - 3), qRgb(90, 60, 30));  // the large view's floor

  W().ResetGame();
  EXPECT_EQ(W().Rooms().Count(), 1);
  EXPECT_EQ(P().room, &W().Rooms()[0]);  // not the room the table just dropped
  EXPECT_EQ(QPoint(P().px, P().py), QPoint(16, 8));
  EXPECT_EQ(P().facing, North);
  EXPECT_EQ(h->MessageField(), "Vers le nord ");
  EXPECT_EQ(W().View().Half(), 128);
  EXPECT_EQ(W().Plan().x(), 2 * 128 + 4);
  const QImage screen = h->Screen();
  EXPECT_EQ(screen.pixel(128 + 2, H - 128 - 3), qRgb(0, 200, 0));    // the north wall, in the new view
  EXPECT_EQ(screen.pixel(2 * 256 + 1, H - 3), qRgb(255, 255, 255));  // the large view is gone
  // The one room is closed on every side again: the third step north hits its wall.
  for (int k = 0; k < 3; ++k) h->Command(cmd::Forward);
  EXPECT_EQ(h->TakeMessages().size(), 1u);
  EXPECT_EQ(QPoint(P().px, P().py), QPoint(16, 24));
}

TEST_F(DedaloTest, PictureMenuAndButtonsGiveTheSameMoves) {
  h->MenuCommand(cmd::ForwardMenu);
  EXPECT_EQ(QPoint(P().px, P().py), QPoint(16, 16));
  h->ButtonCommand(cmd::Back);
  EXPECT_EQ(QPoint(P().px, P().py), QPoint(16, 8));
  h->MenuCommand(cmd::TurnRightMenu);
  EXPECT_EQ(P().facing, East);
  h->ButtonCommand(cmd::TurnLeft);
  EXPECT_EQ(P().facing, North);
  h->MenuCommand(cmd::StepLeftMenu);
  EXPECT_EQ(QPoint(P().px, P().py), QPoint(8, 8));
  h->ButtonCommand(cmd::StepRight);
  EXPECT_EQ(QPoint(P().px, P().py), QPoint(16, 8));
  h->MenuCommand(cmd::SmallMenu);
  EXPECT_EQ(W().View().Half(), 64);
  h->ButtonCommand(cmd::Large);
  EXPECT_EQ(W().View().Half(), 256);
  h->MenuCommand(cmd::NormalMenu);
  EXPECT_EQ(W().View().Half(), 128);
  EXPECT_TRUE(h->TakeMessages().empty());
}

TEST_F(DedaloTest, WalkingForwardAndBackUntilTheWalls) {
  h->Command(cmd::Forward);
  EXPECT_EQ(QPoint(P().px, P().py), QPoint(16, 16));
  h->Command(cmd::ForwardMenu);
  EXPECT_EQ(QPoint(P().px, P().py), QPoint(16, 24));
  h->Command(cmd::Forward);
  auto shown = h->TakeMessages();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].title, "B O U M,  A T T E N T I O N");
  EXPECT_EQ(shown[0].line1, QString::fromUtf8("Aïe, je me suis cogné contre le mur nord."));
  EXPECT_EQ(shown[0].picture, 3);
  EXPECT_EQ(QPoint(P().px, P().py), QPoint(16, 24));
  h->Command(cmd::Back);
  h->Command(cmd::Back);
  h->Command(cmd::Back);
  EXPECT_EQ(QPoint(P().px, P().py), QPoint(16, 0));
  h->Command(cmd::Back);
  shown = h->TakeMessages();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_TRUE(shown[0].line1.endsWith("mur sud."));
  // Facing west, a step to the right goes north.
  h->Command(cmd::TurnLeft);
  EXPECT_EQ(P().facing, West);
  EXPECT_EQ(h->MessageField(), "Vers l'ouest ");
  for (int k = 0; k < 4; ++k) h->Command(cmd::StepRight);
  shown = h->TakeMessages();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_TRUE(shown[0].line1.endsWith("mur nord."));
  EXPECT_EQ(QPoint(P().px, P().py), QPoint(16, 24));
}

TEST_F(DedaloTest, TurnsComeRoundAndSizeChangesKeepTheMaze) {
  for (int k = 0; k < 4; ++k) h->Command(cmd::TurnRight);
  EXPECT_EQ(P().facing, North);
  EXPECT_EQ(h->MessageField(), "Vers le nord ");
  h->Command(cmd::TurnRight);
  EXPECT_EQ(h->MessageField(), "Vers l'est ");
  ClickPlan(48, 16);  // east of room 0
  h->Command(cmd::Forward);
  h->Command(cmd::LargeMenu);
  EXPECT_EQ(W().View().Half(), 256);
  EXPECT_EQ(W().Rooms().Count(), 2);
  EXPECT_EQ(QPoint(P().px, P().py), QPoint(24, 8));
  EXPECT_EQ(P().facing, East);
  EXPECT_EQ(W().Rooms()[1].east, static_cast<long long>(64) << 8);
  h->Command(cmd::Small);
  EXPECT_EQ(W().Plan().x(), 2 * 64 + 4);
}

TEST_F(DedaloTest, ClicksOnThePlanAddRoomsOrBeep) {
  ClickPlan(16, 48);  // north of room 0
  EXPECT_EQ(W().Rooms().Count(), 2);
  EXPECT_EQ(h->Beeps(), 0);
  ClickPlan(48, 80);  // touches only a corner
  ClickPlan(16, 40);  // taken
  EXPECT_EQ(W().Rooms().Count(), 2);
  EXPECT_EQ(h->Beeps(), 2);
  ClickPlan(-16, -16);  // cell (-1, -1): a corner only
  EXPECT_EQ(h->Beeps(), 3);
  ClickPlan(-1, 5);     // cell (-1, 0): beside room 0
  EXPECT_EQ(W().Rooms().Count(), 3);
  EXPECT_EQ(W().Rooms()[2].x, -1);
  h->Command(cmd::Forward);
  h->Command(cmd::Forward);
  h->Command(cmd::Forward);  // into the new northern room
  EXPECT_EQ(P().room, W().Rooms().At(0, 1));
  EXPECT_TRUE(h->TakeMessages().empty());
}

TEST_F(DedaloTest, ViewRaysEndOnTheRightSurfaces) {
  FlatTextures();
  const PlayerYRay& view = W().View();
  const int N = view.Half();
  // The middle row ends on the wall straight ahead, at the room's north edge.
  auto hit = view.Trace(0, 0, P(), W().Pictures());
  EXPECT_EQ(hit.surface, NorthWall);
  EXPECT_EQ(hit.y, 32LL << 7);
  EXPECT_EQ(view.Trace(0, N - 1, P(), W().Pictures()).surface, EastWall);
  EXPECT_EQ(view.Trace(0, -N, P(), W().Pictures()).surface, WestWall);
  EXPECT_EQ(view.Trace(N - 1, 0, P(), W().Pictures()).surface, Ceiling);
  EXPECT_EQ(view.Trace(-N, 0, P(), W().Pictures()).surface, Floor);
  // With a room to the north, the rays pass into it and end on its far wall.
  ClickPlan(16, 48);
  hit = view.Trace(0, 0, P(), W().Pictures());
  EXPECT_EQ(hit.surface, NorthWall);
  EXPECT_EQ(hit.y, 64LL << 7);
  // At the corner where the wall ahead meets a side wall, the side wall wins:
  // from (16, 16) facing north, the corner is 16 ahead and 16 to the right.
  P().py = 16;
  W().Rooms().Clear();
  P().room = &W().Rooms().Add(0, 0);
  W().Rooms().Scale(7);
  EXPECT_EQ(view.Trace(0, N, P(), W().Pictures()).surface, EastWall);
  // A wall crossing exactly at ceiling height ends on the ceiling: 16 ahead, 16 up.
  EXPECT_EQ(view.Trace(N, 0, P(), W().Pictures()).surface, Ceiling);
}

TEST_F(DedaloTest, ViewSitsAtTheBottomLeftAtEverySize) {
  FlatTextures();
  const int H = W().DrawingArea().height();
  for (int command : {cmd::Small, cmd::Normal, cmd::Large}) {
    h->Command(command);
    const int N = W().View().Half();
    const QImage screen = h->Screen();
    // Pixel (N - 1, -N), the top-left one, is drawn at column 2, row H - 2N - 2: the west wall,
    // 16 units to the left, is nearer than the ceiling.
    EXPECT_EQ(screen.pixel(2, H - 2 * N - 2), qRgb(0, 0, 200)) << N;
    EXPECT_EQ(screen.pixel(2 * N + 1, H - 3), qRgb(90, 60, 30)) << N;   // bottom right: floor
    EXPECT_EQ(screen.pixel(1, H - 3), qRgb(255, 255, 255)) << N;        // the margin stays white
    EXPECT_EQ(screen.pixel(2, H - 2), qRgb(255, 255, 255)) << N;
    EXPECT_EQ(screen.pixel(2 * N + 2, H - 3), qRgb(255, 255, 255)) << N;
    EXPECT_EQ(screen.pixel(N + 2, H - N - 3), qRgb(0, 200, 0)) << N;    // the middle: the north wall
  }
}

TEST_F(DedaloTest, ThePlanShowsEveryRoomAndThePlayersFieldOfViewForEachFacing) {
  TFenGraPlan& plan = W().Plan();
  auto at = [&](int x, int y) { return plan.Screen().pixel(plan.FromPlan(QPoint(x, y))); };
  const QRgb black = qRgb(0, 0, 0), red = qRgb(255, 0, 0), white = qRgb(255, 255, 255);
  // Room 0, the first of the table, has its black square, from 0 to 32.
  EXPECT_EQ(at(0, 20), black);
  EXPECT_EQ(at(28, 4), black);
  EXPECT_EQ(at(32, 20), black);
  EXPECT_EQ(at(-3, 20), white);
  EXPECT_EQ(at(35, 20), white);
  // The player at (16, 8): a red box, and two strokes 15 units out along the
  // diagonals on the side it faces, drawn again at each turn.
  EXPECT_EQ(at(16, 8), red);
  const int out[4][2][2] = {{{1, 1}, {1, -1}}, {{1, 1}, {-1, 1}}, {{-1, 1}, {-1, -1}}, {{1, -1}, {-1, -1}}};
  for (int turn = 0; turn < 4; ++turn) {
    const int facing = P().facing;
    for (const auto& d : out[facing])
      for (const int step : {8, 13}) EXPECT_EQ(at(16 + step * d[0], 8 + step * d[1]), red) << "facing " << facing;
    // Behind the player, no stroke is left from an earlier facing.
    for (const auto& d : out[(facing + 2) % 4]) EXPECT_NE(at(16 + 10 * d[0], 8 + 10 * d[1]), red) << "facing " << facing;
    h->Command(cmd::TurnLeft);
  }
}

