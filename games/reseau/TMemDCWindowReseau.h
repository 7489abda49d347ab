#pragma once
#include "DC.h"
#include "MainWindow.h"
#include "ToClic2D.h"

#include <QImage>
#include <QRect>
#include <vector>

namespace reseau {

// The drawing layer of the lattice games: the segment pens and the hatched
// brush, the drawing of a node, of any part of the board, and of the cursor.
class TMemDCWindowReseau : public TMemDCWindowBase {
public:
  explicit TMemDCWindowReseau(const GameConfig& config) : TMemDCWindowBase(config) {}

  // The drawing of one node: its two segments as their states say, then its
  // black guide lines. Segments a node does not have are not drawn.
  void DrawNode(TDC& dc, const ToClic2D& lattice, const CaseNoeud& node);
  // The part of the board inside `area`, on the window and on the off-screen
  // copy, exactly as a whole board drawn on white leaves it there: composed
  // aside from every node that reaches into it and the axes, then copied.
  void DrawBoardPart(QRect area, const std::vector<const ToClic2D*>& lattices, void (*axes)(TDC&, const TPen&, QSize));
  // The cursor's ring centred on `at`, by exclusive-or, on both surfaces.
  void XorCursor(QPoint at);
  // Everything a node's drawing may touch.
  static QRect NodeBox(const ToClic2D& lattice, const CaseNoeud& node) {
    return QRect(node.x - 12, node.y - 12, lattice.CellWidth() + 24, lattice.CellHeight() + 24);
  }

private:
  void Segment(TDC& dc, int state, const QRect& hatch, QPoint from, QPoint to);

  const TPen whitePen5_{TColor::White, 5}, magentaPen_{TColor::LtMagenta}, blackPen5_{TColor::Black, 5},
      greyPen9_{TColor::LtGray, 9};
  const TBrush hatchBrush_ = TBrush::DiagCross(TColor::LtRed);
  QImage scratch_;  // where parts of the board are composed
};

}  // namespace reseau
