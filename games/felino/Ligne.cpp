#include "Ligne.h"

#include "DC.h"
#include "Tools.h"

#include <algorithm>

namespace felino {

std::vector<Ligne::Segment> Ligne::Segments(int p, QSize area) const {
  // A wide line spreads half its width on each side of its path and beyond its ends.
  const int half = kWidth / 2;
  std::vector<Segment> out;
  if (sens_ == Rangee) {
    const int x1 = std::min(kLength, area.width() - half);
    for (int y : {p - 3, p + 30})
      if (y - half >= 0 && y + half < area.height() && x1 > half) out.push_back({half, y, x1, y});
  } else {
    const int y0 = std::min(kLength, area.height() - half - 1);
    for (int x : {p - 4, p + 29})
      if (x - half >= 0 && x + half < area.width() && y0 > half) out.push_back({x, y0, x, half});
  }
  return out;
}

void Ligne::DrawAt(TDC& dc, int p, QSize area) const {
  dc.SelectObject(TPen(colour_, kWidth));
  dc.SetROP2(R2_NOTXORPEN);
  for (const Segment& s : Segments(p, area)) {
    dc.MoveTo(s.x0, s.y0);
    dc.LineTo(s.x1, s.y1);
  }
  dc.SetROP2(R2_COPYPEN);
}

std::vector<QRect> Ligne::Rects(int p, QSize area) const {
  std::vector<QRect> out;
  for (const Segment& s : Segments(p, area))
    out.push_back(QRect(QPoint(std::min(s.x0, s.x1), std::min(s.y0, s.y1)), QPoint(std::max(s.x0, s.x1), std::max(s.y0, s.y1)))
                      .adjusted(-kWidth, -kWidth, kWidth, kWidth));
  return out;
}

}  // namespace felino
