#include "NevadoWindow.h"

namespace nevado {

namespace {
// The diameters' colours, in order.
const TColor kDiameterColours[kMaxArms] = {TColor(255, 0, 0),   TColor(0, 255, 0),   TColor(0, 0, 255),
                                           TColor(255, 255, 0), TColor(0, 255, 255), TColor(255, 0, 255),
                                           TColor(128, 0, 0)};
}  // namespace

void TMemDCWindowSuite::DrawDiameter(TDC& dc, const Flocon& flocon, int i) {
  const QLine line = flocon.Diameter(i);
  dc.SelectObject(TPen(kDiameterColours[i], 3));
  dc.MoveTo(line.x1(), line.y1());
  dc.LineTo(line.x2(), line.y2());
}

void TMemDCWindowSuite::CrossOut(TDC& dc, const motifs::CaseMotif& cell) {
  const int x = cell.left, y = cell.top;
  dc.SelectObject(TPen(TColor::Black, 5));
  dc.MoveTo(x - 3, y - 3);
  dc.LineTo(x + 51, y + 51);
  dc.MoveTo(x + 51, y - 3);
  dc.LineTo(x - 3, y + 51);
}

}  // namespace nevado
