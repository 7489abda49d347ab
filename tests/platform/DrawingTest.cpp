// Pixel rules of the drawing layer, block transfers, resource pictures and
// window command dispatch.
#include "Bitmap.h"
#include "DC.h"
#include "Window.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <numeric>
#include <set>
#include <vector>

namespace {
constexpr QRgb kWhite = 0xffffffffu;

QImage White(int w, int h) {
  QImage img(w, h, QImage::Format_RGB32);
  img.fill(Qt::white);
  return img;
}

// A picture where every pixel differs from its neighbours, so that a pixel
// landing in the wrong place shows.
QImage Pattern(int w, int h, int seed = 0) {
  QImage img(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) img.setPixel(x, y, qRgb((x * 37 + seed) & 0xff, (y * 53 + seed) & 0xff, (x * y + 11) & 0xff));
  return img;
}

std::vector<QPoint> PixelsNot(const QImage& img, QRgb colour) {
  std::vector<QPoint> out;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (img.pixel(x, y) != colour) out.emplace_back(x, y);
  return out;
}

// Checks every pixel of the image against `want(x, y)`; reports the first that differs.
template <typename F>
testing::AssertionResult PixelsAre(const QImage& img, F want) {
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (img.pixel(x, y) != QRgb(want(x, y)))
        return testing::AssertionFailure() << "pixel " << x << "," << y << " is " << std::hex << img.pixel(x, y)
                                           << ", expected " << QRgb(want(x, y));
  return testing::AssertionSuccess();
}

// A 32-bit image over the middle of a larger buffer; the guard border around it
// shows any write outside the image.
struct GuardedImage {
  static constexpr int G = 8;
  static constexpr quint32 kGuard = 0xdeadbeefu;
  GuardedImage(int w, int h) : stride(w + 2 * G), buffer(size_t(stride) * (h + 2 * G), kGuard),
      image(reinterpret_cast<uchar*>(&buffer[size_t(G) * stride + G]), w, h, stride * 4, QImage::Format_RGB32) {
    image.fill(Qt::white);
  }
  int GuardsTouched() const {
    int n = 0;
    for (size_t i = 0; i < buffer.size(); ++i) {
      const int x = int(i % stride), y = int(i / stride);
      const bool inside = x >= G && x < G + image.width() && y >= G && y < G + image.height();
      if (!inside && buffer[i] != kGuard) ++n;
    }
    return n;
  }
  int stride;
  std::vector<quint32> buffer;
  QImage image;
};
}  // namespace

TEST(DrawingPixelRules, LinesCoverStartAndExcludeEnd) {
  struct Case { QPoint a, b; };
  const Case cases[] = {{{2, 5}, {12, 5}}, {{12, 5}, {2, 5}}, {{7, 1}, {7, 13}}, {{7, 13}, {7, 1}},
                        {{1, 1}, {11, 11}}, {{11, 3}, {1, 13}}, {{4, 1}, {7, 14}}, {{9, 14}, {5, 0}},
                        {{0, 2}, {14, 6}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "line " << c.a.x() << "," << c.a.y() << " to " << c.b.x() << "," << c.b.y());
    QImage img = White(16, 16);
    TDC dc(&img);
    dc.SelectObject(TPen(TColor::LtRed));
    dc.MoveTo(c.a.x(), c.a.y());
    dc.LineTo(c.b.x(), c.b.y());
    const QRgb red = TColor::LtRed.Rgb();
    EXPECT_EQ(img.pixel(c.a), red);
    EXPECT_EQ(img.pixel(c.b), kWhite);
    // Exactly one pixel at each step along the longer axis, every pixel red, all within the box of A and B.
    const int dx = std::abs(c.b.x() - c.a.x()), dy = std::abs(c.b.y() - c.a.y());
    const auto drawn = PixelsNot(img, kWhite);
    EXPECT_EQ(int(drawn.size()), std::max(dx, dy));
    const QRect box(QPoint(std::min(c.a.x(), c.b.x()), std::min(c.a.y(), c.b.y())),
                   QPoint(std::max(c.a.x(), c.b.x()), std::max(c.a.y(), c.b.y())));
    std::set<int> steps;
    for (const QPoint& p : drawn) {
      EXPECT_EQ(img.pixel(p), red);
      EXPECT_TRUE(box.contains(p)) << p.x() << "," << p.y();
      steps.insert(dx >= dy ? p.x() : p.y());
    }
    EXPECT_EQ(steps.size(), drawn.size());
  }
}

TEST(DrawingPixelRules, RectangleCoversLeftTopToRightBottomExclusive) {
  const int l = 3, t = 4, r = 11, b = 9;
  const QRgb pen = TColor::LtRed.Rgb(), brush = TColor::LtBlue.Rgb();
  // What a rectangle should leave: the outline (if any) on its edge, the fill inside up to fr, fb.
  const auto expected = [&](QRgb inside, int fr, int fb, bool outline) {
    return [=](int x, int y) {
      const bool in = x >= l && x < r && y >= t && y < b;
      if (outline && in && (x == l || x == r - 1 || y == t || y == b - 1)) return pen;
      return in && x < fr && y < fb ? inside : kWhite;
    };
  };
  QImage img = White(16, 16);
  TDC dc(&img);
  dc.SelectObject(TPen(TColor::LtRed));
  dc.SelectObject(TBrush(TColor::LtBlue));
  dc.Rectangle(l, t, r, b);
  EXPECT_TRUE(PixelsAre(img, expected(brush, r, b, true)));

  img = White(16, 16);
  dc.SelectObject(TBrush::Hollow());
  dc.Rectangle(l, t, r, b);
  EXPECT_TRUE(PixelsAre(img, expected(kWhite, r, b, true)));

  // With no pen the fill stops one pixel short on the right and at the bottom.
  img = White(16, 16);
  dc.SelectObject(TPen::NullPen());
  dc.SelectObject(TBrush(TColor::LtBlue));
  dc.Rectangle(l, t, r, b);
  EXPECT_TRUE(PixelsAre(img, expected(brush, r - 1, b - 1, false)));

  // A rectangle one pixel high or wide, exclusive-or'ed, changes each of its pixels once.
  img = White(16, 16);
  dc.SetROP2(R2_XORPEN);
  dc.SelectObject(TPen(TColor::LtRed));
  dc.Rectangle(2, 1, 12, 2);
  dc.Rectangle(14, 3, 15, 15);
  dc.Rectangle(5, 12, 6, 13);
  EXPECT_TRUE(PixelsAre(img, [](int x, int y) {
    const bool in = QRect(2, 1, 10, 1).contains(x, y) || QRect(14, 3, 1, 12).contains(x, y) || (x == 5 && y == 12);
    return in ? TColor::LtCyan.Rgb() : kWhite;
  }));
}

// Rectangles drawn a row at a time: every pen width, mix, fill and clip at
// every edge must leave exactly the pixels a pixel-by-pixel drawing leaves,
// and nothing outside the image.
TEST(DrawingPixelRules, RectanglesMatchTheirPixelByPixelDrawingEverywhere) {
  constexpr int W = 20, H = 14;
  const QRgb penColour = TColor(18, 200, 77).Rgb();
  const auto mix = [](int mode, QRgb dst, QRgb src) -> QRgb {
    switch (mode) {
      case R2_XORPEN: return 0xff000000u | ((dst ^ src) & 0xffffffu);
      case R2_NOT: return 0xff000000u | (~dst & 0xffffffu);
      case R2_NOTXORPEN: return 0xff000000u | (~(dst ^ src) & 0xffffffu);
      default: return 0xff000000u | src;
    }
  };
  const std::vector<QRect> boxes{{3, 4, 9, 6},   {5, 5, 1, 1},    {5, 5, 0, 4},   {5, 5, 4, 0},   {-6, 2, 10, 5},
                                 {15, -3, 9, 8}, {2, 10, 7, 9},   {-4, -4, 30, 25}, {25, 3, 4, 4},  {1, 1, 3, 12},
                                 {-3, 6, 4, 1},  {W - 1, H - 1, 1, 1}};
  // White and black fill whole rows in one stretch: other colours, a row at a time.
  for (const TColor brush : {TColor(90, 3, 250), TColor::White, TColor::Black})
  for (const int mode : {int(R2_COPYPEN), int(R2_XORPEN), int(R2_NOT), int(R2_NOTXORPEN)})
    for (const int penWidth : {-1, 1, 2, 3})  // -1: no pen
      for (const bool hollow : {false, true})
        for (const QRect& box : boxes) {
          SCOPED_TRACE(testing::Message() << "brush " << Qt::hex << brush.Rgb() << Qt::dec << " mode " << mode << " pen " << penWidth << " hollow " << hollow << " box "
                                          << box.x() << "," << box.y() << " " << box.width() << "x" << box.height());
          GuardedImage guarded(W, H);
          QImage& img = guarded.image;
          const QImage pattern = Pattern(W, H, 5);
          for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x) img.setPixel(x, y, pattern.pixel(x, y));
          const QImage before = img.copy();  // a deep copy: the drawing stays in the guarded buffer
          TDC dc(&img);
          dc.SetROP2(mode);
          dc.SelectObject(penWidth < 0 ? TPen::NullPen() : TPen(TColor(18, 200, 77), penWidth));
          dc.SelectObject(hollow ? TBrush::Hollow() : TBrush(brush));
          const int l = box.left(), t = box.top(), r = box.left() + box.width(), b = box.top() + box.height();
          dc.Rectangle(l, t, r, b);
          EXPECT_EQ(guarded.GuardsTouched(), 0);
          const int inset = penWidth < 0 ? 0 : std::max(1, penWidth);
          EXPECT_TRUE(PixelsAre(img, [&](int x, int y) {
            const QRgb old = before.pixel(x, y);
            if (x < l || x >= r || y < t || y >= b) return old;
            const int ring = std::min({x - l, y - t, r - 1 - x, b - 1 - y});
            if (ring < inset) return mix(mode, old, penColour);
            const bool filled = inset == 0 ? x < r - 1 && y < b - 1 : x < r - inset && y < b - inset;
            return !hollow && filled ? mix(mode, old, brush.Rgb()) : old;
          }));
        }
}

TEST(DrawingPixelRules, HatchedFillFollowsTheImageOriginAndTheBackgroundMode) {
  // Two rectangles at offsets that differ by less than the pattern: their
  // hatching lines up, since it is anchored to the image and not to the shape.
  const QRgb red = TColor::LtRed.Rgb(), grey = TColor::LtGray.Rgb();
  const auto onLine = [](int x, int y) { return (x + y) % 8 == 0 || (x - y + 64) % 8 == 0; };
  QImage img = White(32, 24);
  img.fill(TColor::Black.Rgb());
  TDC dc(&img);
  dc.SelectObject(TPen(TColor::White));
  dc.SelectObject(TBrush::DiagCross(TColor::LtRed));
  dc.SetBkColor(TColor::LtGray);
  dc.Rectangle(1, 2, 15, 20);
  dc.SetBkMode(TRANSPARENT);
  dc.Rectangle(18, 5, 30, 22);
  EXPECT_TRUE(PixelsAre(img, [&](int x, int y) -> QRgb {
    const QRect opaque(1, 2, 14, 18), clear(18, 5, 12, 17);
    if (opaque.contains(x, y)) {
      if (x == 1 || x == 14 || y == 2 || y == 19) return kWhite;
      return onLine(x, y) ? red : grey;
    }
    if (clear.contains(x, y)) {
      if (x == 18 || x == 29 || y == 5 || y == 21) return kWhite;
      return onLine(x, y) ? red : TColor::Black.Rgb();
    }
    return TColor::Black.Rgb();
  }));
}

// Level and upright lines that run off the image: exactly their points inside
// it, from the start to one short of the end, whatever the pen mix.
TEST(DrawingPixelRules, LevelAndUprightLinesOffTheImageKeepTheirPointsInside) {
  const QPoint lines[][2] = {{{-5, 3}, {20, 3}}, {{20, 9}, {-3, 9}}, {{4, -6}, {4, 30}}, {{11, 25}, {11, -2}},
                             {{15, 14}, {15, 40}}, {{0, 0}, {0, -9}}};
  for (const int mode : {int(R2_COPYPEN), int(R2_XORPEN)})
    for (const auto& line : lines) {
      SCOPED_TRACE(testing::Message() << "mode " << mode << ", " << line[0].x() << "," << line[0].y() << " to "
                                      << line[1].x() << "," << line[1].y());
      QImage img = White(16, 16);
      TDC dc(&img);
      dc.SetROP2(mode);
      dc.SelectObject(TPen(TColor(0, 0, 255)));
      dc.MoveTo(line[0].x(), line[0].y());
      dc.LineTo(line[1].x(), line[1].y());
      const QPoint step((line[1].x() > line[0].x()) - (line[1].x() < line[0].x()),
                        (line[1].y() > line[0].y()) - (line[1].y() < line[0].y()));
      std::set<std::pair<int, int>> on;
      for (QPoint p = line[0]; p != line[1]; p += step) on.insert({p.x(), p.y()});
      const QRgb expected = mode == R2_COPYPEN ? TColor(0, 0, 255).Rgb() : qRgb(255, 255, 0);
      for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
          ASSERT_EQ(img.pixel(x, y), on.count({x, y}) ? expected : kWhite) << x << "," << y;
    }
}

TEST(DrawingPixelRules, XorAndNotTwiceRestoreEveryPixel) {
  for (const int mode : {int(R2_XORPEN), int(R2_NOT), int(R2_NOTXORPEN)}) {
    SCOPED_TRACE(mode);
    const QImage before = Pattern(24, 24);
    QImage img = before;
    TDC dc(&img);
    dc.SetROP2(mode);
    dc.SelectObject(TBrush(TColor(90, 3, 250)));
    for (int pass = 0; pass < 2; ++pass) {
      dc.SelectObject(TPen(TColor(18, 200, 77)));
      dc.MoveTo(2, 3);
      dc.LineTo(21, 17);
      dc.MoveTo(20, 1);
      dc.LineTo(20, 22);
      dc.Rectangle(4, 5, 19, 14);
      dc.Rectangle(9, 9, 10, 22);  // one pixel wide
      dc.Rectangle(2, 20, 15, 21);  // one pixel high
      dc.SelectObject(TPen(TColor(18, 200, 77), 3));
      dc.MoveTo(1, 20);
      dc.LineTo(15, 2);
      if (pass == 0) {
        EXPECT_NE(img, before);
      }
    }
    EXPECT_EQ(img, before);
  }
  // Exclusive-or with the pen's complement shows a wide line in the pen's colour on white.
  QImage white(12, 12, QImage::Format_RGB32);
  white.fill(Qt::white);
  TDC dc(&white);
  dc.SetROP2(R2_NOTXORPEN);
  dc.SelectObject(TPen(TColor(128, 0, 0), 4));
  dc.MoveTo(2, 6);
  dc.LineTo(10, 6);
  EXPECT_EQ(white.pixel(5, 6), TColor(128, 0, 0).Rgb());
}

// Wide lines and ellipses taller than a band of painting are drawn band by
// band; they must equal Qt's own drawing of the whole shape at once.
TEST(DrawingPixelRules, TallWideLinesAndEllipsesEqualOneQtDrawing) {
  for (const bool xorMode : {false, true}) {
    SCOPED_TRACE(xorMode ? "xor" : "copy");
    const QImage before = Pattern(90, 330, 5);
    QImage ours = before;
    TDC dc(&ours);
    if (xorMode) dc.SetROP2(R2_XORPEN);
    dc.SelectObject(TPen(TColor(18, 200, 77), 5));
    dc.SelectObject(TBrush(TColor(90, 3, 250)));
    dc.MoveTo(3, -4);
    dc.LineTo(70, 320);
    dc.LineTo(10, 63);
    dc.Ellipse(8, 40, 86, 300);

    QImage theirs = before;
    QPainter p(&theirs);
    if (xorMode) p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p.setPen(QPen(QColor(18, 200, 77), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(3, -4, 70, 320);
    p.drawLine(70, 320, 10, 63);
    p.setPen(QPen(QColor(18, 200, 77), 5));
    p.setBrush(QColor(90, 3, 250));
    p.drawEllipse(QRect(8, 40, 77, 259));
    p.end();
    EXPECT_EQ(ours, theirs);
  }
}

TEST(DrawingBlockTransfers, CopyIsExactAndClipsToBothImages) {
  QImage srcImg = Pattern(20, 20);
  TDC src(&srcImg);
  struct Case { int x, y, w, h, sx, sy; };
  const Case cases[] = {{5, 6, 4, 3, 2, 1},     {-3, -2, 20, 20, 0, 0}, {7, 8, 20, 20, 0, 0},
                        {-30, 0, 10, 10, 0, 0}, {2, 2, 6, 6, -2, -1},  {0, 0, 50, 50, 0, 0},
                        {3, 3, 8, 8, 17, 15},   {-5, -5, 40, 40, -4, 2}, {-3, 1, 6, 4, 2, 2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.x << "," << c.y << " " << c.w << "x" << c.h << " from " << c.sx << "," << c.sy);
    GuardedImage dst(10, 10);
    TDC dc(&dst.image);
    dc.BitBlt(c.x, c.y, c.w, c.h, src, c.sx, c.sy);
    EXPECT_EQ(dst.GuardsTouched(), 0);
    EXPECT_TRUE(PixelsAre(dst.image, [&](int x, int y) {
      const int fx = x - c.x + c.sx, fy = y - c.y + c.sy;
      const bool in = QRect(c.x, c.y, c.w, c.h).contains(x, y) && srcImg.rect().contains(fx, fy);
      return in ? srcImg.pixel(fx, fy) : kWhite;
    }));
  }
}

TEST(DrawingBlockTransfers, OverlappingCopyWithinOneImage) {
  const QImage before = Pattern(12, 12);
  for (const QPoint shift : {QPoint(3, 2), QPoint(-3, -2), QPoint(2, -1), QPoint(0, 1)}) {
    SCOPED_TRACE(testing::Message() << shift.x() << "," << shift.y());
    QImage img = before;
    TDC dc(&img);
    dc.BitBlt(3 + shift.x(), 3 + shift.y(), 6, 6, dc, 3, 3);
    EXPECT_TRUE(PixelsAre(img, [&](int x, int y) {
      const QPoint from = QPoint(x, y) - shift;
      return QRect(3, 3, 6, 6).contains(from) ? before.pixel(from) : before.pixel(x, y);
    }));
  }
}

TEST(DrawingBlockTransfers, RasterOperations) {
  // The masked transfer: black in the mask lets the sprite through, white keeps the background.
  const QImage background = Pattern(8, 8, 5);
  QImage sprite = White(8, 8), mask = White(8, 8);
  sprite.fill(Qt::black);
  const QRect shape(2, 1, 4, 5);
  for (int y = shape.top(); y <= shape.bottom(); ++y)
    for (int x = shape.left(); x <= shape.right(); ++x) {
      sprite.setPixel(x, y, qRgb(40 * x, 30 * y, 200));
      mask.setPixel(x, y, qRgb(0, 0, 0));
    }
  TDC spriteDc(&sprite), maskDc(&mask);
  QImage img = background;
  TDC dc(&img);
  dc.BitBlt(0, 0, 8, 8, maskDc, 0, 0, SRCAND);
  dc.BitBlt(0, 0, 8, 8, spriteDc, 0, 0, SRCPAINT);
  EXPECT_TRUE(PixelsAre(img, [&](int x, int y) { return (shape.contains(x, y) ? sprite : background).pixel(x, y); }));

  img = background;
  dc.BitBlt(1, 1, 6, 6, spriteDc, 0, 0, SRCINVERT);
  EXPECT_NE(img, background);
  dc.BitBlt(1, 1, 6, 6, spriteDc, 0, 0, SRCINVERT);
  EXPECT_EQ(img, background);

  img = background;
  dc.PatBlt(1, 2, 3, 2, WHITENESS);
  dc.PatBlt(5, 5, 2, 2, BLACKNESS);
  dc.PatBlt(0, 6, 8, 2, DSTINVERT);
  EXPECT_TRUE(PixelsAre(img, [&](int x, int y) {
    QRgb want = background.pixel(x, y);
    if (QRect(1, 2, 3, 2).contains(x, y)) want = kWhite;
    if (QRect(5, 5, 2, 2).contains(x, y)) want = 0xff000000u;
    return y >= 6 ? 0xff000000u | ~want : want;
  }));

  // A 2 x 2 picture stretched to 4 x 4 becomes four 2 x 2 blocks.
  QImage small = Pattern(2, 2);
  TDC smallDc(&small);
  img = White(8, 8);
  dc.StretchBlt(3, 2, 4, 4, smallDc, 0, 0, 2, 2);
  EXPECT_TRUE(PixelsAre(img, [&](int x, int y) {
    return QRect(3, 2, 4, 4).contains(x, y) ? small.pixel((x - 3) / 2, (y - 2) / 2) : kWhite;
  }));
}

// Stretching by any ratio picks the same source pixels as Qt's unsmoothed
// scaling, the whole-board stretches included.
TEST(Drawing, StretchingPicksThePixelsOfUnsmoothedScaling) {
  std::srand(7);
  std::vector<QSize> all{QSize(1, 1), QSize(3, 7), QSize(13, 11), QSize(26, 60), QSize(1200, 900)};
  for (int k = 0; k < 40; ++k) all.emplace_back(1 + std::rand() % 700, 1 + std::rand() % 500);
  for (const QSize sizes : all) {
    const int sw = 1 + std::rand() % 61, sh = 1 + std::rand() % 47;
    QImage source(sw + 4, sh + 4, QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y)
      for (int x = 0; x < source.width(); ++x) source.setPixel(x, y, 0xff000000u | std::rand());
    TDC from(&source);
    QImage target = White(sizes.width() + 3, sizes.height() + 2);
    TDC to(&target);
    to.StretchBlt(2, 1, sizes.width(), sizes.height(), from, 3, 2, sw, sh);
    const QImage want = source.copy(3, 2, sw, sh).scaled(sizes, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    EXPECT_EQ(target.copy(2, 1, sizes.width(), sizes.height()), want) << sizes.width() << " x " << sizes.height();
    EXPECT_EQ(target.pixel(1, 0), kWhite);
    EXPECT_EQ(target.pixel(target.width() - 1, target.height() - 1), kWhite);
  }
}

TEST(DrawingResources, PicturesLoadAtTheirStatedSize) {
  TBitmap::SetResourceFolders({QStringLiteral(":/common")});
  const TBitmap board = TBitmap::Load(QStringLiteral("Bitmap00"));
  EXPECT_EQ(board.Image().size(), QSize(49, 49));
  {  // Drawing on a loaded picture leaves the next load of it untouched.
    TBitmap scribbled = TBitmap::Load(QStringLiteral("Bitmap00"));
    TMemoryDC dc(scribbled);
    dc.PatBlt(0, 0, 49, 49, DSTINVERT);
    EXPECT_EQ(TBitmap::Load(QStringLiteral("Bitmap00")).Image(), board.Image());
  }

  const QRgb magenta = qRgb(255, 0, 255);
  // Every picture source of the common folder, loaded at the size its source states.
  const QString sources = QStringLiteral(TAVRENO_SOURCE_DIR "/resources/common/");
  const QStringList names = QDir(sources).entryList({QStringLiteral("*.svg")});
  ASSERT_GE(names.size(), 6);
  const QRegularExpression sizeRe(QString::fromLatin1(R"re(<svg[^>]*\swidth="(\d+)"[^>]*\sheight="(\d+)")re"));
  for (const QString& file : names) {
    SCOPED_TRACE(file.toStdString());
    QFile f(sources + file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const auto m = sizeRe.match(QString::fromUtf8(f.readAll()));
    ASSERT_TRUE(m.hasMatch());
    const TBitmap pic = TBitmap::Load(QFileInfo(file).completeBaseName());
    EXPECT_EQ(pic.Image().size(), QSize(m.captured(1).toInt(), m.captured(2).toInt()));
    // Something was drawn, and it is not the missing-picture square.
    EXPECT_FALSE(PixelsNot(pic.Image(), kWhite).empty());
    EXPECT_FALSE(PixelsNot(pic.Image(), magenta).empty());
    EXPECT_TRUE(PixelsAre(pic.Image(), [&](int x, int y) { return pic.Image().pixel(x, y) | 0xff000000u; }))
        << "not opaque";
  }
  for (const char* name : {"door", "stepup", "stepdown", "newgame", "help", "lightning"})
    EXPECT_EQ(TBitmap::Load(QString::fromLatin1(name)).Image().size(), QSize(29, 29)) << name;

  const TBitmap missing = TBitmap::Load(QStringLiteral("NoSuchPicture"));
  EXPECT_EQ(missing.Image().size(), QSize(29, 29));
  EXPECT_TRUE(PixelsAre(missing.Image(), [&](int, int) { return magenta; }));
}

TEST(WindowDrawing, ClientDcDrawsOnTheScreenOnly) {
  TWindow window, neighbour;
  window.SetScreenSize(QSize(20, 10));
  neighbour.SetScreenSize(QSize(20, 10));
  TClientDC dc(window);
  dc.SelectObject(TPen(TColor::Black));
  dc.SelectObject(TBrush(TColor::LtGreen));
  dc.Rectangle(2, 2, 8, 6);
  dc.SetPixel(15, 7, TColor::LtRed);
  dc.SetPixel(25, 7, TColor::LtRed);  // off the screen: ignored
  EXPECT_TRUE(PixelsAre(window.Screen(), [](int x, int y) {
    if (x == 15 && y == 7) return TColor::LtRed.Rgb();
    if (!QRect(2, 2, 6, 4).contains(x, y)) return kWhite;
    return QRect(3, 3, 4, 2).contains(x, y) ? TColor::LtGreen.Rgb() : TColor::Black.Rgb();
  }));
  EXPECT_TRUE(PixelsNot(neighbour.Screen(), kWhite).empty());
}

TEST(WindowCommands, DispatchById) {
  TWindow window;
  int opened = 0, closed = 0, replaced = 0;
  window.OnCommand(101, [&] { ++opened; });
  window.OnCommand(102, [&] { ++closed; });
  EXPECT_TRUE(window.EvCommand(101));
  EXPECT_TRUE(window.EvCommand(101));
  EXPECT_TRUE(window.EvCommand(102));
  EXPECT_FALSE(window.EvCommand(103));
  EXPECT_EQ(opened, 2);
  EXPECT_EQ(closed, 1);

  // A handler that swaps itself out still runs to its end with its own captures intact.
  auto payload = std::make_shared<std::vector<int>>(1000, 7);
  int seen = 0;
  window.OnCommand(104, [&window, &seen, &replaced, payload] {
    window.OnCommand(104, [&replaced] { ++replaced; });
    seen = std::accumulate(payload->begin(), payload->end(), 0);
  });
  payload.reset();
  EXPECT_TRUE(window.EvCommand(104));
  EXPECT_EQ(seen, 7000);
  EXPECT_EQ(replaced, 0);
  EXPECT_TRUE(window.EvCommand(104));
  EXPECT_EQ(replaced, 1);
}
