#include "CorridoWindow.h"

#include <algorithm>

namespace corrido {
namespace {
// A line of a wide pen along one axis, as a filled band with squared ends.
void Band(TDC& dc, int x1, int y1, int x2, int y2, int width, TColor colour) {
  const int before = width / 2, after = width - before;
  dc.FillRect(std::min(x1, x2) - before, std::min(y1, y2) - before, std::max(x1, x2) + after,
              std::max(y1, y2) + after, TBrush(colour));
}
}  // namespace

void TMemDCWindowSuite::DrawFrame(TDC& dc, int W, int H, int s) {
  // The white bands wipe what lay beyond the frame, as far as the picture goes.
  const QSize room = dc.Image() ? dc.Image()->size() : QSize();
  dc.FillRect(0, H + 3, std::min(W + 3, room.width()), std::min(H + 8, room.height()), TBrush(TColor::White));
  dc.FillRect(W + 3, 0, std::min(W + 8, room.width()), std::min(H + 3, room.height()), TBrush(TColor::White));
  // Top and bottom lines start at the open left side, at the area's edge.
  Band(dc, 2, 2, W, 2, 5, TColor::Black);
  Band(dc, 2, H, W, H, 5, TColor::Black);
  Band(dc, W, 2, W, H, 5, TColor::Black);  // the left side stays open
  dc.FillRect(W + 2 - s, 2, W, H, TBrush(TColor::LtGreen));
  dc.FillRect(0, 2, s + 2, H, TBrush(TColor::LtCyan));
}

void TMemDCWindowSuite::DrawWalls(TDC& dc, const Grille& g, int s) {
  // Walls are shifted two pixels right and down, like the frame's top line; the
  // last ones stop at the frame's right and bottom lines rather than poke past.
  const int right = g.Columns() * s, bottom = g.Rows() * s;
  for (int r = 0; r < g.Rows(); ++r)
    for (int c = 0; c < g.Columns(); ++c) {
      const Cellule& cell = g.Cell(r, c);
      if (cell.leftWall) Band(dc, c * s + 2, r * s + 2, c * s + 2, std::min((r + 1) * s + 2, bottom), 5, TColor::Black);
      if (cell.topWall) Band(dc, c * s + 2, r * s + 2, std::min((c + 1) * s + 2, right), r * s + 2, 5, TColor::Black);
    }
}

void TMemDCWindowSuite::DrawSegment(TDC& dc, QPoint from, QPoint to) {
  Band(dc, from.x() + 2, from.y() + 2, to.x() + 2, to.y() + 2, pathPen_.Width(), pathPen_.Color());
}

void TMemDCWindowSuite::DrawMarker(TDC& dc, QPoint at) {
  const int x = at.x() + 2, y = at.y() + 2;
  dc.SelectObject(TPen(TColor::Black));
  dc.SelectObject(TBrush(TColor::LtCyan));
  dc.Rectangle(x - 2, y - 2, x + 3, y + 3);
}

}  // namespace corrido
