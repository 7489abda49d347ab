// The maze generator: guarded walls, the flood fill and the board's size.
#include "Generator.h"
#include "Maze.h"
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
  for (auto [w, h] : {std::pair{800 - 45, 600 - 67}, std::pair{3840 - 52, 2160 - 67}})
    for (int level : {0, 6}) {
      Grille g;
      Build(g, level, 2, w, h);
      const int s = 2 * (level == 0 ? 28 : 7);
      EXPECT_EQ(g.Columns(), w / s);
      EXPECT_EQ(g.Rows(), h / s - 1);
      EXPECT_EQ(g.Cell(g.Rows() - 1, g.Columns() - 1).centreX, (g.Columns() - 1) * s + s / 2);
    }
}
