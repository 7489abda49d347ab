// Block transfers between drawing contexts: copies combined by a raster
// operation, and stretched copies.
#include "DC.h"

#include "ImageMemory.h"

#include <QImage>
#include <algorithm>
#include <cstring>
#include <vector>

namespace {
// Combines h rows of w source pixels into the destination with `rop`: one
// loop per operation, so that each runs on whole vectors of pixels.
template <class Op>
void CombineRows(QRgb* to, qsizetype toStride, const QRgb* from, qsizetype fromStride, int w, int h, Op op) {
  for (int row = 0; row < h; ++row, to += toStride, from += fromStride)
    for (int i = 0; i < w; ++i) to[i] = 0xff000000u | (op(to[i], from[i]) & kRgbMask);
}

void CombineRows(QRgb* to, qsizetype toStride, const QRgb* from, qsizetype fromStride, int w, int h,
                 std::uint32_t rop) {
  switch (rop) {
    case SRCCOPY:
      for (int row = 0; row < h; ++row, to += toStride, from += fromStride) std::copy_n(from, w, to);
      break;
    case SRCPAINT: CombineRows(to, toStride, from, fromStride, w, h, [](QRgb d, QRgb s) { return d | s; }); break;
    case SRCAND: CombineRows(to, toStride, from, fromStride, w, h, [](QRgb d, QRgb s) { return d & s; }); break;
    case SRCINVERT: CombineRows(to, toStride, from, fromStride, w, h, [](QRgb d, QRgb s) { return d ^ s; }); break;
    default: CombineRows(to, toStride, from, fromStride, w, h, [](QRgb, QRgb s) { return s; }); break;
  }
}

// Which of `from` source columns (or rows) each of `to` destination ones shows
// when stretched without smoothing, read off Qt's own scaling of a numbered
// strip so that the pixels stay exactly those of QImage::scaled.
std::vector<int> NearestSources(int from, int to, Qt::Orientation along) {
  const bool across = along == Qt::Horizontal;
  QImage strip(across ? from : 1, across ? 1 : from, QImage::Format_RGB32);
  for (int k = 0; k < from; ++k) strip.setPixel(across ? k : 0, across ? 0 : k, 0xff000000u | unsigned(k));
  const QImage scaled = strip.scaled(across ? to : 1, across ? 1 : to, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  std::vector<int> sources(size_t(to), 0);
  for (int k = 0; k < to; ++k)
    sources[size_t(k)] = std::clamp(int(scaled.pixel(across ? k : 0, across ? 0 : k) & 0xffffffu), 0, from - 1);
  return sources;
}
}  // namespace

void TDC::BitBlt(int x, int y, int w, int h, const TDC& src, int sx, int sy, std::uint32_t rop) {
  if (!image_ || !src.image_) return;
  if (rop == WHITENESS || rop == BLACKNESS || rop == DSTINVERT || rop == PATCOPY) {
    PatBlt(x, y, w, h, rop);
    return;
  }
  Reach(QRect(x, y, w, h));
  // Clip against both images, keeping source and destination in step.
  int dx0 = x, dy0 = y, sx0 = sx, sy0 = sy;
  if (sx0 < 0) { dx0 -= sx0; w += sx0; sx0 = 0; }
  if (sy0 < 0) { dy0 -= sy0; h += sy0; sy0 = 0; }
  if (dx0 < 0) { sx0 -= dx0; w += dx0; dx0 = 0; }
  if (dy0 < 0) { sy0 -= dy0; h += dy0; dy0 = 0; }
  w = std::min({w, src.image_->width() - sx0, image_->width() - dx0});
  h = std::min({h, src.image_->height() - sy0, image_->height() - dy0});
  if (w <= 0 || h <= 0) return;
  // A transfer within one image reads from a copy, so overlapping areas come out right.
  const QImage source = (src.image_ == image_) ? CopyOf(*image_, QRect(sx0, sy0, w, h)) : QImage();
  const QImage& from = source.isNull() ? *src.image_ : source;
  const int fx = source.isNull() ? sx0 : 0, fy = source.isNull() ? sy0 : 0;
  const Pixels to = Access();
  const QRgb* fromBits = reinterpret_cast<const QRgb*>(from.constBits());
  const qsizetype fromStride = from.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
  CombineRows(to.bits + dy0 * to.stride + dx0, to.stride, fromBits + fy * fromStride + fx, fromStride, w, h, rop);
  Changed(QRect(dx0, dy0, w, h));
}

void TDC::StretchBlt(int x, int y, int w, int h, const TDC& src, int sx, int sy, int sw, int sh, std::uint32_t rop) {
  if (!src.image_ || w <= 0 || h <= 0 || sw <= 0 || sh <= 0) return;
  const QImage part = src.image_->copy(sx, sy, sw, sh);
  QImage stretched;
  if (part.format() == QImage::Format_RGB32) {
    // The pixels QImage::scaled gives without smoothing, copied along the
    // columns and rows it picks, into an image that costs no page faults when
    // it spans the whole board; rows that repeat are copied whole.
    const std::vector<int> columns = NearestSources(sw, w, Qt::Horizontal);
    const std::vector<int> rows = NearestSources(sh, h, Qt::Vertical);
    stretched = NewImage(QSize(w, h));
    for (int row = 0; row < h; ++row) {
      QRgb* to = reinterpret_cast<QRgb*>(stretched.scanLine(row));
      if (row > 0 && rows[row] == rows[row - 1]) {
        std::memcpy(to, stretched.constScanLine(row - 1), sizeof(QRgb) * size_t(w));
        continue;
      }
      const QRgb* from = reinterpret_cast<const QRgb*>(part.constScanLine(rows[row]));
      for (int column = 0; column < w; ++column) to[column] = from[columns[column]];
    }
  } else {
    stretched = part.scaled(w, h, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  }
  TBitmap scaled(stretched);
  TMemoryDC from(scaled);
  BitBlt(x, y, w, h, from, 0, 0, rop);
}
