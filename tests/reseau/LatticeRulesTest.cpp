// The lattice without a window: its shape, hit zones, key walks and comparison.
#include "ToClic2DQuadrants.h"

#include <gtest/gtest.h>

using namespace reseau;
using Text = std::vector<std::string>;

namespace {
// A lattice of `n` columns and `rows` rows in the upper-right quarter of a 976 x 671 board.
ToClic2D_NorEst Lattice(int n, int rows) {
  ToClic2D_NorEst l(30, 20);
  l.SetSize(n, rows, 976, 671);
  l.Reset();
  l.Place();
  return l;
}
}  // namespace

TEST(LatticeRules, ShapeFlagsAndStartNode) {
  ToClic2D_NorEst l = Lattice(4, 3);
  EXPECT_EQ(l.CellWidth(), 488 / 4);
  EXPECT_EQ(l.CellHeight(), 335 / 3);
  EXPECT_EQ(QPoint(l.Node(0, 0).x, l.Node(0, 0).y), QPoint(61 + 488, 55));
  EXPECT_EQ(QPoint(l.Node(2, 3).x, l.Node(2, 3).y), QPoint(61 + 488 + 3 * 122, 55 + 2 * 111));
  EXPECT_EQ(l.RightEdge(), l.Node(2, 3).x);
  EXPECT_EQ(l.BottomEdge(), l.Node(2, 3).y);
  EXPECT_EQ(l.row, 1);
  EXPECT_EQ(l.column, 2);
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 4; ++c) {
      EXPECT_EQ(l.Node(r, c).hasLower, r < 2) << r << "," << c;
      EXPECT_EQ(l.Node(r, c).hasRight, c < 3) << r << "," << c;
    }
  // Reset wipes every state, marks included, and brings the current node back.
  l.Load({"o-oxo o", "m      ", "o o o o", "      |", "o o o-o"});
  l.row = l.column = 0;
  l.Reset();
  EXPECT_EQ(l.Text(), (Text{"o o o o", "       ", "o o o o", "       ", "o o o o"}));
  EXPECT_EQ(l.row, 1);
  EXPECT_EQ(l.column, 2);
}

TEST(LatticeRules, HitZonesAroundADotAndAlongItsSegments) {
  ToClic2D_NorEst l = Lattice(4, 3);
  const int cw = l.CellWidth(), ch = l.CellHeight();
  const CaseNoeud& n = l.Node(1, 2);
  const auto hit = [&](int dx, int dy) { return l.HitTest(QPoint(n.x + dx, n.y + dy)); };
  EXPECT_EQ(hit(0, 0), Touche::Point);
  EXPECT_EQ(l.row * 10 + l.column, 12);
  EXPECT_EQ(hit(-cw / 4 + 1, -ch / 4 + 1), Touche::Point);
  EXPECT_EQ(hit(0, ch / 2), Touche::Bas);
  EXPECT_EQ(hit(cw / 2, 0), Touche::Droite);
  EXPECT_EQ(l.lastHit, Touche::Droite);
  // The middle of a cell is no target: the hit fails and the current node stays.
  l.row = l.column = 0;
  EXPECT_EQ(hit(cw * 3 / 4, ch * 3 / 4), Touche::Rien);
  EXPECT_EQ(l.lastHit, Touche::Rien);
  EXPECT_EQ(l.row + l.column, 0);
  // Just left of a dot belongs to the node on its left: its right segment.
  EXPECT_EQ(hit(-cw / 4 - 1, 0), Touche::Droite);
  EXPECT_EQ(l.column, 1);
  // Just above a dot: the lower segment of the node above.
  EXPECT_EQ(hit(0, -ch / 4 - 1), Touche::Bas);
  EXPECT_EQ(l.row, 0);
}

TEST(LatticeRules, ArrowsWalkTheCurrentNodeDrawingAndStopAtTheBorders) {
  ToClic2D_NorEst l = Lattice(3, 2);
  ASSERT_EQ(l.row * 10 + l.column, 11);
  EXPECT_NE(l.Step(Direction::Up), nullptr);  // the lower segment of the node it reaches
  EXPECT_EQ(l.Step(Direction::Up), nullptr);
  EXPECT_NE(l.Step(Direction::Left), nullptr);  // the right segment of the node it reaches
  EXPECT_EQ(l.Step(Direction::Left), nullptr);
  EXPECT_EQ(l.Text(), (Text{"o-o o", "  |  ", "o o o"}));
  const CaseNoeud* toggled = l.Step(Direction::Down);  // the segment of the node it leaves
  EXPECT_EQ(toggled, &l.Node(0, 0));
  EXPECT_EQ(l.Step(Direction::Down), nullptr);
  EXPECT_EQ(l.Step(Direction::Right), &l.Node(1, 0));
  EXPECT_EQ(l.Step(Direction::Right), &l.Node(1, 1));
  EXPECT_EQ(l.Step(Direction::Right), nullptr);
  EXPECT_EQ(l.Text(), (Text{"o-o o", "| |  ", "o-o-o"}));
  EXPECT_EQ(l.row * 10 + l.column, 12);
  // Walking back over a segment erases it, whatever mark it had.
  l.Node(1, 1).right = EnTrop;
  l.Step(Direction::Left);
  l.Step(Direction::Up);
  EXPECT_EQ(l.Text(), (Text{"o-o o", "|    ", "o-o o"}));
}

TEST(LatticeRules, ComparisonMarksMissingAndExtraAndCountsMarksAgain) {
  ToClic2D_NorWst model(60, 40);
  model.SetSize(3, 4, 976, 671);
  model.Reset();
  model.Load({"o-o o", "|   |", "o o-o", "    |", "o o o", "|    ", "o-o-o"});
  ToClic2D_NorEst copy = Lattice(3, 4);
  copy.SetSize(3, 4, 976, 671);
  copy.Reset();
  copy.Load({"o-o-o", "|    ", "o o-o", "    |", "o o o", "|    ", "o-o o"});
  EXPECT_EQ(copy.CompareWith(model, {}), 3);
  EXPECT_EQ(copy.Text(), (Text{"o-oxo", "|   m", "o o-o", "    |", "o o o", "|    ", "o-omo"}));
  // Marks left as they are count again; a mark erased and drawn right does not.
  EXPECT_EQ(copy.CompareWith(model, {}), 3);
  ToClic2D::Toggle(copy.Node(0, 1).right);
  EXPECT_EQ(copy.CompareWith(model, {}), 2);
  // A drawing where the model has none, under a mirror: the mirrored place counts.
  ToClic2D_NorEst mirror = Lattice(3, 4);
  mirror.SetSize(3, 4, 976, 671);
  mirror.Reset();
  mirror.Load({"o o-o", "|   |", "o-o o", "|    ", "o o o", "    |", "o-o-o"});
  EXPECT_EQ(mirror.CompareWith(model, {.columns = true}), 0);
  EXPECT_EQ(mirror.CompareWith(model, {.rows = true}), 8);
}

TEST(LatticeRules, ModelsOutsideTheLatticeAreRefused) {
  ToClic2D_NorWst l(30, 20);
  l.SetSize(3, 2, 976, 671);
  l.Reset();
  EXPECT_TRUE(l.LoadModel("H0.0 H0.1 V0.2"));
  EXPECT_FALSE(l.LoadModel("H0.2"));  // no right segment at the last column
  EXPECT_FALSE(l.LoadModel("V1.0"));  // nor a lower one at the last row
  EXPECT_FALSE(l.LoadModel("H2.0 X0.0 V0.9"));
  EXPECT_EQ(l.Text(), (Text{"o-o-o", "    |", "o o o"}));
}
