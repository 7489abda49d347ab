#include "VeliscaWindow.h"

#include "DC.h"

namespace velisca {
namespace {
void Line(TDC& dc, const TPen& pen, int x0, int y0, int x1, int y1) {
  dc.SelectObject(pen);
  dc.MoveTo(x0, y0);
  dc.LineTo(x1, y1);
}
}  // namespace

void TMemDCWindowSuite::DrawRaised(TDC& dc, const Carre& c) {
  const DrawingTools& t = Tools();
  const int x = c.left, y = c.top;
  dc.BitBlt(x + 1, y + 1, kSize, kSize, PictureDC(c.forme), 0, 0, SRCCOPY);
  Line(dc, t.ltGrayPen, x + 1, y + 1, x + 83, y + 1);
  Line(dc, t.ltGrayPen, x + 1, y + 1, x + 1, y + 83);
  Line(dc, t.whitePen, x, y, x + 83, y);
  Line(dc, t.whitePen, x, y, x, y + 83);
  Line(dc, t.grayPen, x + 82, y + 82, x, y + 82);
  Line(dc, t.grayPen, x + 82, y + 82, x + 82, y);
  Line(dc, t.blackPen, x + 83, y + 83, x, y + 83);
  Line(dc, t.blackPen, x + 83, y + 83, x + 83, y);
}

void TMemDCWindowSuite::DrawPressed(TDC& dc, const Carre& c) {
  const DrawingTools& t = Tools();
  const int x = c.left, y = c.top;
  dc.BitBlt(x + 2, y + 2, kSize - 1, kSize - 1, PictureDC(c.forme), 0, 0, SRCCOPY);
  Line(dc, t.whitePen, x + 2, y + 2, x + 83, y + 2);
  Line(dc, t.whitePen, x + 2, y + 2, x + 2, y + 83);
  Line(dc, t.ltGrayPen, x + 1, y + 1, x + 83, y + 1);
  Line(dc, t.ltGrayPen, x + 1, y + 1, x + 1, y + 83);
  Line(dc, t.blackPen, x, y, x + 83, y);
  Line(dc, t.blackPen, x, y, x, y + 83);
  Line(dc, t.ltGrayPen, x + 82, y + 82, x, y + 82);
  Line(dc, t.ltGrayPen, x + 82, y + 82, x + 82, y);
  Line(dc, t.whitePen, x + 83, y + 83, x, y + 83);
  Line(dc, t.whitePen, x + 83, y + 83, x + 83, y);
}

void TMemDCWindowSuite::DrawFound(TDC& dc, const Carre& c) {
  // The white covers exactly what a red frame covers, so no ring of it stays.
  dc.FillRect(c.left - 3, c.top - 3, c.left + 90, c.top + 90, Tools().whiteBrush);
  dc.BitBlt(c.left + 4, c.top + 4, kFoundSize, kFoundSize, PictureDC(c.FoundPicture()), 0, 0, SRCCOPY);
}

void TMemDCWindowSuite::DrawFramed(TDC& dc, const Carre& c) {
  dc.FillRect(c.left - 3, c.top - 3, c.left + 90, c.top + 90, Tools().ltRedBrush);
  dc.BitBlt(c.left + 2, c.top + 2, kSize, kSize, PictureDC(c.forme), 0, 0, SRCCOPY);
}

}  // namespace velisca
