#include "OrpelloWindow.h"

#include <QFontMetrics>
#include <algorithm>

namespace orpello {

void TMemDCWindowSuite::DrawHidden(TDC& dc, const QRect& cell) const {
  dc.SetROP2(R2_COPYPEN);
  dc.SelectObject(Tools().blackPen);
  dc.SelectObject(Tools().whiteBrush);
  dc.Rectangle(cell.left() + 3, cell.top() + 3, cell.left() + cell.width() - 3, cell.top() + cell.height() - 3);
}

void TMemDCWindowSuite::DrawRevealed(TDC& dc, const QRect& cell, int value, QPoint textAt) const {
  value = std::clamp(value, 0, 9);
  const QString digit = QString::number(value);
  const QFontMetrics fm(SharedFont().Font());
  // The ring is the pen's width centred on the line 17 pixels inside the cell,
  // kept inside the cell and around a white centre where the digit stands, so
  // that small cells and wide pens never cover the digit.
  const int w = cellPens_[static_cast<size_t>(value)].Width();
  const int s = cell.width();
  const QPoint at = textAt - cell.topLeft();
  const QRect digitBox(at.x() - 2, at.y() - 1, fm.horizontalAdvance(digit) + 4, fm.height() + 2);
  const int outer = std::max(1, 17 - w / 2);
  const int inner = 17 + (w - w / 2);
  QRect centre(inner, inner, s - 2 * inner, s - 2 * inner);
  centre = centre.united(digitBox).intersected(QRect(outer, outer, s - 2 * outer, s - 2 * outer));
  dc.SetROP2(R2_COPYPEN);
  const TBrush pen(cellPens_[static_cast<size_t>(value)].Color());
  dc.FillRect(cell.left() + outer, cell.top() + outer, cell.left() + s - outer, cell.top() + s - outer, pen);
  dc.FillRect(cell.left() + centre.left(), cell.top() + centre.top(), cell.left() + centre.right() + 1,
              cell.top() + centre.bottom() + 1, Tools().whiteBrush);
  dc.SelectObject(SharedFont());
  dc.SetTextColor(TColor::Black);
  dc.SetBkMode(TRANSPARENT);
  dc.TextOut(textAt.x(), textAt.y(), digit);
}

void TMemDCWindowSuite::DrawXor(TDC& dc, const std::vector<QRect>& shapes) const {
  dc.SetROP2(R2_XORPEN);
  dc.SelectObject(framePen_);
  dc.SelectObject(TBrush::Hollow());
  for (size_t i = 0; i < shapes.size(); ++i) {
    const QRect& r = shapes[i];
    if (r.width() <= 0 || r.height() <= 0) continue;
    const int l = r.left(), t = r.top(), rr = l + r.width(), b = t + r.height();
    const int pw = framePen_.Width();
    if (i > 0 || r.width() < 2 * pw || r.height() < 2 * pw) {
      dc.Rectangle(l, t, rr, b);
      continue;
    }
    // The frame as four strips, so that only they are repainted on the window.
    dc.Rectangle(l, t, rr, t + pw);
    dc.Rectangle(l, b - pw, rr, b);
    if (b - t > 2 * pw) {
      dc.Rectangle(l, t + pw, l + pw, b - pw);
      dc.Rectangle(rr - pw, t + pw, rr, b - pw);
    }
  }
  dc.SetROP2(R2_COPYPEN);
}

}  // namespace orpello
