#include "TMemDCWindowReseau.h"

#include "ImageMemory.h"

namespace reseau {

void TMemDCWindowReseau::Segment(TDC& dc, int state, const QRect& hatch, QPoint from, QPoint to) {
  if (state == EnTrop) {
    dc.SelectObject(Tools().whitePen);
    dc.SelectObject(hatchBrush_);
    dc.SetBkMode(OPAQUE);
    dc.SetBkColor(TColor::White);
    dc.Rectangle(hatch);
  }
  dc.SelectObject(state == Absent ? whitePen5_ : state == Manquant ? greyPen9_ : blackPen5_);
  dc.MoveTo(from.x(), from.y());
  dc.LineTo(to.x(), to.y());
}

void TMemDCWindowReseau::DrawNode(TDC& dc, const ToClic2D& lattice, const CaseNoeud& node) {
  const int x = node.x, y = node.y, cw = lattice.CellWidth(), ch = lattice.CellHeight();
  if (node.hasLower)
    Segment(dc, node.lower, QRect(QPoint(x - 10, y + 10), QPoint(x + 9, y + ch - 11)), {x, y + 5}, {x, y + ch - 5});
  if (node.hasRight)
    Segment(dc, node.right, QRect(QPoint(x + 10, y - 10), QPoint(x + cw - 11, y + 9)), {x + 5, y}, {x + cw - 5, y});
  dc.SelectObject(Tools().blackPen);
  if (node.hasRight) {
    dc.MoveTo(x, y);
    dc.LineTo(x + cw, y);
  }
  if (node.hasLower) {
    dc.MoveTo(x, y);
    dc.LineTo(x, y + ch);
  }
}

void TMemDCWindowReseau::DrawBoardPart(QRect area, const std::vector<const ToClic2D*>& lattices,
                                       void (*axes)(TDC&, const TPen&, QSize)) {
  const QRect board = DrawingArea();
  area = area.intersected(QRect(QPoint(0, 0), board.size()));
  if (area.isEmpty()) return;
  // Made white: drawn on whole the first time, it then needs no whitening.
  if (scratch_.size() != board.size()) scratch_ = NewWhiteImage(board.size());
  TMemoryDC aside(&scratch_);
  aside.PatBlt(area.left(), area.top(), area.width(), area.height(), WHITENESS);
  for (const ToClic2D* lattice : lattices)
    for (int r = 0; r < lattice->RowCount(); ++r)
      for (int c = 0; c < lattice->Columns(); ++c)
        if (NodeBox(*lattice, lattice->Node(r, c)).intersects(area)) DrawNode(aside, *lattice, lattice->Node(r, c));
  if (axes) axes(aside, magentaPen_, board.size());
  DrawBoth([&](TDC& dc) { dc.BitBlt(area.left(), area.top(), area.width(), area.height(), aside, area.left(), area.top()); });
}

void TMemDCWindowReseau::XorCursor(QPoint at) {
  const int x = at.x(), y = at.y();
  DrawBoth([x, y](TDC& dc) {
    dc.SetROP2(R2_XORPEN);
    dc.SelectObject(TPen(TColor(0, 128, 128)));
    for (int dy : {-3, -2, 2, 3}) {
      dc.MoveTo(x - 3, y + dy);
      dc.LineTo(x + 4, y + dy);
    }
    for (int dx : {-3, -2, 2, 3}) {
      dc.MoveTo(x + dx, y - 1);
      dc.LineTo(x + dx, y + 2);
    }
    dc.SetROP2(R2_COPYPEN);
  });
}

}  // namespace reseau
