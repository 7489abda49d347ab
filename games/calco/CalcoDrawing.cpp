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
  const int c = g.cell;
  dc.SelectObject(Tools().ltGrayPen);
  dc.SelectObject(TBrush(TColor::FromRgb(colour)));
  dc.Rectangle(k * c, r * c, (k + 1) * c + 1, (r + 1) * c + 1);
}

}  // namespace calco
