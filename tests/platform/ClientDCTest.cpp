// Drawing on a window: only pixels that change are sent to the screen, when
// the drawing ends or before a modal box shows over a drawing still going on.
#include "Window.h"

#include <QApplication>
#include <QPaintEvent>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {
// A window that remembers the region of every paint it gets.
class Recorded : public TWindow {
public:
  QRegion painted;

protected:
  void paintEvent(QPaintEvent* e) override {
    painted += e->region();
    TWindow::paintEvent(e);
  }
};

class ClientDCTest : public ::testing::Test {
protected:
  void SetUp() override {
    w = std::make_unique<Recorded>();
    w->setGeometry(0, 0, 400, 300);
    w->SetScreenSize(QSize(400, 300));
    w->show();
    (void)QTest::qWaitForWindowExposed(w.get());
    QApplication::processEvents();
    {
      TClientDC dc(*w);
      dc.FillRect(0, 0, 400, 300, TBrush(TColor::LtGray));
      dc.FillRect(50, 50, 150, 150, TBrush(TColor::LtBlue));
    }
    Settle();
  }
  // The region painted since the last look.
  QRegion Settle() {
    QApplication::processEvents();
    return std::exchange(w->painted, QRegion());
  }
  std::unique_ptr<Recorded> w;
};
}  // namespace

TEST_F(ClientDCTest, DrawingsThatLeaveThePixelsAsTheyWereSendNothing) {
  {
    TClientDC dc(*w);
    dc.FillRect(50, 50, 150, 150, TBrush(TColor::LtBlue));  // the same again
    dc.SelectObject(TPen(TColor::LtBlue));
    dc.MoveTo(60, 60);
    dc.LineTo(140, 140);  // blue on blue
  }
  EXPECT_TRUE(Settle().isEmpty());
  // Drawn over, then drawn back as it was, within one drawing.
  {
    TClientDC dc(*w);
    dc.FillRect(200, 100, 300, 200, TBrush(TColor::LtRed));
    dc.FillRect(200, 100, 300, 200, TBrush(TColor::LtGray));
  }
  EXPECT_TRUE(Settle().isEmpty());
}

TEST_F(ClientDCTest, OnlyTheChangedPixelsOfABigRedrawAreSent) {
  {
    TClientDC dc(*w);
    // A board redrawn square by square, one square with a new colour.
    for (int k = 0; k < 4; ++k) dc.FillRect(20 + 90 * k, 200, 100 + 90 * k, 280, TBrush(k == 2 ? TColor::LtRed : TColor::LtGray));
    dc.SetPixel(390, 10, TColor::Black);
  }
  const QRegion painted = Settle();
  EXPECT_EQ(painted.intersected(QRect(0, 0, 380, 300)).boundingRect(), QRect(200, 200, 80, 80));
  EXPECT_TRUE(painted.contains(QPoint(390, 10)));
  EXPECT_EQ(w->Screen().pixel(240, 240), TColor::LtRed.Rgb());
}

TEST_F(ClientDCTest, AWholeWindowRedrawIsSentAsItGoesAndAModalBoxSeesTheDrawingSoFar) {
  {
    TClientDC dc(*w);
    dc.FillRect(0, 0, 400, 300, TBrush(TColor::White));  // beyond what is kept: sent at once
    EXPECT_EQ(Settle().boundingRect(), QRect(0, 0, 400, 300));
  }
  {
    TClientDC dc(*w);
    dc.FillRect(10, 10, 30, 30, TBrush(TColor::LtGreen));
    EXPECT_TRUE(Settle().isEmpty());  // not yet: the drawing goes on
    TClientDC::PushAll();             // a box is about to show
    EXPECT_EQ(Settle().boundingRect(), QRect(10, 10, 20, 20));
    dc.FillRect(10, 10, 30, 30, TBrush(TColor::White));  // back as it was before the box
  }
  EXPECT_EQ(Settle().boundingRect(), QRect(10, 10, 20, 20));
}

TEST_F(ClientDCTest, AScreenMadeAnewUnderADrawingIsSentWhole) {
  {
    TClientDC dc(*w);
    dc.FillRect(10, 10, 30, 30, TBrush(TColor::LtGreen));
    w->SetScreenSize(QSize(400, 300));
  }
  EXPECT_EQ(Settle().boundingRect(), QRect(0, 0, 400, 300));
}
