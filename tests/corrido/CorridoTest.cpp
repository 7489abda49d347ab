// The path through the maze, by mouse and by keys, and what the window shows.
#include "CorridoWindow.h"
#include "GameHarness.h"
#include "Keys.h"
#include "RandomPlayer.h"

#include <gtest/gtest.h>

using namespace corrido;

namespace {
const QString kDrawing = QStringLiteral("La souris dessine le trajet ");
const QString kAtRest = QStringLiteral("La souris est au repos ");

class CorridoTest : public ::testing::Test {
protected:
  void SetUp() override { h = GameHarness::Start<corrido::TMyAppCumMenuSuite>(); }
  void TearDown() override { EXPECT_EQ(h->PendingMessages(), 0u) << "a message was shown that the test did not look at"; }
  TMainWindowSuite& W() { return static_cast<TMainWindowSuite&>(h->Window()); }
  Grille& G() { return W().Maze(); }
  int S() { return W().CellSize(); }

  // An open maze at the current level, drawn: no walls anywhere.
  void OpenMaze() {
    const QRect area = W().DrawingArea();
    G().Reset(area.width() - corrido::kFrameReach, area.height(), S(), W().HalfCell());
    W().RedrawMaze();
  }
  QPoint Centre(int r, int c) { return QPoint(G().Cell(r, c).centreX, G().Cell(r, c).centreY); }
  // Starts a path at (r, 0) with a release there.
  void StartAt(int r) { h->Click(Centre(r, 0)); }
  // Walks the pointer along a row, in steps the path can follow.
  void PointerTo(QPoint to) {
    QPoint at = W().Path().End();
    const int step = S() / 3 + 2;
    for (int guard = 0; guard < 500 && at != to; ++guard) {
      at.rx() += std::clamp(to.x() - at.x(), -step, step);
      at.ry() += std::clamp(to.y() - at.y(), -step, step);
      h->Move(at);
      at = W().Path().End();
    }
  }
  ShownMessage OnlyMessage() {
    auto shown = h->TakeMessages();
    EXPECT_EQ(shown.size(), 1u);
    return shown.empty() ? ShownMessage{} : shown.front();
  }

  std::unique_ptr<GameHarness> h;
};
}  // namespace

TEST_F(CorridoTest, NewGameBuildsAMazeAtDebutantAndNamesItsSteps) {
  EXPECT_EQ(W().Jeu().level, 1);
  EXPECT_EQ(h->FirstField(), QString::fromUtf8("Débutant "));
  EXPECT_EQ(h->MessageField(), kAtRest);
  EXPECT_EQ(h->Caption(), "LE LABYRINTHE EST CONSTRUIT");
  EXPECT_EQ(S(), 44);
  ASSERT_EQ(W().DrawingArea(), QRect(0, 0, 972, 671));
  EXPECT_EQ(G().Columns(), 22);  // whole cells across; down, one row fewer
  EXPECT_EQ(G().Rows(), 14);
  // Entry column cyan, exit column green, on both surfaces.
  const int y = 44 + 30;
  EXPECT_EQ(h->Screen().pixel(20, y), qRgb(0, 255, 255));
  EXPECT_EQ(h->Screen().pixel(G().Columns() * 44 - 20, y), qRgb(0, 255, 0));
  EXPECT_EQ(h->Screen(), h->Copy());
  h->Command(cmd::kLevelChoices[6]);
  EXPECT_EQ(S(), 14);
  EXPECT_EQ(h->FirstField(), "Champion ");
}

TEST_F(CorridoTest, ReleasesStartStopAndRefusePaths) {
  OpenMaze();
  h->Click(Centre(2, 3));  // not reached, before any path
  ShownMessage m = OnlyMessage();
  EXPECT_EQ(m.title, "TRAVERSE LE LABYRINTHE DE LA GAUCHE VERS LA DROITE");
  EXPECT_EQ(m.line1, "Clique dans une des cases verticales bleues ");
  EXPECT_EQ(m.line2, QString::fromUtf8("(à gauche). Fais glisser la souris jusqu'aux cases"));
  EXPECT_EQ(h->MessageField(), kAtRest);
  EXPECT_EQ(W().Jeu().phase, PhaseNotStarted);

  StartAt(2);
  EXPECT_EQ(W().Jeu().phase, PhaseInProgress);
  EXPECT_EQ(h->MessageField(), kDrawing);
  EXPECT_EQ(W().Path().End(), Centre(2, 0));
  h->Click(Centre(2, 0));  // a second release stops drawing
  EXPECT_EQ(h->MessageField(), kAtRest);
  h->Click(Centre(4, 4));
  m = OnlyMessage();
  EXPECT_EQ(m.title, "P O U R   C O N T I N U E R :");
  EXPECT_EQ(m.line3, QString::fromUtf8("du labyrinthe, jusqu'aux cases de sortie vertes."));
  // A release on the far edge of the area does nothing at all.
  h->Click(QPoint(W().DrawingArea().width() + 50, 100));
  EXPECT_EQ(h->MessageField(), kAtRest);
}

TEST_F(CorridoTest, ReleasesInTheStripBelowOrRightOfTheMazeDoNothing) {
  for (int level : {0, 6}) {
    if (W().Jeu().phase == PhaseInProgress) h->Answer({AnswerYes});  // a path under way: the change asks
    h->Command(cmd::kLevelChoices[level]);
    h->TakeMessages();
    const QRect area = W().DrawingArea();
    const QPoint right(G().Columns() * S() + 2, Centre(1, 0).y());
    const QPoint below(Centre(0, 0).x(), G().Rows() * S() + 2);
    ASSERT_LT(right.x(), area.width()) << level;  // both strips exist at this level
    ASSERT_LT(below.y(), area.height()) << level;
    for (QPoint strip : {right, below}) {
      h->Click(strip);
      EXPECT_EQ(h->MessageField(), kAtRest) << level;
      EXPECT_EQ(W().Jeu().phase, PhaseNotStarted) << level;
      EXPECT_FALSE(W().Path().Started()) << level;
    }
    // The next release on a blue cell starts the path at once.
    StartAt(1);
    EXPECT_EQ(h->MessageField(), kDrawing) << level;
    EXPECT_EQ(W().Path().End(), Centre(1, 0)) << level;
    // While drawing, a release in the strip does not stop the drawing either.
    h->Click(below);
    h->Click(right);
    EXPECT_EQ(h->MessageField(), kDrawing) << level;
    h->Click(Centre(1, 0));
    EXPECT_EQ(h->MessageField(), kAtRest) << level;
    EXPECT_TRUE(h->TakeMessages().empty()) << level;
  }
}

TEST_F(CorridoTest, PathFollowsThePointerByHalfCellsAndContinuesFromTouchedCells) {
  OpenMaze();
  StartAt(1);
  const int t = S() / 3;
  h->Move(Centre(1, 0) + QPoint(t + 5, 0));
  EXPECT_EQ(W().Path().End(), Centre(1, 0) + QPoint(S() / 2, 0));
  EXPECT_TRUE(W().Path().OnBorder());
  h->Move(Centre(1, 0) + QPoint(S() / 2 + t + 5, 0));
  EXPECT_EQ(W().Path().End(), Centre(1, 1));
  // A pointer too far ahead leaves the path waiting.
  h->Move(Centre(1, 1) + QPoint(3 * S(), 0));
  EXPECT_EQ(W().Path().End(), Centre(1, 1));
  PointerTo(Centre(3, 1));
  EXPECT_EQ(W().Path().End(), Centre(3, 1));
  EXPECT_TRUE(G().Cell(2, 1).reached);
  EXPECT_TRUE(G().Cell(3, 1).reached);
  EXPECT_FALSE(G().Cell(3, 2).reached);
  // The path is drawn in magenta on both surfaces.
  const QPoint mid = Centre(2, 1) + QPoint(2, 2);
  EXPECT_EQ(h->Screen().pixel(mid.x(), mid.y() + 5), qRgb(255, 0, 255));
  EXPECT_EQ(h->Screen(), h->Copy());

  h->Click(Centre(3, 1));  // stop, then continue from a touched cell
  h->Click(Centre(2, 1));
  EXPECT_EQ(W().Path().End(), Centre(2, 1));
  EXPECT_TRUE(h->TakeMessages().empty());
}

TEST_F(CorridoTest, StartingAgainFromTheFirstColumnWipesThePathButKeepsTheMaze) {
  OpenMaze();
  G().SetL(0, 3, true);
  W().RedrawMaze();
  StartAt(1);
  PointerTo(Centre(1, 2));
  const QPoint onPath = Centre(1, 0) + QPoint(2 + S() / 4, 2);
  ASSERT_EQ(h->Screen().pixel(onPath), qRgb(255, 0, 255));
  h->Click(Centre(1, 2));
  h->Click(Centre(4, 0));
  EXPECT_NE(h->Screen().pixel(onPath), qRgb(255, 0, 255));
  EXPECT_EQ(h->Screen().pixel(3 * S() + 2, 10), qRgb(0, 0, 0));  // the wall is still there
  EXPECT_TRUE(G().Cell(1, 2).reached);                          // and so are the touched cells
  EXPECT_EQ(h->MessageField(), kDrawing);
  EXPECT_EQ(h->Screen(), h->Copy());
}

TEST_F(CorridoTest, WallsAndEdgesStopMouseAndKeys) {
  OpenMaze();
  G().SetL(0, 1, true);  // a wall right of the start
  G().SetT(1, 0, true);  // and below it
  W().RedrawMaze();
  StartAt(0);
  h->Move(Centre(0, 0) + QPoint(S() / 3 + 5, 0));
  h->Move(Centre(0, 0) + QPoint(0, S() / 3 + 5));
  h->Move(Centre(0, 0) - QPoint(0, S() / 3 + 5));  // off the top edge
  h->Move(Centre(0, 0) - QPoint(S() / 3 + 5, 0));  // off the left edge
  EXPECT_EQ(W().Path().End(), Centre(0, 0));
  for (int key : {VK_RIGHT, VK_DOWN, VK_UP, VK_LEFT}) h->Key(key);
  EXPECT_EQ(W().Path().End(), Centre(0, 0));
  EXPECT_TRUE(h->TakeMessages().empty());
}

TEST_F(CorridoTest, KeysStepByHalfCellsMarkCellsAndWinOnTheLastColumn) {
  h->Key(VK_RIGHT);
  ShownMessage m = OnlyMessage();
  EXPECT_EQ(m.title, "TRAVERSE LE LABYRINTHE DE LA GAUCHE VERS LA DROITE3");
  EXPECT_EQ(m.line1, "D'abord clique sur une des cases bleues, puis");
  OpenMaze();
  StartAt(2);
  h->Key(VK_RIGHT);
  EXPECT_TRUE(W().Path().OnBorder());
  EXPECT_EQ(h->MessageField(), kAtRest);
  h->Key(VK_DOWN);  // across a half crossing: nothing
  h->Key(VK_RIGHT);
  EXPECT_EQ(W().Path().End(), Centre(2, 1));
  EXPECT_EQ(W().Path().Column(), 1);
  EXPECT_TRUE(G().Cell(2, 1).reached);
  h->Key(VK_DOWN);
  h->Key(VK_DOWN);
  EXPECT_EQ(W().Path().End(), Centre(3, 1));
  EXPECT_EQ(W().Path().Row(), 3);
  for (int i = 0; i < 2 * G().Columns() && W().Jeu().phase != PhaseFinished; ++i) h->Key(VK_RIGHT);
  m = OnlyMessage();
  EXPECT_EQ(m.title, "B R A V O !  T U   A S   G A G N E .");
  EXPECT_EQ(m.picture, 2);
  EXPECT_EQ(W().Jeu().phase, PhaseFinished);
  h->Key(VK_LEFT);
  EXPECT_EQ(OnlyMessage().title, "L A   P A R T I E   E S T   T E R M I N E E");
}

TEST_F(CorridoTest, TheMouseWinsOnceThenOnlyTheNoticesAnswer) {
  OpenMaze();
  StartAt(0);
  PointerTo(Centre(0, G().Columns() - 1));
  ShownMessage m = OnlyMessage();
  EXPECT_EQ(m.title, "B R A V O !  T U   A S   G A G N E .");
  EXPECT_EQ(m.line1, QString::fromUtf8("Le but était de traverser le labyrinthe, "));
  EXPECT_EQ(h->MessageField(), kAtRest);
  h->Move(Centre(0, G().Columns() - 1) - QPoint(S() / 3 + 5, 0));
  h->Click(Centre(3, 0));  // the shell's notice; the release starts nothing
  EXPECT_EQ(OnlyMessage().title, "C E T T E   P A R T I E   E S T   T E R M I N E E !");
  EXPECT_EQ(h->MessageField(), kAtRest);
  EXPECT_EQ(W().Jeu().phase, PhaseFinished);
}

TEST_F(CorridoTest, PointerShapeAndPositionFollowTheWalls) {
  OpenMaze();
  G().SetT(2, 2, true);
  G().SetL(2, 3, true);
  G().SetT(2, 3, true);
  const int s = S();
  h->Move(QPoint(2 * s + 20, 2 * s + 3));
  EXPECT_EQ(h->Pointer(), TCursor::SizeWE);
  h->Move(QPoint(3 * s + 3, 2 * s + 20));
  EXPECT_EQ(h->Pointer(), TCursor::SizeNS);
  h->Move(QPoint(3 * s + 3, 2 * s + 3));
  EXPECT_EQ(h->Pointer(), TCursor::Cross);
  h->Move(QPoint(3 * s + 20, 2 * s + 20));
  EXPECT_EQ(h->Pointer(), TCursor::Arrow);
  EXPECT_EQ(h->SecondField(), "3  4");
}

TEST_F(CorridoTest, WipeCommandAsksDuringPlayAndKeepsThePhase) {
  h->Command(cmd::WipeMenu);  // before any path: nothing
  EXPECT_TRUE(h->TakeMessages().empty());
  OpenMaze();
  StartAt(1);
  PointerTo(Centre(1, 2));
  const QPoint onPath = Centre(1, 0) + QPoint(2 + S() / 4, 2);
  h->Answer({AnswerNo});
  h->MenuCommand(cmd::WipeMenu);
  EXPECT_EQ(OnlyMessage().line1, "Veux-tu vraiment effacer ce trazados");
  EXPECT_EQ(h->Screen().pixel(onPath), qRgb(255, 0, 255));
  h->Answer({AnswerYes});
  h->Command(cmd::Wipe);
  EXPECT_EQ(OnlyMessage().line2, QString::fromUtf8("et recommencer avec le même labyrinthe ?"));
  EXPECT_NE(h->Screen().pixel(onPath), qRgb(255, 0, 255));
  EXPECT_EQ(W().Jeu().phase, PhaseInProgress);
}

TEST_F(CorridoTest, RandomPlayAtEveryLevelNeitherCrashesNorHangs) {
  RandomPlayer player(*h, 4242);
  std::vector<int> commands{cmd::NextLevel, cmd::SameLevel, cmd::PreviousLevel, cmd::Wipe, cmd::WipeMenu};
  player.SetCommands(commands);
  player.SetKeys({VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN, VK_RIGHT, VK_RIGHT});
  for (int level = 0; level < 7; ++level) {
    h->Command(cmd::kLevelChoices[level]);
    h->TakeMessages();
    player.Play(300);
    ASSERT_EQ(h->Screen(), h->Copy());
  }
}
