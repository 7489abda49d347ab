// Large images reuse the memory of those freed before them; what a new image
// holds must still be only what its maker says.
#include "DC.h"
#include "ImageMemory.h"

#include <QPainter>
#include <functional>
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

namespace {
bool AllWhite(const QImage& image) {
  for (int y = 0; y < image.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x)
      if (row[x] != 0xffffffffu) return false;
  }
  return true;
}
}  // namespace

TEST(ImageMemory, PreparedBlocksGiveWhiteImagesAndOnlyTheUnusedOnesSkipTheirWhitening) {
  const QSize screen(1024, 768);
  PrepareImageMemory(screen, 2);
  PrepareImageMemory(screen, 2);  // while the first are being made: nothing more
  {
    QImage larger = NewWhiteImage(QSize(1400, 900));  // more than prepared: made afresh, not awaited
    EXPECT_TRUE(AllWhite(larger));
    QImage a = NewWhiteImage(screen);
    QImage b = NewWhiteImage(QSize(1000, 700));
    EXPECT_NE(a.constBits(), b.constBits());
    EXPECT_TRUE(AllWhite(a));
    EXPECT_TRUE(AllWhite(b));
    a.fill(Qt::black);
    b.fill(Qt::red);
  }
  // The blocks come back drawn on: white images made in them are whitened.
  for (int k = 0; k < 3; ++k) {
    QImage again = NewWhiteImage(screen);
    EXPECT_TRUE(AllWhite(again)) << k;
    again.fill(Qt::blue);
  }
  // Preparing again with used blocks already spare makes nothing new, and the
  // images made then are still white.
  PrepareImageMemory(screen, 2);
  const QImage c = NewWhiteImage(screen), d = NewWhiteImage(screen);
  EXPECT_TRUE(AllWhite(c) && AllWhite(d));
}

// Whitening a whole image known white is skipped; whatever wrote into it since,
// through a drawing context, a painter or its raw rows, the whitening is done.
TEST(ImageMemory, WholeImageWhiteningIsSkippedOnlyWhileNothingHasWrittenSince) {
  const auto allWhite = [](const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (image.pixel(x, y) != 0xffffffffu) return false;
    return true;
  };
  const QSize size(40, 30);
  const std::vector<std::function<void(QImage&)>> writers = {
      [](QImage& image) {
        TMemoryDC dc(&image);
        dc.SelectObject(TBrush(TColor::LtRed));
        dc.Rectangle(3, 3, 20, 12);
      },
      [](QImage& image) { QPainter(&image).fillRect(5, 5, 4, 4, Qt::blue); },
      [](QImage& image) { reinterpret_cast<QRgb*>(image.scanLine(29))[39] = qRgb(0, 0, 0); },
      [](QImage& image) { reinterpret_cast<QRgb*>(image.bits())[0] = qRgb(1, 2, 3); },
      [](QImage& image) { image = QImage(image.size(), QImage::Format_RGB32); image.fill(Qt::green); },
  };
  for (size_t k = 0; k < writers.size(); ++k) {
    QImage image = NewWhiteImage(size);
    EXPECT_TRUE(KnownWhite(image)) << k;
    const QImage shared = image;  // a copy sharing the pixels stays as it was
    writers[k](image);
    EXPECT_FALSE(KnownWhite(image)) << k;
    EXPECT_TRUE(KnownWhite(shared)) << k;
    TMemoryDC dc(&image);
    dc.PatBlt(0, 0, 1000, 1000, WHITENESS);  // whole, clipped to the image
    EXPECT_TRUE(allWhite(image)) << k;
    EXPECT_TRUE(KnownWhite(image)) << k;
    // Part of it whitened, or the whole blackened: no longer known white.
    dc.PatBlt(0, 0, 10, 10, WHITENESS);
    EXPECT_FALSE(KnownWhite(image)) << k;
    dc.PatBlt(0, 0, 1000, 1000, BLACKNESS);
    EXPECT_EQ(image.pixel(20, 20), 0xff000000u) << k;
    dc.PatBlt(0, 0, 1000, 1000, WHITENESS);
    EXPECT_TRUE(allWhite(image)) << k;
  }
}
