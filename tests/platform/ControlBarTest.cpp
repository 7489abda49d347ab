// The button bar paints its face in bands; what shows must be exactly what a
// plain tool bar of the same size shows, at any height and for any part redrawn.
#include "ControlBar.h"

#include <QMainWindow>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

namespace {
QImage BarPicture(QToolBar* bar, int height, const QRect& redrawn) {
  QMainWindow frame;
  frame.addToolBar(Qt::LeftToolBarArea, bar);
  frame.setCentralWidget(new QWidget);
  bar->setFixedSize(40, height);
  frame.resize(400, height);
  frame.show();
  (void)QTest::qWaitForWindowExposed(&frame);
  QImage picture = bar->grab().toImage();
  // A partial redraw over a face first spoilt in black.
  QPainter painter(&picture);
  painter.fillRect(redrawn, Qt::black);
  painter.end();
  QPixmap again = QPixmap::fromImage(picture);
  bar->render(&again, redrawn.topLeft(), QRegion(redrawn), QWidget::DrawChildren);
  return again.toImage();
}

QToolBar* PlainBar() {
  auto* bar = new QToolBar;
  bar->setOrientation(Qt::Vertical);
  bar->setMovable(false);
  bar->setFloatable(false);
  bar->setContentsMargins(0, 0, 0, 0);
  bar->addWidget(new QWidget);
  return bar;
}
}  // namespace

TEST(ControlBarTest, FaceEqualsAPlainToolBarAtEveryHeightAndRedrawnPart) {
  struct Case {
    int height;
    QRect redrawn;
  };
  const Case cases[] = {{1, QRect(0, 0, 10, 1)},      {63, QRect(0, 0, 40, 63)},     {64, QRect(0, 10, 40, 54)},
                        {65, QRect(3, 1, 20, 64)},    {1013, QRect(0, 0, 40, 1013)}, {1013, QRect(0, 63, 40, 129)},
                        {1013, QRect(5, 900, 1, 113)}};
  for (const Case& c : cases) {
    auto* ours = new TControlBar;
    auto* plain = PlainBar();
    const QImage mine = BarPicture(ours, c.height, c.redrawn);
    const QImage theirs = BarPicture(plain, c.height, c.redrawn);
    ASSERT_EQ(mine.size(), theirs.size()) << c.height;
    EXPECT_EQ(mine, theirs) << "height " << c.height << ", redrawn from row " << c.redrawn.top();
  }
}
