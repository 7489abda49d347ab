// The board: its cells at each level, where the mines fall, which cell a
// point falls in, and the pictures that make the hexagons.
#include "AlveoloFixture.h"
#include "LevelMenu.h"

using namespace alveolo;

TEST_F(AlveoloTest, EachLevelHasItsHexagonOfCellsAndMinesDrawnAtTheirPlaces) {
  EXPECT_EQ(h->Caption(), "A L V E O L O");
  EXPECT_EQ(B().Size(), 3);  // the game starts at level 1
  EXPECT_EQ(h->FirstField(), "Amateur ");
  const int cells[kLevelCount] = {7, 19, 37, 61, 91, 127};
  for (int level = 0; level < kLevelCount; ++level) {
    h->Command(cmd::kLevelChoices[level]);
    const int R = level + 2;
    ASSERT_EQ(B().Size(), R);
    int inside = 0, mines = 0;
    for (int r = 0; r < kTable; ++r)
      for (int c = 0; c < kTable; ++c) {
        const Hexag& x = B().At(r, c);
        EXPECT_EQ(x.row, r);
        EXPECT_EQ(x.col, c);
        inside += x.inside;
        mines += x.mine;
        EXPECT_TRUE(x.inside || !x.mine) << "mine outside the board at " << r << "," << c;
      }
    EXPECT_EQ(inside, cells[level]);
    EXPECT_EQ(mines, kMines[level]);
    EXPECT_EQ(B().MineCount(), kMines[level]);
    // The corners of the big hexagon are inside, the cells just beyond are not.
    for (auto [r, c] : {std::pair{0, R - 1}, {0, 2 * R - 2}, {R - 1, 0}, {R - 1, 2 * R - 2}, {2 * R - 2, 0},
                        {2 * R - 2, R - 1}})
      EXPECT_TRUE(B().At(r, c).inside) << r << "," << c;
    for (auto [r, c] : {std::pair{0, R - 2}, {R - 2, 0}, {2 * R - 2, R}, {R, 2 * R - 2}, {2 * R - 1, 0}})
      EXPECT_FALSE(B().At(r, c).inside) << r << "," << c;
    for (const auto& row : Shown()) EXPECT_EQ(row.find_first_not_of('#'), std::string::npos);
    EXPECT_EQ(h->FirstField(), LevelName(6, level) + ' ');
    EXPECT_EQ(Phase(), PhaseNotStarted);
    ExpectBoardDrawn();
    // Outside the hexagons the window stays white: left of the first cell, in
    // the notch between the two top cells, and below the last row.
    const QImage screen = h->Screen();
    EXPECT_EQ(screen.pixel(42 * (R - 1) - 1, 24), qRgb(255, 255, 255));
    EXPECT_EQ(screen.pixel(42 * R, 2), qRgb(255, 255, 255));
    EXPECT_EQ(screen.pixel(42 * R, 36 * (2 * R - 2) + 48), qRgb(255, 255, 255));
  }
}

TEST_F(AlveoloTest, MinesFallWhereTheDrawsSayAndSkipTakenOutsideAndCentreCells) {
  // Level 0: the centre (1, 1) and an address outside are drawn again.
  NewBoard(0, {{1, 1}, {0, 0}, {19, 19}, {0, 1}});
  EXPECT_TRUE(B().At(0, 1).mine);
  EXPECT_EQ(B().MineCount(), 1);
  EXPECT_FALSE(B().At(1, 1).mine);
  // Level 1: a cell drawn twice gets one mine.
  NewBoard(1, {{0, 2}, {0, 2}, {19, 19}, {4, 2}, {2, 2}});
  EXPECT_TRUE(B().At(0, 2).mine);
  EXPECT_TRUE(B().At(4, 2).mine);
  EXPECT_TRUE(B().At(2, 2).mine);  // the centre is only kept free on the smallest board
  EXPECT_EQ(B().MineCount(), 3);
  // With the clock's draws the smallest board never hides its mine in the centre.
  for (int game = 0; game < 40; ++game) {
    h->Command(cmd::kLevelChoices[0]);
    ASSERT_FALSE(B().At(1, 1).mine);
  }
}

TEST_F(AlveoloTest, APointFallsInTheRowAndColumnOfTheTruncatedDivisions) {
  // Row 0: every y from 0 to 40 (the top of row 1 still counts as row 0).
  for (int y = 0; y <= 40; ++y) {
    const Hexag* x = B().CellAt(QPoint(105, y));
    ASSERT_NE(x, nullptr) << y;
    EXPECT_EQ(x, &B().At(0, 2)) << y;
  }
  EXPECT_EQ(B().CellAt(QPoint(105, 41)), &B().At(1, 1));
  // Row 2 starts 42 pixels in: left of that the column is -1, not 0.
  for (int x : {0, 22, 30, 42}) {
    EXPECT_EQ(B().CellAt(QPoint(x, 90)), nullptr) << x;
    EXPECT_EQ(B().LastRow(), 2);
    EXPECT_EQ(B().LastCol(), -1);
  }
  EXPECT_EQ(B().CellAt(QPoint(43, 90)), &B().At(2, 0));
  EXPECT_EQ(B().CellAt(QPoint(84, 90)), &B().At(2, 0));
  EXPECT_EQ(B().CellAt(QPoint(85, 90)), &B().At(2, 1));
  // Addresses of the table outside the board, and beyond the table.
  EXPECT_EQ(B().CellAt(QPoint(50, 20)), nullptr);   // (0, 1)
  EXPECT_EQ(B().CellAt(QPoint(300, 20)), nullptr);  // (0, 7)
  EXPECT_EQ(B().CellAt(QPoint(970, 20)), nullptr);  // column 23
  EXPECT_EQ(B().CellAt(QPoint(500, 760)), nullptr); // row 20

  // Through the mouse: a press left of row 2 does nothing, one just inside
  // reveals (2, 0).
  NewBoard(1, {{0, 2}, {0, 3}, {2, 3}});
  h->Click(QPoint(30, 90));
  h->Click(QPoint(30, 90), Qt::RightButton);
  EXPECT_EQ(Shown(), (Rows{"###", "####", "#####", "####", "###"}));
  EXPECT_EQ(Phase(), PhaseNotStarted);
  h->Click(QPoint(43, 90));
  EXPECT_EQ(Shown(), (Rows{"###", "####", "0####", "####", "###"}));
}

TEST_F(AlveoloTest, PicturesShowOnlyInsideTheMaskAndTheMasksTileWithoutGapOrOverlap) {
  const QImage& mask = *W().HexagDC(ImageMask).Image();
  ASSERT_EQ(mask.size(), QSize(kCellWidth, kCellHeight));
  int black = 0;
  for (int y = 0; y < kCellHeight; ++y)
    for (int x = 0; x < kCellWidth; ++x) {
      const QRgb p = mask.pixel(x, y);
      ASSERT_TRUE(p == qRgb(0, 0, 0) || p == qRgb(255, 255, 255)) << "mask grey at " << x << "," << y;
      black += p == qRgb(0, 0, 0);
    }
  // One hexagon covers exactly the area that the layout gives each cell.
  EXPECT_EQ(black, 42 * 36);
  for (int i = 0; i < ImageCount; ++i) {
    if (i == ImageMask) continue;
    const QImage& picture = *W().HexagDC(i).Image();
    ASSERT_EQ(picture.size(), mask.size()) << i;
    for (int y = 0; y < kCellHeight; ++y)
      for (int x = 0; x < kCellWidth; ++x)
        if (mask.pixel(x, y) == qRgb(255, 255, 255)) {
          ASSERT_EQ(picture.pixel(x, y), qRgb(0, 0, 0)) << "picture " << i << " at " << x << "," << y;
        }
  }
  // A cell and its six neighbours cover no pixel twice.
  QImage count(200, 200, QImage::Format_Grayscale8);
  count.fill(0);
  for (auto [dr, dc] : {std::pair{0, 0}, {-1, 0}, {-1, 1}, {0, -1}, {0, 1}, {1, -1}, {1, 0}}) {
    const int left = 60 + 42 * dc + 21 * dr, top = 60 + 36 * dr;
    for (int y = 0; y < kCellHeight; ++y)
      for (int x = 0; x < kCellWidth; ++x)
        if (mask.pixel(x, y) == qRgb(0, 0, 0)) {
          uchar* p = count.scanLine(top + y) + left + x;
          ASSERT_EQ(*p, 0) << "overlap at " << left + x << "," << top + y;
          *p = 1;
        }
  }
}
