// Large images reuse the memory of those freed before them; what a new image
// holds must still be only what its maker says.
#include "ImageMemory.h"

#include <gtest/gtest.h>
#include <thread>
#include <vector>

TEST(ImageMemory, FreedLargeImagesAreReusedAndWhiteOnesAreWhite) {
  const QSize screen(1024, 768);
  const uchar* first = nullptr;
  {
    QImage a = NewImage(screen);
    a.fill(Qt::red);
    first = a.constBits();
  }
  const QImage again = NewWhiteImage(QSize(1000, 700));  // smaller: fits the freed block
  EXPECT_EQ(again.constBits(), first);
  EXPECT_EQ(again.size(), QSize(1000, 700));
  for (int y = 0; y < again.height(); y += 37)
    for (int x = 0; x < again.width(); x += 29) ASSERT_EQ(again.pixel(x, y), 0xffffffffu) << x << "," << y;

  // A copy is its source's pixels, whatever the block held before.
  QImage source(screen, QImage::Format_RGB32);
  for (int y = 0; y < screen.height(); ++y)
    for (int x = 0; x < screen.width(); ++x) source.setPixel(x, y, qRgb(x & 255, y & 255, (x ^ y) & 255));
  const QRect area(7, 5, 900, 600);
  EXPECT_EQ(CopyOf(source, area), source.copy(area));
}

TEST(ImageMemory, ImagesMadeAndFreedOnSeveralThreadsAtOnceStayWhole) {
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t)
    threads.emplace_back([t] {
      for (int k = 0; k < 20; ++k) {
        QImage image = NewImage(QSize(600 + 40 * t, 500));
        image.fill(qRgb(t, k, 7));
        ASSERT_EQ(image.pixel(image.width() - 1, image.height() - 1), qRgb(t, k, 7));
      }
    });
  for (std::thread& t : threads) t.join();
}
