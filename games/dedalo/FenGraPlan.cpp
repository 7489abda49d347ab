#include "FenGraPlan.h"

#include <QFont>

namespace dedalo {

TFenGraPlan::TFenGraPlan(QWidget* parent, const TabpPiece& rooms, const Player& player)
    : TWindow(parent), rooms_(rooms), player_(player) {
  setFocusPolicy(Qt::NoFocus);
}

QRect TFenGraPlan::ClientRect() const {
  return QRect(kBorder, kBorder + kCaption, width() - 2 * kBorder, height() - 2 * kBorder - kCaption);
}

void TFenGraPlan::Place(int x, int y, int w, int h) {
  setGeometry(x, y, w, h);
  SetScreenSize(QSize(w, h));
  // The plan's origin sits in the middle, a little above the bottom of the client area.
  origin_ = ClientRect().topLeft() + QPoint(w / 2, h - 50);
}

QPoint TFenGraPlan::ToPlan(QPoint p) const { return QPoint(p.x() - origin_.x(), origin_.y() - p.y()); }
QPoint TFenGraPlan::FromPlan(QPoint p) const { return QPoint(origin_.x() + p.x(), origin_.y() - p.y()); }

void TFenGraPlan::DrawCaption(TDC& dc) {
  const int w = width(), h = height();
  dc.SelectObject(TPen(TColor::Gray));
  dc.SelectObject(TBrush(TColor::LtGray));
  dc.Rectangle(0, 0, w, h);
  dc.FillRect(kBorder, kBorder, w - kBorder, kBorder + kCaption, TBrush(TColor(0, 0, 127)));
  dc.SetBkMode(TRANSPARENT);
  dc.SetTextColor(TColor::White);
  dc.SelectObject(TFont(QStringLiteral("Arial"), 15, 700));
  dc.TextOut(kBorder + 6, kBorder + 2, QStringLiteral("P L A N   D U   L A B Y R Y N T H E"));
}

void TFenGraPlan::Repaint() {
  TClientDC dc(*this);
  DrawCaption(dc);
  const QRect client = ClientRect();
  dc.FillRect(client.left(), client.top(), client.right() + 1, client.bottom() + 1, TBrush(TColor::White));

  dc.SelectObject(TPen(TColor::Black));
  dc.SelectObject(TBrush(TColor::Black));
  dc.SetBkMode(OPAQUE);
  dc.SetBkColor(TColor::White);
  dc.SetTextColor(TColor::Black);
  dc.SelectObject(TFont(QStringLiteral("Arial"), 13));
  for (int k = 0; k < rooms_.Count(); ++k) {
    const Piece& room = rooms_[k];
    // Squares of 33 units, so that the borders of neighbouring rooms overlap.
    const QPoint sw = FromPlan(QPoint(kCell * room.x, kCell * room.y));
    dc.Rectangle(sw.x(), sw.y() - kCell, sw.x() + kCell + 1, sw.y() + 1);
    const QPoint text = FromPlan(QPoint(kCell * room.x + 8, kCell * room.y + 24));
    dc.TextOut(text.x(), text.y(), RoomLabel(room.number));
  }

  const QPoint at = FromPlan(QPoint(player_.px, player_.py));
  dc.SelectObject(TPen(TColor::Black));
  dc.SelectObject(TBrush(TColor::LtRed));
  dc.Rectangle(at.x() - 5, at.y() - 5, at.x() + 5, at.y() + 5);
  // Two strokes that show the field of view.
  static constexpr int kView[4][2][2] = {{{15, 15}, {15, -15}},
                                         {{15, 15}, {-15, 15}},
                                         {{-15, 15}, {-15, -15}},
                                         {{15, -15}, {-15, -15}}};
  dc.SelectObject(TPen(TColor::LtRed, 2));
  for (const auto& end : kView[player_.facing]) {
    dc.MoveTo(at.x(), at.y());
    const QPoint to = FromPlan(QPoint(player_.px + end[0], player_.py + end[1]));
    dc.LineTo(to.x(), to.y());
  }
  update();
}

void TFenGraPlan::EvLButtonDown(unsigned, QPoint point) {
  if (!ClientRect().contains(point)) return;
  const QPoint plan = ToPlan(point);
  if (cellClicked) cellClicked(CellIndex(plan.x()), CellIndex(plan.y()));
}

}  // namespace dedalo
