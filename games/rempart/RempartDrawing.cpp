#include "RempartWindow.h"

#include "DC.h"

namespace rempart {

void TMemDCWindowSuite::DrawEverything(TDC& dc, const ToAfi2D& terrain, const Pile1DVert& pile) {
  const QRect area = DrawingArea();
  dc.PatBlt(0, 0, area.width(), area.height(), WHITENESS);

  const int left = terrain.Margin(), right = left + kCellWidth * terrain.Columns();
  dc.FillRect(left, 0, right, But::kSky, TBrush(TColor::LtCyan));
  dc.FillRect(left, But::kSky, right, But::kHeight, TBrush(TColor::LtGreen));
  const But& goal = terrain.Goal();
  dc.BitBlt(goal.left, goal.top, goal.width, goal.height, PictureDC(goal.Picture()), 0, 0, SRCCOPY);

  for (int r = 0; r < terrain.Rows(); ++r)
    for (int c = 0; c < terrain.Columns(); ++c) {
      const CaseTerrain& cell = terrain.Cell(r, c);
      dc.BitBlt(cell.left, cell.top, cell.width, cell.height, PictureDC(cell.Picture()), 0, 0, SRCCOPY);
    }
  for (int i = 0; i < Pile1DVert::kSlots; ++i) {
    const PileCase& slot = pile.Slot(i);
    dc.BitBlt(slot.left, slot.top, slot.width, slot.height, PictureDC(slot.Picture()), 0, 0, SRCCOPY);
  }
  const PlayerCase& attacker = terrain.Attacker();
  const CaseTerrain& under = terrain.Cell(attacker.row, attacker.column);
  dc.BitBlt(under.left, under.top, kCellWidth, kCellHeight, PictureDC(attacker.Picture()), 0, 0, SRCCOPY);
}

}  // namespace rempart
