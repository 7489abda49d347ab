// The maze generator: guarded walls, the flood fill and the board's size.
#include "Generator.h"
#include "Grille.h"
#include "Random.h"

#include <gtest/gtest.h>
#include <deque>

using namespace corrido;

namespace {
std::vector<std::pair<bool, bool>> Walls(const Grille& g) {
  std::vector<std::pair<bool, bool>> walls;
  for (int r = 0; r < g.Rows(); ++r)
    for (int c = 0; c < g.Columns(); ++c) walls.emplace_back(g.Cell(r, c).leftWall, g.Cell(r, c).topWall);
  return walls;
}

// Cells of the last column reachable from cell (r, 0).
bool CrossesFrom(const Grille& g, int row) {
  std::vector<char> seen(static_cast<size_t>(g.Rows()) * g.Columns(), 0);
  std::deque<std::pair<int, int>> open{{row, 0}};
  seen[static_cast<size_t>(row) * g.Columns()] = 1;
  while (!open.empty()) {
    const auto [r, c] = open.front();
    open.pop_front();
    if (c == g.Columns() - 1) return true;
    const std::pair<int, int> next[4] = {{r - 1, c}, {r + 1, c}, {r, c + 1}, {r, c - 1}};
    const bool open4[4] = {!g.T(r, c), !g.T(r + 1, c), !g.L(r, c + 1), !g.L(r, c)};
    for (int i = 0; i < 4; ++i) {
      const auto [nr, nc] = next[i];
      if (!open4[i] || !g.InBoard(nr, nc) || seen[static_cast<size_t>(nr) * g.Columns() + nc]) continue;
      seen[static_cast<size_t>(nr) * g.Columns() + nc] = 1;
      open.emplace_back(nr, nc);
    }
  }
  return false;
}

void Build(Grille& g, int level, unsigned seed, int width = 1868, int height = 987) {
  Random::FixSeed(false);
  Random::Seed(seed);
  static constexpr int kHalf[7] = {28, 22, 17, 13, 10, 8, 7};
  g.Reset(width, height, 2 * kHalf[level], kHalf[level]);
  Generate(g, level);
}
}  // namespace

TEST(MazeFloodFill, QueueGivesTheSameLabelsAndCountAsPasses) {
  for (unsigned seed : {1u, 7u, 99u}) {
    Grille g;
    Random::Seed(seed);
    g.Reset(600, 460, 20, 10);
    for (int i = 0; i < 900; ++i) {  // random walls, closed pockets and all
      const int r = Random::Draw(g.Rows()), c = Random::Draw(g.Columns());
      if (Random::Next() % 2) g.SetL(r, c, true); else g.SetT(r, c, true);
    }
    const int fast = g.FloodFill();
    std::vector<int> labels;
    for (int r = 0; r < g.Rows(); ++r)
      for (int c = 0; c < g.Columns(); ++c) labels.push_back(g.Cell(r, c).label);
    EXPECT_EQ(g.FloodFillByPasses(), fast);
    EXPECT_EQ(g.PreviousCount(), fast);
    for (int r = 0, i = 0; r < g.Rows(); ++r)
      for (int c = 0; c < g.Columns(); ++c, ++i) ASSERT_EQ(g.Cell(r, c).label, labels[i]) << r << "," << c;
  }
}

TEST(MazeGeneration, LocalGuardBuildsTheSameMazeAsAFloodFillPerWall) {
  for (int level = 0; level < 7; ++level)
    for (unsigned seed : {3u, 11u}) {
      Grille fast, plain;
      plain.SetPlainGuard(true);
      Build(fast, level, seed, 1000, 700);
      Build(plain, level, seed, 1000, 700);
      ASSERT_EQ(Walls(fast), Walls(plain)) << "level " << level << " seed " << seed;
      EXPECT_EQ(fast.CurrentCount(), plain.CurrentCount());
    }
}

TEST(MazeGeneration, GuardedWallsKeepTheCountWithinTheirTolerance) {
  Grille g;
  g.Reset(400, 300, 20, 10);
  const int open = g.Rows() * g.Columns() - 1;
  EXPECT_EQ(g.CurrentCount(), open);  // a fresh maze starts from the open board
  // A wall closing a corner cell costs one cell: allowed with tolerance 2, not 0.
  g.SetT(1, 0, true);
  g.FloodFill();
  EXPECT_FALSE(g.Guarded(Grille::Wall::Left, 0, 1, 0));
  EXPECT_FALSE(g.L(0, 1));
  EXPECT_EQ(g.CurrentCount(), open);
  EXPECT_TRUE(g.Guarded(Grille::Wall::Left, 0, 1, 2));
  EXPECT_EQ(g.PreviousCount() - g.CurrentCount(), 1);
  // A wall in open ground costs nothing.
  EXPECT_TRUE(g.Guarded(Grille::Wall::Top, 5, 5, 0));
  // Walls set outside the board do nothing and are never there.
  g.SetL(g.Rows(), 3, true);
  g.SetT(2, g.Columns(), true);
  EXPECT_FALSE(g.L(g.Rows(), 3));
  EXPECT_FALSE(g.T(2, g.Columns()));
  EXPECT_FALSE(g.L(-1, -1));
}

TEST(MazeGeneration, CellsCutOffByWallsWithoutAGuardCountAgainstTheNextGuardedWall) {
  // Each corner cell shut by its last side set without a guard, from the
  // side of a left wall and from the side of a top wall: the next guarded
  // wall, in open ground, finds one cell fewer than it was told at the last
  // count, as a whole flood fill would.
  for (const Grille::Wall last : {Grille::Wall::Top, Grille::Wall::Left}) {
    Grille g;
    ASSERT_TRUE(g.Load({"......", "......", "......", "......", "......"}, 20, 10));
    const int open = g.FloodFill();
    if (last == Grille::Wall::Top) {
      g.SetL(0, 1, true);
      g.Unguarded(Grille::Wall::Left, 0, 1);
      g.SetT(1, 0, true);
      g.Unguarded(Grille::Wall::Top, 1, 0);
    } else {
      g.SetT(1, 0, true);
      g.Unguarded(Grille::Wall::Top, 1, 0);
      g.SetL(0, 1, true);
      g.Unguarded(Grille::Wall::Left, 0, 1);
    }
    EXPECT_TRUE(g.Guarded(Grille::Wall::Left, 4, 4, 1));
    EXPECT_EQ(g.PreviousCount(), open);
    EXPECT_EQ(g.CurrentCount(), open - 1);
  }
}

TEST(MazeGeneration, EveryLevelCanBeCrossedFromTheFirstColumn) {
  for (int level = 0; level < 7; ++level)
    for (unsigned seed : {5u, 21u, 77u}) {
      Grille g;
      Build(g, level, seed);
      int crossing = 0;
      for (int r = 0; r < g.Rows(); ++r) crossing += CrossesFrom(g, r);
      EXPECT_GT(crossing, 0) << "level " << level << " seed " << seed;
      // The centre's part holds nearly the whole board.
      EXPECT_GT(g.FloodFill(), g.Rows() * g.Columns() * 9 / 10) << "level " << level;
    }
}

TEST(MazeGeneration, BoardFitsAnyScreenAtAnyLevel) {
  // Whole cells across the area; down, one row fewer.
  struct Fit { int width, height, level, columns, rows; };
  for (const auto& [w, h, level, columns, rows] : {Fit{755, 533, 0, 13, 8}, Fit{755, 533, 6, 53, 37},
                                                  Fit{3788, 2093, 0, 67, 36}, Fit{3788, 2093, 6, 270, 148}}) {
    Grille g;
    Build(g, level, 2, w, h);
    EXPECT_EQ(g.Columns(), columns) << w << " level " << level;
    EXPECT_EQ(g.Rows(), rows) << w << " level " << level;
    const int s = level == 0 ? 56 : 14;
    EXPECT_EQ(g.Cell(rows - 1, columns - 1).centreX, (columns - 1) * s + s / 2);
  }
}

TEST(MazeWalls, AWallThatWouldShutACellIsRefusedFromEitherSide) {
  Grille g;
  // (1, 1) has walls on its left and top and below it: a wall on its right would shut it.
  ASSERT_TRUE(g.Load({"....",
                      ".+..",
                      ".-..",
                      "...."}, 20, 10));
  EXPECT_FALSE(g.LeftWallAllowed(1, 2));
  EXPECT_TRUE(g.LeftWallAllowed(0, 2));
  EXPECT_TRUE(g.LeftWallAllowed(2, 2));
  EXPECT_FALSE(g.LeftWallAllowed(1, 1));  // already there
  // (1, 1) with walls left, right and top: the wall below it would shut it.
  ASSERT_TRUE(g.Load({"....",
                      ".+|.",
                      "....",
                      "...."}, 20, 10));
  EXPECT_FALSE(g.TopWallAllowed(2, 1));
  EXPECT_TRUE(g.TopWallAllowed(2, 2));
  EXPECT_FALSE(g.TopWallAllowed(1, 1));  // already there
  // (1, 1) with walls left, right and below: the wall on its top would shut it.
  ASSERT_TRUE(g.Load({"....",
                      ".||.",
                      ".-..",
                      "...."}, 20, 10));
  EXPECT_FALSE(g.TopWallAllowed(1, 1));
  EXPECT_TRUE(g.TopWallAllowed(1, 2));
  // A cell with walls on its right, top and below: the wall on its left would shut it.
  ASSERT_TRUE(g.Load({"....",
                      ".-|.",
                      ".-..",
                      "...."}, 20, 10));
  EXPECT_FALSE(g.LeftWallAllowed(1, 1));
  EXPECT_TRUE(g.LeftWallAllowed(2, 1));
  // Two walls of three never shut a cell: every wall is allowed around (1, 1).
  for (const std::vector<std::string>& rows :
       {std::vector<std::string>{"....", ".-|.", "....", "...."}, {"....", "..|.", ".-..", "...."},
        {"....", ".+..", "....", "...."}, {"....", ".|..", ".-..", "...."}, {"....", ".||.", "....", "...."}}) {
    ASSERT_TRUE(g.Load(rows, 20, 10));
    const auto& c = g.Cell(1, 1);
    if (!c.leftWall) { EXPECT_TRUE(g.LeftWallAllowed(1, 1)) << rows[1] << " / " << rows[2]; }
    if (!g.L(1, 2)) { EXPECT_TRUE(g.LeftWallAllowed(1, 2)) << rows[1] << " / " << rows[2]; }
    if (!c.topWall) { EXPECT_TRUE(g.TopWallAllowed(1, 1)) << rows[1] << " / " << rows[2]; }
    if (!g.T(2, 1)) { EXPECT_TRUE(g.TopWallAllowed(2, 1)) << rows[1] << " / " << rows[2]; }
  }
}

TEST(MazeWalls, FloodFillCountsTheCellsTheCentreReachesAndTheirDistances) {
  Grille g;
  // The centre is (2, 2); a wall bars the top row, and (2, 0) and (3, 0) are
  // fenced in.
  ASSERT_TRUE(g.Load({".....",
                      "-----",
                      "+|...",
                      ".|...",
                      "-...."}, 20, 10));
  EXPECT_EQ(g.Rows(), 5);
  EXPECT_EQ(g.Columns(), 5);
  EXPECT_EQ(g.FloodFill(), 17);  // rows 1 to 4 less the centre, (2, 0) and (3, 0)
  EXPECT_EQ(g.Cell(2, 2).label, 1);
  EXPECT_EQ(g.Cell(2, 3).label, 2);
  EXPECT_EQ(g.Cell(4, 0).label, 5);
  EXPECT_EQ(g.Cell(2, 0).label, 0);
  EXPECT_EQ(g.Cell(0, 2).label, 0);
  EXPECT_EQ(g.Cell(1, 0).label, 4);
  EXPECT_EQ(g.FloodFillByPasses(), 17);
  EXPECT_EQ(g.PreviousCount(), 17);
  // Cells keep their place and size.
  EXPECT_EQ(g.Cell(3, 4).centreX, 4 * 20 + 10);
  EXPECT_EQ(g.Cell(3, 4).centreY, 3 * 20 + 10);
}

TEST(MazeWalls, LoadRefusesRowsItCannotReadAndKeepsTheBoard) {
  Grille g;
  ASSERT_TRUE(g.Load({"..", ".."}, 20, 10));
  EXPECT_FALSE(g.Load({"...", ".."}, 20, 10));
  EXPECT_FALSE(g.Load({"..", ".x"}, 20, 10));
  EXPECT_FALSE(g.Load({}, 20, 10));
  EXPECT_EQ(g.Rows(), 2);
  EXPECT_EQ(g.Columns(), 2);
}
