// The race's rules with no window: places, draws, bursts, the tree and presses.
#include "Course.h"
#include "GameState.h"
#include "Random.h"

#include <gtest/gtest.h>

using namespace visado;

namespace {
// A race on the 979 x 671 board of a 1024 x 768 screen, with scripted draws.
struct Race {
  explicit Race(int level, std::deque<int> draws = {0, 0}, int width = 979, int height = 671) {
    Random::Script(std::move(draws));
    course.NewGame(level, width, height);
    Random::Script({});
  }
  // Starts and runs bursts until `steps` steps were made or the race ended.
  void Run(int steps) {
    for (int made = 0; made < steps && jeu.phase == PhaseInProgress;) {
      ASSERT_TRUE(course.Tick());
      while (made < steps && course.Step() != StepOutcome::Stopped) ++made;
    }
  }
  JeuANNiv jeu{0};
  Course course{jeu};
};
}  // namespace

TEST(VisadoRules, PlacesFollowTheBoardAndTheNumberOfPictures) {
  struct Expected {
    int level, width, height, gap, lastX, treeX, treeY, tacotY, roadY, centreX, centreY;
  } cases[] = {
      {0, 979, 671, 208, 722, 819, 462, 536, 585, 450, 296},
      {5, 979, 671, 24, 900, 452, 462, 536, 585, 450, 296},
      {0, 1875, 983, 432, 1394, 1715, 712, 786, 835, 898, 452},
      {5, 1875, 983, 88, 1732, 1348, 712, 786, 835, 898, 452},
      {2, 1000, 500, 82, 868, 693, 326, 400, 449, 461, 211},
  };
  for (const Expected& e : cases) {
    Race r(e.level, {0, 0}, e.width, e.height);
    const Course& c = r.course;
    SCOPED_TRACE(testing::Message() << "level " << e.level << " on " << e.width << " x " << e.height);
    ASSERT_EQ(c.row.Count(), RowCount(e.level));
    EXPECT_EQ(c.row.Gap(), e.gap);
    for (int i = 0; i < c.row.Count(); ++i) {
      EXPECT_EQ(c.row.Cell(i).left, e.gap + i * (49 + e.gap));
      EXPECT_EQ(c.row.Cell(i).top, 49);
      EXPECT_EQ(c.row.Cell(i).width, 49);
    }
    EXPECT_EQ(c.row.Cell(c.row.Count() - 1).left, e.lastX);
    EXPECT_EQ(QPoint(c.arbre.x, c.arbre.y), QPoint(e.treeX, e.treeY));
    EXPECT_EQ(QPoint(c.tacot.x, c.tacot.y), QPoint(0, e.tacotY));
    EXPECT_EQ(c.roadY, e.roadY);
    EXPECT_EQ(c.arbre.y + Arbre::kSide, c.roadY) << "the tree's foot on the road";
    EXPECT_EQ(QPoint(c.centre.left, c.centre.top), QPoint(e.centreX, e.centreY));
  }
  EXPECT_EQ(RowCount(-1), 3);
  EXPECT_EQ(RowCount(6), 13);
}

TEST(VisadoRules, TheRowIsConsecutiveFromTheCatalogueAndTheCentreOneOfIt) {
  Race wrap(1, {28, 4});
  std::vector<int> shown;
  for (int i = 0; i < 5; ++i) shown.push_back(wrap.course.row.Cell(i).picture);
  EXPECT_EQ(shown, (std::vector<int>{28, 29, 0, 1, 2}));
  EXPECT_EQ(wrap.course.centre.picture, 2);
  EXPECT_EQ(wrap.course.row.FirstShowing(2), 4);
  EXPECT_EQ(wrap.course.row.FirstShowing(3), -1);

  Race reduced(0, {58 + 30 * 1000, 7});  // draws are taken modulo 30 and modulo n
  EXPECT_EQ(reduced.course.row.Cell(0).picture, 28);
  EXPECT_EQ(reduced.course.centre.picture, 29);

  for (unsigned seed = 1; seed < 40; ++seed) {
    Random::Seed(seed);
    JeuANNiv jeu(0);
    Course c(jeu);
    c.NewGame(seed % 6, 979, 671);
    const int s = c.row.Cell(0).picture;
    for (int i = 0; i < c.row.Count(); ++i) ASSERT_EQ(c.row.Cell(i).picture, (s + i) % 30);
    ASSERT_GE(c.row.FirstShowing(c.centre.picture), 0);
  }
}

TEST(VisadoRules, StartOnlyFromReadyAndEachTickGivesTenOnePixelSteps) {
  Race r(0);
  Course& c = r.course;
  EXPECT_FALSE(c.Tick()) << "no race before the start";
  EXPECT_EQ(c.Step(), StepOutcome::Stopped);
  EXPECT_EQ(c.Start(), StartOutcome::Started);
  EXPECT_EQ(r.jeu.phase, PhaseInProgress);
  EXPECT_EQ(c.Start(), StartOutcome::Ignored);

  ASSERT_TRUE(c.Tick());
  for (int i = 1; i <= 5; ++i) {
    ASSERT_EQ(c.Step(), StepOutcome::Moved);
    EXPECT_EQ(c.tacot.x, i);
    EXPECT_EQ(c.previousX, i - 1);
  }
  EXPECT_FALSE(c.Tick()) << "a tick during a burst is dropped, not added";
  for (int i = 6; i <= 10; ++i) ASSERT_EQ(c.Step(), StepOutcome::Moved);
  EXPECT_FALSE(c.Bursting());
  EXPECT_EQ(c.Step(), StepOutcome::Stopped);
  EXPECT_EQ(c.tacot.x, 10);
  EXPECT_EQ(c.k, 10);
  ASSERT_TRUE(c.Tick());
  EXPECT_EQ(c.Step(), StepOutcome::Moved);
  EXPECT_EQ(c.tacot.x, 11);
}

TEST(VisadoRules, TheJalopyStopsAtTheTreeWhoseNinePicturesThenFall) {
  Race r(5);
  Course& c = r.course;
  c.Start();
  r.Run(c.arbre.x - 1);
  EXPECT_EQ(c.tacot.x, c.arbre.x - 1);
  EXPECT_EQ(r.jeu.phase, PhaseInProgress);
  EXPECT_EQ(c.NextLeaf(), -1) << "the tree stands during the race";
  if (!c.Bursting()) {
    ASSERT_TRUE(c.Tick());
  }
  EXPECT_EQ(c.Step(), StepOutcome::Arrived);
  EXPECT_EQ(c.tacot.x, c.arbre.x);
  EXPECT_EQ(r.jeu.phase, PhaseFinished);
  EXPECT_FALSE(c.Bursting());
  EXPECT_EQ(c.Step(), StepOutcome::Stopped);
  EXPECT_EQ(c.tacot.x, c.arbre.x);
  for (int stage = 0; stage < 9; ++stage) {
    EXPECT_TRUE(c.Falling());
    EXPECT_FALSE(c.Tick());
    EXPECT_EQ(c.NextLeaf(), stage);
  }
  EXPECT_FALSE(c.Falling());
  EXPECT_EQ(c.NextLeaf(), -1);
  EXPECT_EQ(c.Start(), StartOutcome::Over);

  c.NewGame(5, 979, 671);
  EXPECT_EQ(c.tacot.x, 0);
  EXPECT_EQ(c.k, 0);
  EXPECT_FALSE(c.Falling());
}

TEST(VisadoRules, PressesByPhaseAndPlace) {
  Race r(0, {0, 1});  // row 0, 1, 2; the centre shows 1
  Course& c = r.course;
  const CaseToAfi& first = c.row.Cell(0);
  const QPoint inside(first.left + 1, first.top + 1);
  EXPECT_EQ(c.Press(inside), PressOutcome::NotStarted);
  EXPECT_EQ(r.jeu.phase, PhaseNotStarted);

  c.Start();
  c.Tick();
  c.Step();
  for (QPoint gap : {QPoint(first.left, first.top + 20), QPoint(first.left + 20, first.top + 49),
                     QPoint(first.left + 60, first.top + 20), QPoint(400, 400)}) {
    EXPECT_EQ(c.Press(gap), PressOutcome::Gap) << gap.x() << "," << gap.y();
  }
  EXPECT_EQ(r.jeu.phase, PhaseInProgress);
  EXPECT_EQ(c.row.lastClick, -1);
  EXPECT_EQ(c.Step(), StepOutcome::Moved) << "the burst goes on after a press beside the row";

  EXPECT_EQ(c.Press(inside), PressOutcome::Wrong);
  EXPECT_EQ(c.row.lastClick, 0);
  EXPECT_EQ(r.jeu.phase, PhaseFinished);
  EXPECT_EQ(c.Step(), StepOutcome::Stopped) << "the jalopy stops at once";
  EXPECT_EQ(c.Press(inside), PressOutcome::Over);

  Race right(0, {0, 1});
  right.course.Start();
  const CaseToAfi& middle = right.course.row.Cell(1);
  EXPECT_EQ(right.course.Press({middle.left + 48, middle.top + 48}), PressOutcome::Right);
  EXPECT_EQ(right.course.row.lastClick, 1);
  EXPECT_EQ(right.jeu.phase, PhaseFinished);
}

TEST(VisadoRules, AShorterRowLeavesNoCellWhereTheLongerOneHadOne) {
  AfiNHoriCase_1ToClic row;
  row.Place(13, 979);
  for (int i = 0; i < 13; ++i) row.Cell(i).picture = 100 + i;
  const CaseToAfi fourth = row.Cell(3);
  const QPoint onFourth(fourth.left + 20, fourth.top + 20);
  EXPECT_EQ(row.Hit(onFourth), 3);
  row.Place(3, 979);
  EXPECT_EQ(row.Hit(onFourth), -1);
  EXPECT_EQ(row.FirstShowing(102), 2);
  EXPECT_EQ(row.FirstShowing(103), -1);

  row.Place(1, 979);  // the ends of the row's range
  EXPECT_EQ(row.Count(), 1);
  EXPECT_EQ(row.Cell(0).left, 465);
  row.Place(20, 979);
  EXPECT_EQ(row.Count(), 14);
  // Thirteen pictures in a room narrower than 13 x 49: side by side from the left edge.
  row.Place(13, 592);
  EXPECT_EQ(row.Cell(0).left, 0);
  EXPECT_EQ(row.Cell(12).left, 12 * 49);
}
