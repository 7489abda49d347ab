#pragma once
#include <QPainter>
#include <QRect>
#include <algorithm>

// Qt's raster engine hands a fill, stroke or picture of about a hundred rows or
// more, or any under a clip that is not one rectangle, to its thread pool. For
// what these programs paint, starting and waking those threads costs more than
// the work (several milliseconds of each start); painted as bands of fewer
// rows, each clipped to its band, the work stays on the painting thread and
// every pixel is the same.
inline constexpr int kPaintBandRows = 64;

// Calls paint(band) for each band of `area`, top to bottom, with the painter
// clipped to the band (within the clip Qt gave the painter).
template <class Paint>
void PaintInBands(QPainter& painter, const QRect& area, Paint&& paint) {
  for (int top = area.top(); top <= area.bottom(); top += kPaintBandRows) {
    const QRect band(area.left(), top, area.width(), std::min(kPaintBandRows, area.bottom() + 1 - top));
    painter.setClipRect(band);
    paint(band);
  }
}
