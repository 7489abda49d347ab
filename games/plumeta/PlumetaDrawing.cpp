#include "TPrinterWindow.h"

namespace plumeta {

void TMemDCWindowSuite::SetRadius(int r) {
  radius_ = r;
  rubbingPen_ = TPen(TColor::White, 2 * r);
}

void TMemDCWindowSuite::DrawInk(TDC& dc, QPoint from, QPoint to, int width) {
  if (width <= 1) {
    dc.SetPixel(to.x(), to.y(), TColor::Black);
    return;
  }
  dc.SelectObject(TPen(TColor::Black, width));
  dc.MoveTo(from.x(), from.y());
  dc.LineTo(to.x(), to.y());
}

void TMemDCWindowSuite::DrawCircle(TDC& dc, QPoint centre) {
  const int r = radius_;
  dc.SetROP2(R2_XORPEN);
  dc.SelectObject(circlePen_);
  dc.SelectObject(TBrush::Hollow());
  dc.Ellipse(centre.x() - r, centre.y() - r, centre.x() + r + 1, centre.y() + r + 1);
  dc.SetROP2(R2_COPYPEN);
}

void TMemDCWindowSuite::DrawRubbing(TDC& dc, QPoint from, QPoint to) {
  if (from == to) {  // a line of no length leaves nothing: the disc is drawn itself
    const int r = radius_;
    dc.SelectObject(TPen::NullPen());
    dc.SelectObject(TBrush(TColor::White));
    dc.Ellipse(to.x() - r, to.y() - r, to.x() + r + 1, to.y() + r + 1);
    return;
  }
  dc.SelectObject(rubbingPen_);
  dc.MoveTo(from.x(), from.y());
  dc.LineTo(to.x(), to.y());
}

}  // namespace plumeta
