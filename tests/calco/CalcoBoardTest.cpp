// The model pictures, the scale on every usual screen and the board as drawn.
#include "CalcoFixture.h"

#include <set>

using namespace calco;

TEST_F(CalcoTest, EveryModelIsWholeBlocksOfOneColourInAWhiteFrame) {
  for (int model = 0; model < kModels; ++model) {
    SCOPED_TRACE(model);
    const Motif m = MotifOf(model);
    EXPECT_EQ(m.count, model < 12 ? 5 : 9);  // 10 and 11, though "difficult", are 5 x 5
    EXPECT_EQ(m.block * m.count + 2 * m.offset, kModelSize);
    const QImage picture = *W().PictureDC(model).Image();
    ASSERT_EQ(picture.size(), QSize(kModelSize, kModelSize));
    int coloured = 0;
    std::set<QRgb> colours;
    for (int y = 0; y < kModelSize; ++y) {
      for (int x = 0; x < kModelSize; ++x) {
        const QRgb px = picture.pixel(x, y) & 0xffffffu;
        const int k = (x - m.offset) / m.block, r = (y - m.offset) / m.block;
        if (x < m.offset || y < m.offset || k >= m.count || r >= m.count) {
          ASSERT_EQ(px, 0xffffffu) << "frame at " << x << "," << y;
          continue;
        }
        const QRgb first = picture.pixel(m.offset + k * m.block, m.offset + r * m.block) & 0xffffffu;
        ASSERT_EQ(px, first) << "block " << r << "," << k << " at " << x << "," << y;
      }
    }
    for (int r = 0; r < m.count; ++r)
      for (int k = 0; k < m.count; ++k) {
        const QRgb c = picture.pixel(m.offset + k * m.block, m.offset + r * m.block) & 0xffffffu;
        if (c != 0xffffffu) ++coloured, colours.insert(c);
        EXPECT_NE(c, 0xc0c0c0u) << "a cell the colour of the grid lines";
      }
    EXPECT_GT(coloured, 0);
    EXPECT_LT(coloured, m.count * m.count);
  }
}

TEST(CalcoScale, TheUsualShareOfTheWidthLoweredOnlyWhereTheGridsWouldNotFit) {
  // 800 wide: 748 / 54 = 13 fits as it is.
  EXPECT_EQ(Grille::Scale(5, 5, 748, 513), 13);
  // 1024 wide: 972 / 54 = 18 would put the model's right edge at 990.
  EXPECT_EQ(Grille::Scale(5, 5, 972, 681), 17);
  EXPECT_EQ(Grille::Scale(9, 3, 972, 681), 16);  // 972 / 58, and 19 x 48 + 1 = 913 fits
  // 2560 x 1080: the height decides, 39 x 25 + 1 = 976 rows.
  EXPECT_EQ(Grille::Scale(5, 5, 2508, 993), 39);
  // Exactly at the limit, and one pixel short of it.
  EXPECT_EQ(Grille::Scale(5, 5, 11 * 5 * 10 + 1, 1000), 10);
  EXPECT_EQ(Grille::Scale(5, 5, 11 * 5 * 10, 1000), 9);
  EXPECT_EQ(Grille::Scale(5, 5, 2000, 5 * 5 * 10 + 1), 10);
  EXPECT_EQ(Grille::Scale(5, 5, 2000, 5 * 5 * 10), 9);
  EXPECT_EQ(Grille::Scale(9, 3, 20, 20), 1);  // never below one
}

TEST_F(CalcoTest, OnEveryScreenBothGridsAndTheirLastLinesLieInsideTheDrawingArea) {
  const QSize screens[] = {{800, 600}, {1024, 768}, {1920, 1080}, {2560, 1080}, {3840, 2160}};
  for (QSize screen : screens) {
    Start(screen.width(), screen.height());
    const QRect area = W().DrawingArea();
    for (int model : {0, 12}) {
      SCOPED_TRACE(testing::Message() << screen.width() << "x" << screen.height() << " model " << model);
      Choose(model);
      const Grille& g = G();
      EXPECT_EQ(g.cell, g.scale * g.block);
      const int lastLineX = (2 * g.count + 1) * g.cell, lastLineY = g.count * g.cell;
      EXPECT_LT(lastLineX, area.width());
      EXPECT_LT(lastLineY, area.height());
      EXPECT_TRUE(area.contains(g.ModelArea()));
      // The lines are drawn where they should be, the last ones included.
      const QImage copy = h->Copy();
      EXPECT_EQ(copy.pixelColor(lastLineX, 1), QColor(192, 192, 192));
      EXPECT_EQ(copy.pixelColor(1, lastLineY), QColor(192, 192, 192));
      EXPECT_EQ(copy.pixelColor(g.ModelArea().left() + 1, lastLineY), QColor(192, 192, 192));
      // The usual share of the width wherever it fits.
      const int usual = area.width() / (2 * g.Pattern() + 4);
      if ((2 * g.count + 1) * usual * g.block < area.width() && g.count * usual * g.block < area.height()) {
        EXPECT_EQ(g.scale, usual);
      }
    }
  }
  h->TakeMessages();
}

TEST_F(CalcoTest, AtStartModelZeroStandsEnlargedBesideAnEmptyGrid) {
  EXPECT_EQ(W().Model(), 0);
  EXPECT_EQ(G().count, 5);
  const QImage screen = h->Screen();
  EXPECT_EQ(screen, h->Copy());
  const int c = G().cell, shift = 6 * c;
  for (int r = 0; r < 5; ++r) {
    for (int k = 0; k < 5; ++k) {
      SCOPED_TRACE(testing::Message() << r << "," << k);
      // The model cell holds its colour on every pixel inside its lines.
      const QColor colour = QColor::fromRgb(G().ModelColour(W().ModelPicture(), r, k));
      EXPECT_EQ(screen.pixelColor(shift + k * c + 1, r * c + 1), colour);
      EXPECT_EQ(screen.pixelColor(shift + (k + 1) * c - 1, (r + 1) * c - 1), colour);
      EXPECT_EQ(screen.pixelColor(k * c + c / 2, r * c + c / 2), QColor(Qt::white));
      EXPECT_EQ(screen.pixelColor(k * c, r * c + 1), QColor(192, 192, 192));
    }
  }
  // The column between the grids has its vertical lines and nothing else.
  EXPECT_EQ(screen.pixelColor(5 * c + c / 2, 0), QColor(Qt::white));
  EXPECT_EQ(screen.pixelColor(5 * c + c / 2, c / 2), QColor(Qt::white));
  EXPECT_EQ(h->MessageField(), "0  erreur(s)   ");
  EXPECT_EQ(Jeu().phase, PhaseNotStarted);
  EXPECT_EQ(h->Caption(), "C A L C O");
}
