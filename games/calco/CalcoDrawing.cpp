#include "CalcoWindow.h"

#include "DC.h"

namespace calco {

void TMemDCWindowSuite::DrawModel(TDC& dc, const Grille& g, int model) {
  const QRect area = g.ModelArea();
  const int size = g.scale * g.Pattern();
  dc.StretchBlt(area.left(), area.top(), size, size, PictureDC(model), g.offset, g.offset, g.Pattern(), g.Pattern());
}

void TMemDCWindowSuite::DrawGridLines(TDC& dc, const Grille& g) {
  const int c = g.cell, n = g.count;
  dc.SelectObject(Tools().ltGrayPen);
  for (int i = 0; i <= 2 * n + 1; ++i) {
    dc.MoveTo(i * c, 0);
    dc.LineTo(i * c, n * c);
  }
  for (int i = 0; i <= n; ++i) {
    dc.MoveTo(0, i * c);
    dc.LineTo(n * c, i * c);
    dc.MoveTo((n + 1) * c, i * c);
    dc.LineTo((2 * n + 1) * c, i * c);
  }
}

void TMemDCWindowSuite::DrawCell(TDC& dc, const Grille& g, int r, int k, QRgb colour) {
  const int c = g.cell, left = k * c, top = r * c, right = (k + 1) * c + 1, bottom = (r + 1) * c + 1;
  // The fill by rows, then the outline alone: the same pixels as a filled
  // rectangle, at the speed of a block fill on the largest cells.
  dc.FillRect(left + 1, top + 1, right - 1, bottom - 1, TBrush(TColor::FromRgb(colour)));
  dc.SelectObject(Tools().ltGrayPen);
  dc.SelectObject(TBrush::Hollow());
  dc.Rectangle(left, top, right, bottom);
}

}  // namespace calco
