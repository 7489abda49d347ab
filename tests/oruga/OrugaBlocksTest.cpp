// Where a new board puts its sweets and trees, for every level and every first
// draw k, and the order in which a move looks at the tile it enters.
#include "Grille.h"
#include "Random.h"

#include <gtest/gtest.h>
#include <deque>
#include <set>

using namespace oruga;

namespace {
// Sweet blocks: at the first two levels every fourth value of b, then seven values of 32.
bool SweetBlock(int level, int b) {
  static const std::set<int> later{0, 2, 5, 9, 14, 20, 27};
  return level <= 1 ? b % 4 == 3 : later.count(b) == 1;
}

// Lays a board with the first draw k and the same offset in every block.
void Lay(Grille& g, int level, int k, int offset) {
  std::deque<int> draws{k};
  for (int n = 0; n < 200; ++n) draws.push_back(offset);
  Random::Script(draws);
  g.NewGame(level, 979, 671);
  Random::Script({});
}
}  // namespace

TEST(OrugaBlocks, SweetsAtLevelTwoWithKZero) {
  // 15 columns, 12 rows: b = (15 i + j) mod 32 is 0 at (2, 2) and (8, 8), 9 at (2, 11).
  Grille g;
  Lay(g, 2, 0, 0);
  ASSERT_EQ(g.Columns(), 15);
  ASSERT_EQ(g.Rows(), 12);
  std::set<std::pair<int, int>> sweets, trees;
  for (int r = 0; r < g.Rows(); ++r)
    for (int c = 0; c < g.Columns(); ++c) {
      if (g.Tile(r, c).kind == Sweet) sweets.emplace(r, c);
      if (g.Tile(r, c).kind == Tree) trees.emplace(r, c);
    }
  EXPECT_EQ(sweets, (std::set<std::pair<int, int>>{{2, 2}, {2, 11}, {8, 8}}));
  EXPECT_EQ(trees.size(), 17u);
  EXPECT_EQ(g.SweetsLeft(), 3);
  // The caterpillar in column 7 from row 5 down: head, body, tail.
  EXPECT_EQ(g.Tile(5, 7).kind, Head);
  EXPECT_EQ(g.Tile(6, 7).kind, Body);
  EXPECT_EQ(g.Tile(7, 7).kind, TailUp);
  EXPECT_EQ(g.Length(), 3);
}

TEST(OrugaBlocks, EveryLevelAndEveryKFollowsTheBlockTable) {
  const int columns[6] = {9, 12, 15, 18, 20, 21};
  for (int level = 0; level < 6; ++level)
    for (int k = 0; k < 32; ++k) {
      Grille g;
      // Offsets of 2 put each block's tile in its top-left corner: rows 0, 3, ...
      Lay(g, level, k, 2);
      ASSERT_EQ(g.Columns(), columns[level]);
      ASSERT_EQ(g.Rows(), columns[level] - 3);
      const int m = g.Columns() / 2;
      int sweets = 0, things = 0;
      for (int i = 2; i < g.Rows(); i += 3)
        for (int j = 2; j < g.Columns(); j += 3) {
          const bool sweet = SweetBlock(level, (k + i * g.Columns() + j) % 32);
          if (j - 2 == m && std::abs(i - 2 - g.Rows() / 2) <= 1) continue;  // under the caterpillar
          EXPECT_EQ(g.Tile(i - 2, j - 2).kind, sweet ? Sweet : Tree) << level << " k " << k << " " << i << "," << j;
          sweets += sweet;
          ++things;
        }
      int onBoard = 0;
      for (int r = 0; r < g.Rows(); ++r)
        for (int c = 0; c < g.Columns(); ++c) onBoard += g.Tile(r, c).kind == Sweet || g.Tile(r, c).kind == Tree;
      EXPECT_EQ(onBoard, things) << level << " k " << k;
      EXPECT_EQ(g.SweetsLeft(), sweets) << level << " k " << k;
    }
}

TEST(OrugaBlocks, TheRowOffsetIsDrawnBeforeTheColumnOffset) {
  Grille g;
  Random::Script({3, 1, 2, 0, 0});  // k = 3; block (2, 2) draws row 2 - 1, column 2 - 2
  g.NewGame(0, 979, 671);
  Random::Script({});
  // b = (3 + 18 + 2) mod 32 = 23, a sweet block at level 0.
  EXPECT_EQ(g.Tile(1, 0).kind, Sweet);
  EXPECT_EQ(g.Tile(2, 2).kind, Grass);
}

TEST(OrugaBlocks, AMoveChecksTreeThenBackwardsThenGrassBodyTailAndSweet) {
  Grille g;
  // A caterpillar of two: the tile behind the head is the tail, and going back is refused.
  g.Load({"....", ".HQ.", "...."}, 979, 671);
  EXPECT_EQ(g.Move(Direction::Right), Outcome::Backwards);
  EXPECT_EQ(g.Tile(1, 1).kind, Head);
  EXPECT_EQ(g.Tile(1, 1).direction, Direction::Right);  // the head turned all the same
  // The tail further along the chain bites.
  g.Load({"BBB.", "B.B.", "HQB."}, 979, 671);
  EXPECT_EQ(g.Length(), 8);
  EXPECT_EQ(g.Move(Direction::Right), Outcome::BitTail);
  // The body right behind the head is going back, not a bite.
  g.Load({".S..", ".H..", ".B..", ".Q.S"}, 979, 671);
  EXPECT_EQ(g.Move(Direction::Down), Outcome::Backwards);
  EXPECT_EQ(g.Move(Direction::Up), Outcome::Grew);  // a sweet in row 0 is food like any other
  EXPECT_EQ(g.SweetsLeft(), 1);
  g.Load({"S...", "HB..", "QB.S"}, 979, 671);
  EXPECT_EQ(g.Length(), 4);
  EXPECT_EQ(g.Move(Direction::Up), Outcome::Grew);
  EXPECT_EQ(g.SweetsLeft(), 1);
  EXPECT_EQ(g.Length(), 5);
  EXPECT_EQ(g.Tile(2, 0).kind, TailRight);  // growing leaves the tail where it was
  EXPECT_EQ(g.Move(Direction::Left), Outcome::None);  // off the board
  EXPECT_EQ(g.Move(Direction::Up), Outcome::None);
  EXPECT_EQ(g.Move(Direction::Right), Outcome::Crawled);
  EXPECT_EQ(g.Tile(2, 0).kind, Grass);
  EXPECT_EQ(g.Tile(2, 1).kind, TailUp);  // that tile was left going up
  EXPECT_EQ(g.Length(), 5);
  EXPECT_EQ(g.Move(Direction::Down), Outcome::BitBody);
}

TEST(OrugaBlocks, AfterALargerBoardOnlyTheNewBoardsTilesTakeClicks) {
  Grille g;
  g.NewGame(5, 979, 671);  // 21 x 18 tiles from (170, 60)
  ASSERT_NE(g.TileAt({445, 74}), nullptr);
  g.NewGame(0, 979, 671);  // 9 x 6 tiles from (344, 234)
  EXPECT_EQ(g.TileAt({445, 74}), nullptr);
  EXPECT_EQ(g.TileAt({330, 300}), nullptr);
  ASSERT_NE(g.TileAt({345, 235}), nullptr);
  EXPECT_EQ(g.TileAt({345, 235})->column, 0);
  EXPECT_EQ(g.TileAt({604, 407})->row, 5);
  EXPECT_EQ(g.TileAt({604, 407})->column, 8);
}

TEST(OrugaBlocks, AClickAsksForAMoveByRowFirstThenByColumn) {
  Grille g;
  g.Load({".....", ".....", "..H..", "..B..", "..Q.."}, 979, 671);
  auto asks = [&](int r, int c) {
    Direction d = Direction::Left;
    return g.DirectionOfClick(g.Tile(r, c), d) ? static_cast<int>(d) : -1;
  };
  EXPECT_EQ(asks(1, 0), static_cast<int>(Direction::Up));     // any tile of the row above
  EXPECT_EQ(asks(3, 4), static_cast<int>(Direction::Down));   // any tile of the row below
  EXPECT_EQ(asks(0, 3), static_cast<int>(Direction::Right));  // the next column, rows away
  EXPECT_EQ(asks(4, 1), static_cast<int>(Direction::Left));
  EXPECT_EQ(asks(2, 4), -1);  // two tiles away
  EXPECT_EQ(asks(0, 0), -1);
  EXPECT_EQ(asks(2, 2), -1);  // the head itself
}

TEST(OrugaBlocks, ABoardLargerThanTheRoomStartsAtItsTopLeftCorner) {
  Grille g;
  // 21 x 18 tiles need 609 + 29 by 522 + 29 pixels: 800 x 600's room is too low,
  // 640 x 480's too narrow as well.
  g.NewGame(5, 752, 503);
  EXPECT_EQ(QPoint(g.Tile(0, 0).left, g.Tile(0, 0).top), QPoint((752 - 609 - 29) / 2, 0));
  g.NewGame(5, 592, 383);
  EXPECT_EQ(QPoint(g.Tile(0, 0).left, g.Tile(0, 0).top), QPoint(0, 0));
  EXPECT_EQ(g.TileAt({1, 1}), &g.Tile(0, 0));
  // Where it fits, the board stays centred less half a tile.
  g.NewGame(5, 976, 671);
  EXPECT_EQ(QPoint(g.Tile(0, 0).left, g.Tile(0, 0).top), QPoint(169, 60));
}
