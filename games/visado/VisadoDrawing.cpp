#include "VisadoWindow.h"

#include "DC.h"

namespace visado {

void TMemDCWindowSuite::DrawCell(TDC& dc, const CaseToAfi& cell) {
  dc.BitBlt(cell.left, cell.top, kSide, kSide, PictureDC(cell.picture), 0, 0, SRCCOPY);
}

void TMemDCWindowSuite::DrawTacot(TDC& dc, const Tacot& tacot) {
  dc.BitBlt(tacot.x, tacot.y, kSide, kSide, PictureDC(Tacot::kMaskPicture), 0, 0, SRCAND);
  dc.BitBlt(tacot.x, tacot.y, kSide, kSide, PictureDC(Tacot::kColourPicture), 0, 0, SRCPAINT);
}

void TMemDCWindowSuite::EraseTacot(TDC& dc, int x, int y) { dc.PatBlt(x, y, kSide, kSide, WHITENESS); }

void TMemDCWindowSuite::DrawTree(TDC& dc, const Arbre& arbre, int stage) {
  dc.BitBlt(arbre.x, arbre.y, Arbre::kSide, Arbre::kSide, PictureDC(Arbre::kFirstPicture + stage), 0, 0, SRCCOPY);
}

void TMemDCWindowSuite::DrawRoad(TDC& dc, int y) {
  dc.SelectObject(Tools().blackPen);
  dc.MoveTo(0, y);
  dc.LineTo(DrawingArea().width(), y);
}

void TMemDCWindowSuite::DrawAnswer(TDC& dc, const CaseToAfi& cell) {
  const int x = cell.left, y = cell.top;
  dc.SelectObject(TPen(TColor::LtRed));
  dc.SelectObject(Tools().ltRedBrush);
  dc.Rectangle(x - 3, y - 3, x + kSide + 7, y + kSide + 7);
  dc.BitBlt(x + 2, y + 2, kSide, kSide, PictureDC(cell.picture), 0, 0, SRCCOPY);
}

void TMemDCWindowSuite::DrawCross(TDC& dc, const CaseToAfi& cell) {
  const int x = cell.left, y = cell.top;
  dc.SelectObject(TPen(TColor::Black, 5));
  dc.MoveTo(x - 3, y - 3);
  dc.LineTo(x + kSide + 2, y + kSide + 2);
  dc.MoveTo(x + kSide + 2, y - 3);
  dc.LineTo(x - 3, y + kSide + 2);
}

}  // namespace visado
