// The pitch's rules without a window: the defender pattern, the rules of a new
// pitch, the moves and the stack.
#include "Pile1DVert.h"
#include "Random.h"
#include "RempartFixture.h"
#include "ToAfi2D.h"

#include <algorithm>

using namespace rempart;

namespace {
Rows Laid(int level, int offset) {
  ToAfi2D t;
  t.LayDefenders(level, offset);
  t.Attacker().row = -1;  // keep it off the picture
  return PitchText(t);
}
}  // namespace

TEST(RempartRules, DefendersFollowThePatternFromTheOffsetAndWrapAfter55) {
  EXPECT_EQ(Laid(0, 0), (Rows{"X.X..", "X...X"}));
  EXPECT_EQ(Laid(0, 53), (Rows{".XX.X", "..X.."}));
  EXPECT_EQ(Laid(1, 10), (Rows{"..X...X", "....X..", ".X....X"}));
  EXPECT_EQ(Laid(3, 0), (Rows{"X.X..X...X.", ".X...X....X", "...X....X..", "...X....X..", "...X......X"}));
}

TEST(RempartRules, EveryBottomRowHasGrassAndNoGoalMouthIsShut) {
  for (int level = 0; level < 4; ++level)
    for (int offset = 0; offset < kPatterns; ++offset) {
      const Rows rows = Laid(level, offset);
      const int n = level + 2;
      ASSERT_EQ(rows.size(), static_cast<size_t>(n));
      ASSERT_EQ(rows[0].size(), static_cast<size_t>(2 * n + 1));
      EXPECT_NE(rows.back().find('.'), std::string::npos) << "level " << level << " offset " << offset;
      EXPECT_NE(rows[0].substr(static_cast<size_t>(n - 1), 3), "XXX") << "level " << level << " offset " << offset;
    }
}

TEST(RempartRules, ThreeDefendersAcrossTheGoalMouthLoseTheOuterTwo) {
  ToAfi2D t;
  t.Load({"XXXXX", "..A.."});
  t.OpenGoalMouth();
  EXPECT_EQ(PitchText(t), (Rows{"X.X.X", "..A.."}));
  t.Load({"..XXXX.", ".......", "...A..."});
  t.OpenGoalMouth();
  EXPECT_EQ(PitchText(t), (Rows{"...X.X.", ".......", "...A..."}));
  // Defenders elsewhere, or a row below the goal line full, change nothing.
  t.Load({"XXX.XXX", "XXXXXXX", "...A..."});
  t.OpenGoalMouth();
  EXPECT_EQ(PitchText(t), (Rows{"XXX.XXX", "XXXXXXX", "...A..."}));
  t.Load({".XX.X..", ".......", "...A..."});
  t.OpenGoalMouth();
  EXPECT_EQ(PitchText(t), (Rows{".XX.X..", ".......", "...A..."}));
}

TEST(RempartRules, AnAttackerBoxedInOnThreeSidesGetsRoomOnBothSides) {
  ToAfi2D t;
  t.Load({".X...", "XAX.."});
  t.MakeRoom();
  EXPECT_EQ(PitchText(t), (Rows{".X...", ".A..."}));
  t.Load({"X....", "AX..."});  // the edge counts as a side
  t.MakeRoom();
  EXPECT_EQ(PitchText(t), (Rows{"X....", "A...."}));
  t.Load({"....X", "...XA"});
  t.MakeRoom();
  EXPECT_EQ(PitchText(t), (Rows{"....X", "....A"}));
  for (const Rows& open : {Rows{".....", "XAX.."}, Rows{".X...", ".AX.."}, Rows{".X...", "XA..."}}) {
    t.Load(open);
    t.MakeRoom();
    EXPECT_EQ(PitchText(t), open);
  }
}

TEST(RempartRules, MovesStopAtTheEdgesAndTheGoalIsOnlyInTheMouth) {
  ToAfi2D t;
  t.Load({".......", ".......", "A......"});
  EXPECT_EQ(t.Step(Action::Back), Outcome::Centre);
  EXPECT_EQ(t.Step(Action::Left), Outcome::LeftEdge);
  EXPECT_EQ(PitchText(t), (Rows{".......", ".......", "A......"}));
  for (int i = 0; i < 6; ++i) ASSERT_EQ(t.Step(Action::Right), Outcome::Moved);
  EXPECT_EQ(t.Step(Action::Right), Outcome::RightEdge);
  EXPECT_EQ(t.Step(Action::Up), Outcome::Moved);
  EXPECT_EQ(t.Step(Action::Up), Outcome::Moved);
  EXPECT_EQ(t.Step(Action::Up), Outcome::GoalLine);  // column 6, right of the mouth
  EXPECT_EQ(t.Step(Action::Back), Outcome::Moved);
  EXPECT_EQ(PitchText(t), (Rows{"......*", "......A", "*******"}));
  for (int c : {5, 4, 3, 2}) {  // along the row under the goal line
    ASSERT_EQ(t.Step(Action::Left), Outcome::Moved);
    ASSERT_EQ(t.Attacker().column, c);
  }
  EXPECT_FALSE(t.Goal().ballIn);
  EXPECT_EQ(t.Step(Action::Up), Outcome::Moved);
  EXPECT_EQ(t.Step(Action::Up), Outcome::Goal);  // column 2, left post of the mouth
  EXPECT_TRUE(t.Goal().ballIn);
  EXPECT_FALSE(t.Attacker().ball);

  for (int column : {0, 1, 5, 6}) {
    t.Load({".......", ".......", "......."});
    t.Attacker() = {};
    t.Attacker().column = column;
    EXPECT_EQ(t.Step(Action::Up), Outcome::GoalLine) << column;
    EXPECT_FALSE(t.Goal().ballIn);
    EXPECT_TRUE(t.Attacker().ball);
  }
}

TEST(RempartRules, ADefenderTakesTheBallAndTheAttackerStaysWhereItWas) {
  ToAfi2D t;
  for (Action a : {Action::Up, Action::Back, Action::Left, Action::Right}) {
    t.Load({"...........", ".....X.....", "....XAX....", ".....X.....", "..........."});
    EXPECT_EQ(t.Step(a), Outcome::Tackled);
    EXPECT_FALSE(t.Attacker().ball);
    EXPECT_EQ(t.Attacker().row, 2);
    EXPECT_EQ(t.Attacker().column, 5);
    int taken = 0;
    for (const auto& row : PitchText(t)) taken += static_cast<int>(std::count(row.begin(), row.end(), 'x'));
    EXPECT_EQ(taken, 1);
    EXPECT_EQ(PitchText(t)[2][5], 'a');
  }
}

TEST(RempartRules, AReplayRestoresThePitchButKeepsItsDefenders) {
  ToAfi2D t;
  t.Load({"..X..", "A...."});
  ASSERT_EQ(t.Step(Action::Right), Outcome::Moved);
  ASSERT_EQ(t.Step(Action::Right), Outcome::Moved);
  ASSERT_EQ(t.Step(Action::Up), Outcome::Tackled);
  EXPECT_EQ(PitchText(t), (Rows{"..x..", "**a.."}));
  t.Replay();
  EXPECT_EQ(PitchText(t), (Rows{"..X..", "A...."}));
  ASSERT_EQ(t.Step(Action::Right), Outcome::Moved);
  ASSERT_EQ(t.Step(Action::Up), Outcome::Moved);
  ASSERT_EQ(t.Step(Action::Up), Outcome::Goal);
  t.Replay();
  EXPECT_FALSE(t.Goal().ballIn);
  EXPECT_EQ(PitchText(t), (Rows{"..X..", "A...."}));
}

TEST(RempartRules, TheStackHoldsFourteenMovesAndShowsEachArrowDoneOrNot) {
  Pile1DVert p;
  p.Place(100);
  EXPECT_FALSE(p.Pop());
  for (int i = 0; i < Pile1DVert::kSlots; ++i) ASSERT_TRUE(p.Push(Action::Left));
  EXPECT_FALSE(p.Push(Action::Up));
  EXPECT_EQ(p.Count(), 14);
  EXPECT_EQ(p.Slot(13).action, Action::Left);
  EXPECT_EQ(QPoint(p.Slot(13).left, p.Slot(13).top), QPoint(100, 13 * 29));
  p.Clear();
  EXPECT_EQ(p.Count(), 0);
  EXPECT_EQ(p.Slot(13).Picture(), PicEmptySlot);

  // Up, back, left, right: their arrows, then greyed once done.
  const Action actions[] = {Action::Up, Action::Back, Action::Left, Action::Right};
  const int arrows[] = {6, 7, 8, 9}, done[] = {10, 11, 13, 12};
  for (int i = 0; i < 4; ++i) {
    ASSERT_TRUE(p.Push(actions[i]));
    EXPECT_EQ(p.Slot(i).Picture(), arrows[i]);
    p.Slot(i).done = true;
    EXPECT_EQ(p.Slot(i).Picture(), done[i]);
  }
  ASSERT_TRUE(p.Pop());
  EXPECT_EQ(p.Count(), 3);
  EXPECT_EQ(p.Slot(3).Picture(), PicEmptySlot);
  ASSERT_TRUE(p.Push(Action::Right));  // a slot used again shows its new arrow, not done
  EXPECT_EQ(p.Slot(3).Picture(), 9);
}
