#include "DC.h"

#include "ImageMemory.h"
#include "PaintBands.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {
TDC::OverflowHook& Overflow() {
  static TDC::OverflowHook hook;
  return hook;
}

// Fills the clipped block [x0, x1) x [y0, y1) with `colour`: one row filled,
// then copied to the others, which runs at the speed of memory; a narrow
// block (a wall, a line) row by row, in place, without a call per row.
void FillBlock(QRgb* bits, qsizetype stride, int x0, int y0, int x1, int y1, QRgb colour) {
  QRgb* first = bits + y0 * stride + x0;
  const int w = x1 - x0;
  if (w <= 16) {
    for (QRgb* row = first; row < first + (y1 - y0) * stride; row += stride)
      for (int i = 0; i < w; ++i) row[i] = colour;
    return;
  }
  // Whole rows of a colour whose four bytes are alike (white, black): one
  // stretch of memory, set in one call.
  const auto byte = static_cast<unsigned char>(colour);
  if (x0 == 0 && x1 == stride && colour == byte * 0x01010101u) {
    std::memset(first, byte, sizeof(QRgb) * size_t(stride) * size_t(y1 - y0));
    return;
  }
  std::fill_n(first, w, colour);
  for (int y = y0 + 1; y < y1; ++y) std::memcpy(bits + y * stride + x0, first, sizeof(QRgb) * size_t(w));
}

}  // namespace

void TDC::SetOverflowHookForTesting(OverflowHook hook) { Overflow() = std::move(hook); }

void TDC::Reach(const QRect& wanted) {
  if (!image_ || wanted.isEmpty()) return;
  if (Overflow() && !image_->rect().contains(wanted)) Overflow()(*image_, wanted);
  const int m = std::max(1, pen_.Width()) + 1;
  Touching(wanted.adjusted(-m, -m, m, m).intersected(image_->rect()));
}

QRect TDC::Clip(int x, int y, int w, int h) const {
  if (!image_ || w <= 0 || h <= 0) return {};
  return QRect(x, y, w, h).intersected(image_->rect());
}

TDC::Pixels TDC::Access() {
  // bits() makes the image's data its own once, here, not at every row.
  return {reinterpret_cast<QRgb*>(image_->bits()), image_->bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb)),
          image_->width(), image_->height()};
}

void TDC::Span(const Pixels& px, int y, int x0, int x1, QRgb colour) const {
  if (y < 0 || y >= px.height) return;
  x0 = std::max(x0, 0);
  x1 = std::min(x1, px.width);
  if (x0 >= x1) return;
  QRgb* p = px.bits + y * px.stride + x0;
  const int n = x1 - x0;
  switch (rop2_) {
    case R2_XORPEN:
      for (int i = 0; i < n; ++i) p[i] = 0xff000000u | ((p[i] ^ colour) & kRgbMask);
      break;
    case R2_NOT:
      for (int i = 0; i < n; ++i) p[i] = 0xff000000u | (~p[i] & kRgbMask);
      break;
    case R2_NOTXORPEN:
      for (int i = 0; i < n; ++i) p[i] = 0xff000000u | (~(p[i] ^ colour) & kRgbMask);
      break;
    default:
      std::fill_n(p, n, 0xff000000u | colour);
      break;
  }
}

void TDC::Column(const Pixels& px, int x, int y0, int y1, QRgb colour) const {
  if (x < 0 || x >= px.width) return;
  y0 = std::max(y0, 0);
  y1 = std::min(y1, px.height);
  if (rop2_ == R2_XORPEN || rop2_ == R2_NOT || rop2_ == R2_NOTXORPEN) {
    for (int y = y0; y < y1; ++y) Span(px, y, x, x + 1, colour);
    return;
  }
  QRgb* p = px.bits + y0 * px.stride + x;
  for (int y = y0; y < y1; ++y, p += px.stride) *p = 0xff000000u | colour;
}

void TDC::Block(const Pixels& px, int x0, int y0, int x1, int y1, QRgb colour) const {
  x0 = std::max(x0, 0);
  x1 = std::min(x1, px.width);
  y0 = std::max(y0, 0);
  y1 = std::min(y1, px.height);
  if (x0 >= x1 || y0 >= y1) return;
  if (rop2_ != R2_COPYPEN) {
    for (int y = y0; y < y1; ++y) Span(px, y, x0, x1, colour);
    return;
  }
  FillBlock(px.bits, px.stride, x0, y0, x1, y1, 0xff000000u | colour);
}

void TDC::ThinLine(int x0, int y0, int x1, int y1) {
  const QRgb colour = pen_.Color().Rgb();
  const Pixels px = Access();
  // Level and upright lines (grids, frames) in one span or one column.
  if (y0 == y1) {
    Span(px, y0, x0 < x1 ? x0 : x1 + 1, x0 < x1 ? x1 : x0 + 1, colour);
    return;
  }
  if (x0 == x1) {
    Column(px, x0, y0 < y1 ? y0 : y1 + 1, y0 < y1 ? y1 : y0 + 1, colour);
    return;
  }
  const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
  const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
  int err = dx + dy;
  int x = x0, y = y0;
  while (x != x1 || y != y1) {  // the end point is not drawn
    Span(px, y, x, x + 1, colour);
    const int e2 = 2 * err;
    if (e2 >= dy) { err += dy; x += sx; }
    if (e2 <= dx) { err += dx; y += sy; }
  }
}

void TDC::LineTo(int x, int y) {
  if (image_ && !pen_.IsNull()) {
    // The end point is not drawn: the line stops one step short of it.
    const int half = pen_.Width() / 2;
    const QPoint last(x - (x > posX_) + (x < posX_), y - (y > posY_) + (y < posY_));
    Reach(QRect(QPoint(posX_, posY_), last).normalized().adjusted(-half, -half, half, half));
    // A wide pen's round ends stay within a pen's width of the two points.
    const int w = pen_.Width();
    const QRect touched = QRect(QPoint(posX_, posY_), QPoint(x, y)).normalized().adjusted(-w, -w, w, w).intersected(image_->rect());
    if (w <= 1) {
      ThinLine(posX_, posY_, x, y);
    } else {
      QPainter p(image_);
      p.setRenderHint(QPainter::Antialiasing, false);
      if (rop2_ == R2_XORPEN) p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
      if (rop2_ == R2_NOTXORPEN) p.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
      if (rop2_ == R2_NOT) p.setCompositionMode(QPainter::RasterOp_NotDestination);
      p.setPen(QPen(QColor::fromRgb(pen_.Color().Rgb()), w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      PaintInBands(p, touched, [&](const QRect&) { p.drawLine(posX_, posY_, x, y); });
    }
    Changed(touched);
  }
  posX_ = x;
  posY_ = y;
}

void TDC::Rectangle(int l, int t, int r, int b) {
  if (!image_ || r <= l || b <= t) return;
  Reach(QRect(l, t, r - l, b - t));
  const Pixels px = Access();
  const int inset = pen_.IsNull() ? 0 : std::max(1, pen_.Width());
  if (!brush_.IsHollow()) {
    // With no pen the filled part is one pixel smaller, as the outline would have been.
    const int fr = pen_.IsNull() ? r - 1 : r - inset, fb = pen_.IsNull() ? b - 1 : b - inset;
    const QRgb fill = brush_.Color().Rgb();
    if (brush_.IsHatched()) {
      // The hatching is anchored to the image: each pixel of the block, clipped, by itself.
      const QRgb gap = bkColor_.Rgb();
      for (int y = std::max(t + inset, 0); y < std::min(fb, px.height); ++y)
        for (int x = std::max(l + inset, 0); x < std::min(fr, px.width); ++x) {
          if (TBrush::OnHatch(x, y)) Span(px, y, x, x + 1, fill);
          else if (bkMode_ == OPAQUE) Span(px, y, x, x + 1, gap);
        }
    } else {
      Block(px, l + inset, t + inset, fr, fb, fill);
    }
  }
  if (!pen_.IsNull()) {
    // The outline, `inset` rings from the outside in, each pixel touched once.
    const QRgb c = pen_.Color().Rgb();
    for (int k = 0; k < inset && l + k < r - k && t + k < b - k; ++k) {
      const int L = l + k, T = t + k, R = r - 1 - k, B = b - 1 - k;
      Span(px, T, L, R + 1, c);
      if (B != T) Span(px, B, L, R + 1, c);
      Column(px, L, T + 1, B, c);
      if (R != L) Column(px, R, T + 1, B, c);
    }
  }
  Changed(QRect(l, t, r - l, b - t).intersected(image_->rect()));
}

void TDC::Ellipse(int l, int t, int r, int b) {
  if (!image_ || r <= l || b <= t) return;
  Reach(QRect(l, t, r - l, b - t));
  QPainter p(image_);
  p.setRenderHint(QPainter::Antialiasing, false);
  if (rop2_ == R2_XORPEN) p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  p.setPen(pen_.IsNull() ? QPen(Qt::NoPen) : QPen(QColor::fromRgb(pen_.Color().Rgb()), pen_.Width()));
  p.setBrush(brush_.IsHollow() ? QBrush(Qt::NoBrush) : QBrush(QColor::fromRgb(brush_.Color().Rgb())));
  // A wide pen's outline reaches past the rectangle by half its width.
  const int over = pen_.IsNull() ? 0 : (pen_.Width() + 1) / 2;
  const QRect touched = QRect(l, t, r - l, b - t).adjusted(-over, -over, over, over).intersected(image_->rect());
  PaintInBands(p, touched, [&](const QRect&) { p.drawEllipse(QRect(l, t, r - l - 1, b - t - 1)); });
  Changed(touched);
}

void TDC::FillRect(int l, int t, int r, int b, const TBrush& brush) {
  const QRect area = Clip(l, t, r - l, b - t);
  if (area.isEmpty() || brush.IsHollow()) return;
  Reach(QRect(l, t, r - l, b - t));
  const QRgb fill = 0xff000000u | brush.Color().Rgb();
  const Pixels px = Access();
  FillBlock(px.bits, px.stride, area.left(), area.top(), area.right() + 1, area.bottom() + 1, fill);
  Changed(area);
}

void TDC::SetPixel(int x, int y, TColor c) {
  Reach(QRect(x, y, 1, 1));
  if (!image_ || !image_->rect().contains(x, y)) return;
  image_->setPixel(x, y, c.Rgb());
  Changed(QRect(x, y, 1, 1));
}

TColor TDC::GetPixel(int x, int y) const {
  if (!image_ || !image_->rect().contains(x, y)) return TColor::Black;
  return TColor::FromRgb(image_->pixel(x, y));
}

void TDC::TextOut(int x, int y, const QString& text) {
  if (!image_ || text.isEmpty()) return;
  const QFont font = font_ ? *font_ : QFont(QStringLiteral("Liberation Sans"), 10);
  const QFontMetrics fm(font);
  const QRect box(x, y, fm.horizontalAdvance(text), fm.height());
  Reach(box);
  QPainter p(image_);
  if (bkMode_ == OPAQUE) p.fillRect(box, QColor::fromRgb(bkColor_.Rgb()));
  p.setFont(font);
  p.setPen(QColor::fromRgb(textColor_.Rgb()));
  p.drawText(x, y + fm.ascent(), text);
  Changed(box.intersected(image_->rect()));
}

void TDC::PatBlt(int x, int y, int w, int h, std::uint32_t rop) {
  const QRect area = Clip(x, y, w, h);
  if (area.isEmpty()) return;
  Reach(QRect(x, y, w, h));
  // Whitening a whole image still white costs a pass over all its memory.
  const bool whole = rop == WHITENESS && area == image_->rect();
  if (whole && KnownWhite(*image_)) {
    Changed(area);
    return;
  }
  const QRgb fill = rop == WHITENESS ? 0xffffffffu : rop == BLACKNESS ? 0xff000000u : 0xff000000u | brush_.Color().Rgb();
  const Pixels px = Access();
  if (rop != DSTINVERT) {
    FillBlock(px.bits, px.stride, area.left(), area.top(), area.right() + 1, area.bottom() + 1, fill);
  } else {
    for (int row = area.top(); row <= area.bottom(); ++row) {
      QRgb* p = px.bits + row * px.stride + area.left();
      for (int i = 0; i < area.width(); ++i) p[i] = 0xff000000u | (~p[i] & kRgbMask);
    }
  }
  if (whole) NoteWhite(*image_);
  Changed(area);
}
