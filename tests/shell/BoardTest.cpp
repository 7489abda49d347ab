// Level names, cells, and the window chain with its picture layer on top.
#include "Case.h"
#include "GameHarness.h"
#include "LevelMenu.h"
#include "TestGame.h"

#include <gtest/gtest.h>

TEST(LevelNames, FourTablesByLevelCount) {
  EXPECT_EQ(LevelName(4, 2), "Professionnel");
  EXPECT_EQ(LevelName(4, 3), "Expert");
  EXPECT_EQ(LevelName(5, 4), "Champion");
  EXPECT_EQ(LevelName(6, 2), QString::fromUtf8("Bientôt pro"));
  EXPECT_EQ(LevelName(7, 0), "Ya pas plus simple");
  EXPECT_EQ(LevelName(7, 1), QString::fromUtf8("Débutant"));
  EXPECT_EQ(LevelName(7, 6), "Champion");
  // Outside the tables: nothing.
  EXPECT_EQ(LevelName(6, 6), "");
  EXPECT_EQ(LevelName(4, -1), "");
  EXPECT_EQ(LevelName(3, 0), "");
}

TEST(Cells, HitTestIsStrictSoBorderLinesBelongToNoCell) {
  Case left, right;
  left.Place(29, 29, 100, 50);
  right.Place(29, 29, 129, 50);
  EXPECT_TRUE(left.Contains({101, 51}));
  EXPECT_TRUE(left.Contains({128, 78}));
  for (QPoint border : {QPoint(100, 60), QPoint(129, 60), QPoint(110, 50), QPoint(110, 79)})
    EXPECT_FALSE(left.Contains(border)) << border.x() << "," << border.y();
  EXPECT_FALSE(right.Contains({129, 60}));
}

TEST(Cells, PictureDrawingReachesBothSurfaces) {
  auto h = GameHarness::Start<testgame::TMyAppCumMenuSuite>();
  Case cell;
  cell.Place(49, 49, 300, 200);
  cell.DrawPicture(h->Window(), 4);
  EXPECT_EQ(cell.picture, 4);
  const QImage want = h->Window().PictureDC(4).Image()->copy();
  EXPECT_EQ(h->Screen().copy(300, 200, 49, 49), want);
  EXPECT_EQ(h->Copy().copy(300, 200, 49, 49), want);
}

TEST(WindowChain, PictureLayerAboveTheMemoryLayersWorksTheSame) {
  auto h = GameHarness::Start<testgame::TPicturesAboveApp>();
  EXPECT_EQ(h->Window().PictureCount(), 6);
  EXPECT_EQ(h->Window().DrawingArea(), QRect(0, 0, h->Window().width(), 768 - 30 - 67));
  EXPECT_EQ(h->Window().PictureDC(2).Image()->size(), QSize(49, 49));
  h->Answer({AnswerNo});
  h->CloseFrame();
  EXPECT_EQ(h->TakeMessages().size(), 1u);
  EXPECT_TRUE(h->FrameVisible());
}
