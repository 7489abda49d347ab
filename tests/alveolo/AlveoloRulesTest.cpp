// The board's rules on boards set up from text, with no window.
#include "Hexag.h"

#include <gtest/gtest.h>

using namespace alveolo;

namespace {
// The cell a hint points at, as (row, column), or (-1, -1).
std::pair<int, int> Where(const Hint& hint) {
  return hint.cell ? std::pair{hint.cell->row, hint.cell->col} : std::pair{-1, -1};
}
}  // namespace

TEST(AlveoloRules, LoadReadsMinesFlagsAndRevealedCellsRowByRow) {
  TabpHexag b;
  ASSERT_TRUE(b.Load({"*f", ".oF", "o."}));
  EXPECT_EQ(b.Size(), 2);
  EXPECT_EQ(b.MineCount(), 2);
  EXPECT_TRUE(b.At(0, 1).mine);   // a row starts at its leftmost cell
  EXPECT_FALSE(b.At(0, 1).flagged);
  EXPECT_TRUE(b.At(0, 2).flagged);
  EXPECT_FALSE(b.At(0, 2).mine);
  EXPECT_TRUE(b.At(1, 1).revealed);
  EXPECT_TRUE(b.At(1, 2).mine && b.At(1, 2).flagged);
  EXPECT_TRUE(b.At(2, 0).revealed);
  EXPECT_EQ(b.MinesAround(b.At(1, 1)), 2);
  EXPECT_EQ(b.FlagsAround(b.At(1, 1)), 2);
  EXPECT_EQ(b.RevealedAround(b.At(1, 1)), 1);
  EXPECT_EQ(b.Neighbours(b.At(1, 1)), 6);
  EXPECT_EQ(b.Neighbours(b.At(0, 2)), 3);
  EXPECT_FALSE(b.AllSafeRevealed());
}

TEST(AlveoloRules, LoadRefusesRowsThatFitNoBoard) {
  TabpHexag b;
  ASSERT_TRUE(b.Load({"...", "....", ".....", "....", "..."}));
  EXPECT_FALSE(b.Load({"..", "..", ".."}));         // a middle row one short
  EXPECT_FALSE(b.Load({"..", "...", "..", ".."}));  // an even number of rows
  EXPECT_FALSE(b.Load({"..", ".x.", ".."}));        // an unknown letter
  EXPECT_FALSE(b.Load({"."}));                      // smaller than the smallest board
  EXPECT_EQ(b.Size(), 3);
}

TEST(AlveoloRules, HintsTryEachRuleOverTheWholeBoardRowByRow) {
  TabpHexag b;
  // One mine by the revealed centre, unflagged: nothing can be said yet.
  ASSERT_TRUE(b.Load({"*.", ".o.", ".."}));
  EXPECT_EQ(b.FindHint().rule, Rule::None);
  // Flagged: every other cell around the centre is safe.
  ASSERT_TRUE(b.Load({"F.", ".o.", ".."}));
  EXPECT_EQ(b.FindHint().rule, Rule::Demine);
  EXPECT_EQ(Where(b.FindHint()), std::pair(1, 1));
  // Everything revealed but the mine: the first cell, row by row, whose only
  // hidden neighbour must be the mine is the top right one.
  ASSERT_TRUE(b.Load({"*o", "ooo", "oo"}));
  EXPECT_EQ(b.FindHint().rule, Rule::LastPlace);
  EXPECT_EQ(Where(b.FindHint()), std::pair(0, 2));
  // Two mines by the centre, one flagged: the last place of (1, 2) comes
  // before the centre's second mine, since each rule is tried over the whole board.
  ASSERT_TRUE(b.Load({"F*", "ooo", "oo"}));
  EXPECT_EQ(b.FindHint().rule, Rule::LastPlace);
  EXPECT_EQ(Where(b.FindHint()), std::pair(1, 2));
  // Both flagged: nothing left to find.
  ASSERT_TRUE(b.Load({"FF", "ooo", "oo"}));
  EXPECT_EQ(b.FindHint().rule, Rule::None);
  EXPECT_TRUE(b.AllSafeRevealed());
}

TEST(AlveoloRules, TheSecondMineIsWhereTheOnlyOtherHiddenCellIs) {
  TabpHexag b;
  // Everything revealed but two mines, one flagged; the hidden one is in the
  // top left corner, whose other neighbours all touch the flag too, so no
  // cell has a single hidden mine to point at.
  ASSERT_TRUE(b.Load({"*oo",
                      "oFoo",
                      "ooooo",
                      "oooo",
                      "ooo"}));
  const Hint hint = b.FindHint();
  EXPECT_EQ(hint.rule, Rule::SecondMine);
  EXPECT_EQ(Where(hint), std::pair(0, 3));  // the first of the two cells that touch both
}

TEST(AlveoloRules, SixMinesAroundShowSixAndTheLeftmostPixelBelongsToTheRow) {
  TabpHexag b;
  ASSERT_TRUE(b.Load({"**", "*o*", "**"}));
  const Hexag& centre = b.At(1, 1);
  EXPECT_EQ(b.MinesAround(centre), 6);
  EXPECT_EQ(centre.ChooseImage(b.MinesAround(centre)), 6);
  // Board of 3: row 2 starts with (2, 0), whose picture begins at x = 42.
  ASSERT_TRUE(b.Load({"...", "....", ".....", "....", "..."}));
  const Hexag* first = b.CellAt({43, 77});
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->col, 0);
  EXPECT_EQ(first->row, 2);
  EXPECT_EQ(b.CellAt({42, 77}), nullptr);
  EXPECT_EQ(b.LastCol(), -1);
}

TEST(AlveoloRules, TheSecondMineNeedsExactlyTwoHiddenCellsAround) {
  TabpHexag b;
  // The centre has two mines around, one flagged, but three hidden cells: the
  // second mine could be in either of two places, so no hint fits anywhere.
  ASSERT_TRUE(b.Load({"...",
                      ".F*.",
                      "..oo.",
                      ".oo*",
                      "*.."}));
  EXPECT_EQ(b.MinesAround(b.At(2, 2)), 2);
  EXPECT_EQ(b.FlagsAround(b.At(2, 2)), 1);
  EXPECT_EQ(b.FindHint().rule, Rule::None);
}
