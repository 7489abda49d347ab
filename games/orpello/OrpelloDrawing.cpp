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
  // around a white centre where the digit stands and inside the cell: on small
  // cells it moves outward rather than cover the digit. Sizes are half-extents
  // from the cell's centre.
  const int w = cellPens_[static_cast<size_t>(value)].Width();
  const int s = cell.width(), c = s / 2;
  const QPoint at = textAt - cell.topLeft();
  const int digitLeft = at.x() - 2, digitRight = at.x() + fm.horizontalAdvance(digit) + 2;
  const int digitTop = at.y() - 1, digitBottom = at.y() + fm.height() + 1;
  const int natural = std::max(0, c - (17 + (w - w / 2)));
  const int wx = std::max({natural, c - digitLeft, digitRight - c});
  const int wy = std::max({natural, c - digitTop, digitBottom - c});
  const int ring = std::min(c - 1, std::max(c - std::max(1, 17 - w / 2), std::max(wx, wy) + std::max(3, w / 3)));
  dc.SetROP2(R2_COPYPEN);
  const int x = cell.left() + c, y = cell.top() + c;
  dc.FillRect(x - ring, y - ring, x + ring, y + ring, TBrush(cellPens_[static_cast<size_t>(value)].Color()));
  dc.FillRect(std::max(x - ring, x - wx), std::max(y - ring, y - wy), std::min(x + ring, x + wx),
              std::min(y + ring, y + wy), Tools().whiteBrush);
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
