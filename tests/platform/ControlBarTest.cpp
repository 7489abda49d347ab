// The button bar paints its face in bands, and its toggle buttons from a look
// drawn once; what shows must be exactly what Qt's own drawing shows.
#include "ControlBar.h"
#include "ToggleButton.h"

#include <QMainWindow>
#include <QPainter>
#include <QTest>
#include <QToolButton>
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

namespace {
QPixmap Picture(QSize size, int seed) {
  QImage image(size, QImage::Format_RGB32);
  for (int y = 0; y < size.height(); ++y)
    for (int x = 0; x < size.width(); ++x) image.setPixel(x, y, qRgb((x * 37 + seed) & 0xff, (y * 53) & 0xff, (x * y + seed) & 0xff));
  return QPixmap::fromImage(image);
}
}  // namespace

TEST(ControlBarTest, ToggleButtonsLookExactlyAsTheirStyleSheetDrawsThem) {
  for (const QSize picture : {QSize(29, 29), QSize(16, 16), QSize(30, 24)})
    for (const bool checked : {false, true})
      for (const bool down : {false, true}) {
        SCOPED_TRACE(testing::Message() << picture.width() << "x" << picture.height() << (checked ? " checked" : "")
                                        << (down ? " down" : ""));
        QWidget holder;
        QPalette red = holder.palette();
        red.setColor(QPalette::Window, QColor(200, 30, 40));
        holder.setPalette(red);
        holder.setAutoFillBackground(true);
        auto* ours = new TToggleButton(&holder);
        auto* sheet = new QToolButton(&holder);
        sheet->setStyleSheet(TToggleButton::StyleSheet());
        sheet->setCheckable(true);
        for (QToolButton* b : {static_cast<QToolButton*>(ours), sheet}) {
          b->setIcon(QIcon(Picture(picture, picture.width())));
          b->setIconSize(picture);
          b->setFixedSize(32, 32);
          b->setChecked(checked);
          b->setDown(down);
        }
        sheet->move(40, 0);
        holder.resize(80, 40);
        holder.show();
        (void)QTest::qWaitForWindowExposed(&holder);
        // Seen in place, over a background of their own: any pixel the sheet
        // leaves to the background shows.
        const QImage shown = holder.grab().toImage();
        EXPECT_EQ(shown.copy(0, 0, 32, 32), shown.copy(40, 0, 32, 32));
      }
}
