// Whole hunts: the four chests opened by a scripted player on a large and a
// small screen, and a long random play.
#include "GigogneFixture.h"

#include "RandomPlayer.h"

using namespace gigogne;

TEST_F(GigogneTest, OnALargeScreenEnlargingAloneOpensTheFourChests) {
  Start({.screenWidth = 1920, .screenHeight = 1080});
  OpenTheWayDown(false);
  OpenTheChests();
  EXPECT_EQ(Tresor().OpenChests(), 4);
  EXPECT_EQ(h->MessageField(), QString::fromUtf8("Tu as ouvert tous les coffres "));
  // The last chest opened lies on top, its whole text in sight.
  TChildFrame& argent = Place("Argent");
  EXPECT_GE(argent.ClientRect().width(), QFontMetrics(argent.font()).horizontalAdvance(ChestText(4)) + 2);
  EXPECT_TRUE(Shows(argent, ChestText(4)));
}

TEST_F(GigogneTest, OnASmallScreenMovingThePlacesLeftMakesRoomForTheChests) {
  OpenTheWayDown(true);
  OpenTheChests();
  EXPECT_EQ(Tresor().OpenChests(), 4);
  TChildFrame& argent = Place("Argent");
  EXPECT_GE(argent.ClientRect().width(), QFontMetrics(argent.font()).horizontalAdvance(ChestText(4)) + 2);
  EXPECT_TRUE(Shows(argent, ChestText(4)));
}

TEST_F(GigogneTest, ThousandsOfRandomEventsLeaveEveryWindowInPlace) {
  RandomPlayer player(*h, 11);
  player.SetHostile(true);
  player.SetAims({QRect(0, 0, 140, 40)});
  h->AnswerWith([](const ShownMessage&) { return AnswerNo; });
  const PlayReport report = player.Play(3000);
  EXPECT_TRUE(report.ok) << report.failure;
  h->TakeMessages();
  h->TakePopups();
  ASSERT_EQ(W().World().Places().size(), 34u);
  for (const auto& place : W().World().Places()) {
    EXPECT_TRUE(place.window->isVisibleTo(&W()));
    EXPECT_GE(place.window->width(), kHomeSize.width());
    EXPECT_GE(place.window->height(), kHomeSize.height());
  }
}
