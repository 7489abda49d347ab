// The room a game draws in: the part of the frame's middle that the screen shows,
// whatever the window manager's caption and panels.
#include "DrawingArea.h"
#include "GameHarness.h"
#include "TestGame.h"

#include <gtest/gtest.h>

namespace {
// A maximised frame on a 1024 x 768 screen whose free area is `available`, with a
// caption of `caption` pixels and 1-pixel borders where there is a caption; the
// middle starts below a 30-pixel menu bar and right of a 44-pixel button bar and
// ends above a 27-pixel status bar.
QRect Middle(const QRect& available, int caption) {
  const int border = caption > 0 ? 1 : 0;
  const QRect inner = available.adjusted(border, caption + border, -border, -border);
  return inner.adjusted(44, 30, 0, -27);
}
}  // namespace

TEST(DrawingArea, VisibleRoomIsTheMiddleOfTheFrameWhateverTheCaptionAndPanels) {
  const QRect bottomPanel(0, 0, 1024, 738), topPanel(0, 24, 1024, 744), leftPanel(48, 0, 976, 768);
  struct Case {
    QRect available;
    int caption;
    QSize room;
  } cases[] = {
      {bottomPanel, 0, {980, 681}},  {bottomPanel, 20, {978, 659}}, {bottomPanel, 30, {978, 649}},
      {bottomPanel, 37, {978, 642}}, {topPanel, 20, {978, 665}},    {leftPanel, 20, {930, 689}},
  };
  for (const Case& c : cases) {
    const QRect middle = Middle(c.available, c.caption);
    EXPECT_EQ(VisibleRoom(middle, c.available), c.room) << c.caption;
    EXPECT_EQ(VisibleRoom(middle, c.available), middle.size());
  }
  // A frame the window manager left larger than the free area, or partly under a
  // panel: only what shows counts, from the middle's top left corner.
  EXPECT_EQ(VisibleRoom(QRect(44, 30, 1000, 760), bottomPanel), QSize(980, 708));
  EXPECT_EQ(VisibleRoom(QRect(0, 0, 300, 200), QRect(400, 0, 600, 700)), QSize(0, 0));
}

TEST(DrawingArea, TheAreaIsTheVisibleGameWindowBoundedByTheMargins) {
  for (QSize screen : {QSize(640, 480), QSize(1024, 768), QSize(1920, 1080), QSize(3840, 2160)}) {
    auto h = GameHarness::Start<testgame::TMyAppCumMenuSuite>(
        {.screenWidth = screen.width(), .screenHeight = screen.height(), .taskbarHeight = 30});
    const QRect area = h->Window().DrawingArea();
    const QRect shown(h->Window().mapTo(&h->Frame(), QPoint(0, 0)), h->Window().size());
    EXPECT_TRUE(h->Frame().rect().contains(shown)) << screen.width();
    EXPECT_EQ(area.width(), std::min(screen.width() - 45, h->Window().width())) << screen.width();
    EXPECT_EQ(area.height(), std::min(screen.height() - 30 - 67, h->Window().height())) << screen.width();
    // The frame with its borders fills the free area of the screen.
    EXPECT_EQ(h->Frame().frameGeometry(), QRect(0, 0, screen.width(), screen.height() - 30)) << screen.width();
  }
}
