// The field's rules without a window: generation, framed results, declarations, the chest's size.
#include "Grille.h"

#include <gtest/gtest.h>

#include <deque>

using namespace orpello;

namespace {
// A field of 17 x 17 raw values, all `fill` but the ones given, drawn row by row.
struct RawField {
  int raw[kFieldSize][kFieldSize];
  explicit RawField(int fill) {
    for (auto& row : raw)
      for (int& v : row) v = fill;
  }
  // The generator's values that give these raw values (v mod 13 - 3, at least 0).
  std::function<int()> Draws() const {
    auto values = std::make_shared<std::deque<int>>();
    for (const auto& row : raw)
      for (int v : row) values->push_back(v == 0 ? 13 * 7 + 1 : 13 * 5 + v + 3);
    return [values] {
      const int v = values->front();
      values->pop_front();
      return v;
    };
  }
};

Grille Level(int level) {
  Grille g;
  g.SetLevel(level, 988, 662);
  return g;
}
}  // namespace

TEST(OrpelloRules, NuggetClassesChangeEveryFiveFromSixOn) {
  const std::pair<int, int> limits[] = {{0, 0}, {5, 0}, {6, 1}, {10, 1}, {11, 2}, {40, 7}, {41, 8}, {45, 8}, {46, 9}, {81, 9}};
  for (auto [sum, cls] : limits) EXPECT_EQ(Grille::ClassOf(sum), cls) << sum;
}

TEST(OrpelloRules, UniformFieldsWeighEdgesAndCornerAndTakeEverySumFromRawValues) {
  // Raw 5 everywhere: inner cells 45 (class 8), edges 30 x 1.667 = 50 (9), the corner 20 x 2.25 = 45 (8).
  // Had a class replaced a raw value before the next sum, inner cells would read 8s and 9s.
  Grille g = Level(0);
  g.Generate(RawField(5).Draws());
  for (int r = 0; r < 6; ++r)
    for (int c = 0; c < 6; ++c) {
      const bool corner = r == 0 && c == 0, edge = !corner && (r == 0 || c == 0);
      EXPECT_EQ(g.Cell(r, c).neighbourhoodSum, corner ? 45 : edge ? 50 : 45) << r << "," << c;
      EXPECT_EQ(g.Cell(r, c).value, corner ? 8 : edge ? 9 : 8) << r << "," << c;
      EXPECT_EQ(g.Cell(r, c).found, 0);
    }
  // The edge's factor truncates: 7 x 1.667 = 11.669 reads 11; 3 x 1.667 = 5.001 stays in class 0.
  RawField seven(0);
  seven.raw[0][3] = 7;  // seen by the top edge cells (0, 2), (0, 3), (0, 4) and the inner (1, 2..4)
  seven.raw[4][0] = 3;  // seen by the left edge cells (3..5, 0)
  seven.raw[1][1] = 3;  // seen by the corner: 3 x 2.25 = 6.75 reads 6
  g.Generate(seven.Draws());
  EXPECT_EQ(g.Cell(0, 3).neighbourhoodSum, 11);
  EXPECT_EQ(g.Cell(0, 3).value, 2);
  EXPECT_EQ(g.Cell(4, 0).neighbourhoodSum, 5);
  EXPECT_EQ(g.Cell(4, 0).value, 0);
  EXPECT_EQ(g.Cell(0, 0).neighbourhoodSum, 6);
  EXPECT_EQ(g.Cell(0, 0).value, 1);
  EXPECT_EQ(g.Cell(1, 2).neighbourhoodSum, 7 + 3);  // the 3 at (1, 1) too
}

TEST(OrpelloRules, TheRowAndColumnPastTheGridTakePartButNoFurther) {
  Grille g = Level(0);  // 6 x 6
  RawField f(0);
  f.raw[6][2] = 9;  // row n: the last row's cells above it see it
  f.raw[3][6] = 8;  // column n: the last column's cells beside it see it
  f.raw[7][4] = 9;  // row n + 1: nobody
  f.raw[4][7] = 9;  // column n + 1: nobody
  g.Generate(f.Draws());
  for (int c = 1; c < 6; ++c) EXPECT_EQ(g.Cell(5, c).neighbourhoodSum, c >= 1 && c <= 3 ? 9 : 0) << c;
  for (int r = 1; r < 6; ++r) EXPECT_EQ(g.Cell(r, 5).neighbourhoodSum, r >= 2 && r <= 4 ? 8 : 0) << r;
  EXPECT_EQ(g.Cell(5, 2).value, 1);
  EXPECT_EQ(g.Cell(4, 4).neighbourhoodSum, 0);
}

TEST(OrpelloRules, GeometryAndStartHintsFollowTheLevel) {
  const int half[4] = {41, 33, 27, 23};
  const int hints[4] = {3, 2, 1, 0};
  for (int level = 0; level < 4; ++level) {
    Grille g = Level(level);
    const int n = kCellsPerSide[level];
    EXPECT_EQ(g.Half(), half[level]);
    EXPECT_EQ(g.Pitch(), 2 * half[level]);
    EXPECT_EQ(g.X0(), (988 - n * g.Pitch()) / 2);
    EXPECT_EQ(g.Y0(), g.Pitch());
    const auto shown = g.RevealHints(level);
    EXPECT_EQ(static_cast<int>(shown.size()), hints[level]);
    const int a = n / 2 - 1;
    for (QPoint p : shown) {
      EXPECT_TRUE(g.Cell(p.y(), p.x()).found);
      EXPECT_TRUE(p == QPoint(a + 1, a) || p == QPoint(a, a) || p == QPoint(a + 1, a + 1));
    }
    if (level == 2) {
      EXPECT_EQ(shown.front(), QPoint(a + 1, a + 1));
    }
  }
}

TEST(OrpelloRules, SumsAndExactProductsOverTheSpanOnly) {
  Grille g = Level(3);  // 12 x 12
  std::vector<std::string> rows(12, std::string(12, '2'));
  for (int c = 0; c < 12; ++c) rows[11][c] = '9';
  rows[10][11] = '0';
  g.Load(rows);
  EXPECT_EQ(g.Compute({0, 8, 0, 8}).value, 128);
  EXPECT_EQ(g.Compute({0, 8, 0, 8}).cells, 64);
  g.operation = Multiply;
  EXPECT_EQ(Grille::Digits(g.Compute({0, 8, 0, 8}).value), "18446744073709551616");
  EXPECT_EQ(g.Compute({10, 11, 11, 12}).value, 0);  // a single empty cell, and too small
  EXPECT_TRUE(g.Compute({10, 11, 11, 12}).TooSmall(Grille::minCells));
  EXPECT_EQ(g.Compute({10, 12, 10, 12}).value, 0);  // a product with an empty cell
  EXPECT_EQ(Grille::Digits(g.Compute({11, 12, 0, 12}).value), "282429536481");  // 9^12
  // Spans reaching past the grid count only the shown cells; a crossed span counts none.
  EXPECT_EQ(g.Compute({11, 14, 10, 15}).cells, 2);
  EXPECT_EQ(g.Compute({5, 3, 0, 4}).cells, 0);
  EXPECT_TRUE(g.Compute({2, 3, 4, 6}).cells == Grille::minCells && !g.Compute({2, 3, 4, 6}).TooSmall(Grille::minCells));
  // Twenty nines and every digit of the largest product.
  Grille big = Level(3);
  big.operation = Multiply;
  big.Load(std::vector<std::string>(12, std::string(12, '9')));
  EXPECT_EQ(Grille::Digits(big.Compute({0, 2, 0, 10}).value), "12157665459056928801");
  EXPECT_EQ(Grille::Digits(big.Compute({0, 12, 0, 12}).value).size(), 138u);
}

TEST(OrpelloRules, DeclarationsGainLoseAndRefuse) {
  Grille g = Level(0);
  g.Load({"090000", "000000", "000000", "000000", "000000", "000003"});
  int treasure = 0;
  // "vide" rightly: 1 nugget, in both operations.
  Declaration d = g.Declare({0, 0}, 0, treasure);
  EXPECT_EQ(d.outcome, Declared::Right);
  EXPECT_EQ(treasure, 1);
  EXPECT_EQ(d.thresholds, std::vector<int>{0});
  g.operation = Multiply;
  g.Declare({2, 0}, 0, treasure);
  EXPECT_EQ(treasure, 2);
  // 9 rightly while multiplying: 81, passing 10, 20 and 50 (0 is behind).
  d = g.Declare({1, 0}, 9, treasure);
  EXPECT_EQ(d.gain, 81);
  EXPECT_EQ(treasure, 83);
  EXPECT_EQ(d.thresholds, (std::vector<int>{10, 20, 50}));
  // Declared again: the cheat's notice, nothing won.
  EXPECT_EQ(g.Declare({1, 0}, 9, treasure).outcome, Declared::Cheat);
  EXPECT_EQ(treasure, 83);
  // Wrongly: d subtracted (0 costs nothing), the cell shown and never won afterwards.
  d = g.Declare({5, 5}, 0, treasure);
  EXPECT_EQ(d.outcome, Declared::Wrong);
  EXPECT_EQ(treasure, 83);
  EXPECT_EQ(g.Declare({5, 5}, 3, treasure).outcome, Declared::Cheat);
  EXPECT_EQ(treasure, 83);
  EXPECT_EQ(g.Declare({5, 5}, 4, treasure).outcome, Declared::Wrong);
  EXPECT_EQ(treasure, 79);
  // From below zero to above: "you begin to understand" again.
  g.operation = Add;
  treasure = -3;
  d = g.Declare({4, 4}, 0, treasure);
  EXPECT_EQ(treasure, -2);
  EXPECT_TRUE(d.thresholds.empty());
  g.Load({"000000", "000000", "000000", "000000", "000000", "000009"});
  d = g.Declare({5, 5}, 9, treasure);
  EXPECT_EQ(treasure, 7);
  EXPECT_EQ(d.thresholds, std::vector<int>{0});
}

TEST(OrpelloRules, PointsOutsideTheGridBelongToTheNearestBorderCell) {
  Grille g = Level(0);
  const int x0 = g.X0(), y0 = g.Y0(), p = g.Pitch();
  EXPECT_EQ(g.CellAt({0, 0}), QPoint(0, 0));
  EXPECT_EQ(g.CellAt({x0 + 6 * p + 50, y0 + 2 * p + 1}), QPoint(5, 2));
  EXPECT_EQ(g.CellAt({x0 + 3 * p, 10000}), QPoint(3, 5));
  EXPECT_EQ(g.CellAt({x0 + 3 * p - 1, y0 + p}), QPoint(2, 1));
}

TEST(OrpelloRules, TheChestGrowsWithTheTreasureFromItsSmallestSize) {
  for (int t : {-50, -1, 0, 1, 3}) EXPECT_EQ(Grille::ChestSize(t), QSize(14, 29)) << t;
  EXPECT_EQ(Grille::ChestSize(4), QSize(14, 30));
  EXPECT_EQ(Grille::ChestSize(5), QSize(16, 31));
  EXPECT_EQ(Grille::ChestSize(81), QSize(145, 107));
  EXPECT_EQ(Grille::ChestSize(100), QSize(177, 126));
  EXPECT_EQ(Grille::ChestSize(11664), QSize(19787, 11690));
}

TEST(OrpelloRules, LongNumbersCarryAcrossTheirPartsAndWriteEveryZero) {
  Entier e(999999999);
  e += 1;
  EXPECT_EQ(e.ToString(), "1000000000");
  e *= 1000000000;
  e += 7;
  EXPECT_EQ(e.ToString(), "1000000000000000007");  // the zeros inside a part are written
  e *= 0;
  EXPECT_EQ(e.ToString(), "0");
  e += 5;
  EXPECT_EQ(e, Entier(5));
  Entier power(1);
  for (int i = 0; i < 144; ++i) power *= 9;
  EXPECT_EQ(power.ToString().size(), 138u);
  EXPECT_EQ(power.ToString().substr(0, 8), "25758546");  // 9^144 = 2.5758546...e137
}
