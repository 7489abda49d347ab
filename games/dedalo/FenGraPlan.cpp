#include "FenGraPlan.h"

#include "ImageMemory.h"

namespace dedalo {

TFenGraPlan::TFenGraPlan(QWidget* parent, const TabpPiece& rooms, const Player& player)
    : TCaptionedWindow(parent, QStringLiteral("P L A N   D U   L A B Y R Y N T H E")), rooms_(rooms), player_(player) {}

void TFenGraPlan::Place(int x, int y, int w, int h) {
  // The plan's origin sits in the middle, a little above the bottom of the
  // client area; it is set before the window takes its size and is drawn.
  origin_ = QPoint(kBorder, kBorder + kCaption) + QPoint(w / 2, h - 50);
  setGeometry(x, y, w, h);
}

void TFenGraPlan::Dragging(const QRect& from, const QRect& to) {
  // Moved, the window carries its plan along. Sized, the plan stays where it
  // is in the parent, and the edges that move show more or less of it.
  if (from.size() != to.size()) origin_ += from.topLeft() - to.topLeft();
}

QPoint TFenGraPlan::ToPlan(QPoint p) const { return QPoint(p.x() - origin_.x(), origin_.y() - p.y()); }
QPoint TFenGraPlan::FromPlan(QPoint p) const { return QPoint(origin_.x() + p.x(), origin_.y() - p.y()); }

void TFenGraPlan::PaintClient(TDC& dc) {
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
  rooms_area_ = client.intersected(dc.Image()->rect());
  // The rooms without the player, for the moves to come; not before the
  // first move, so that a start does not copy the whole plan (a few
  // milliseconds of fresh memory) for a player who may never move.
  rooms_image_ = keepRooms_ ? CopyOf(*dc.Image(), rooms_area_) : QImage();
  DrawPlayer(dc);
}

QRect TFenGraPlan::PlayerArea() const {
  const QPoint at = FromPlan(QPoint(player_.px, player_.py));
  return QRect(at - QPoint(18, 18), at + QPoint(18, 18));
}

void TFenGraPlan::ShowPlayer() {
  const QRect both = player_shown_.united(PlayerArea());
  // Near the frame (the caption's text may reach below its bar) the strokes
  // may pass under it, and a window just sized has no drawing to start from:
  // all of it then.
  if (rooms_image_.isNull() || Screen().size() != size() || rooms_area_ != ClientRect() ||
      !rooms_area_.adjusted(0, kCaption, 0, 0).contains(both)) {
    keepRooms_ = true;
    Repaint();
    return;
  }
  TClientDC dc(*this);
  TMemoryDC rooms(&rooms_image_);
  dc.BitBlt(both.x(), both.y(), both.width(), both.height(), rooms, both.x() - rooms_area_.x(),
            both.y() - rooms_area_.y());
  DrawPlayer(dc);
}

void TFenGraPlan::DrawPlayer(TDC& dc) {
  player_shown_ = PlayerArea();
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
}

void TFenGraPlan::EvClientLButtonDown(unsigned, QPoint point) {
  const QPoint plan = ToPlan(point);
  if (cellClicked) cellClicked(CellIndex(plan.x()), CellIndex(plan.y()));
}

}  // namespace dedalo
