#include "Run.h"

#include <algorithm>
#include <cstdlib>

namespace corrido {

void Run::Reset() {
  started_ = false;
  end_ = QPoint();
  row_ = column_ = 0;
  onBorder_ = false;
}

void Run::Start(const Cellule& cell) {
  started_ = true;
  row_ = cell.row;
  column_ = cell.column;
  end_ = QPoint(cell.centreX, cell.centreY);
  onBorder_ = false;
}

Cellule* Run::StepTo(QPoint to, bool border, int row, int column, const Cellule& touched) {
  const QPoint from = end_;
  end_ = to;
  onBorder_ = border;
  row_ = row;
  column_ = column;
  if (drawSegment) drawSegment(from, to);
  Cellule& cell = grille_.Cell(touched.row, touched.column);
  cell.reached = true;
  return &cell;
}

Cellule* Run::Follow(QPoint p) {
  if (!started_ || p == end_) return nullptr;
  const int dx = p.x() - end_.x(), dy = p.y() - end_.y();
  const int ax = std::abs(dx), ay = std::abs(dy);
  const int t = s_ / 3;
  int px = p.x(), py = p.y();
  Direction d;
  // One half-cell step toward a pointer a little ahead along one axis; the
  // pointer is drawn back by a third of a cell to find the cell it means.
  if (ay < ax && t < ax && ax < t + h_ && ay < t + 1) {
    d = dx <= 0 ? Direction::Left : Direction::Right;
    px += dx <= 0 ? t : -t;
  } else if (ax < ay && t < ay && ay < t + h_ && ax < t + 1) {
    d = dy <= 0 ? Direction::Up : Direction::Down;
    py += dy <= 0 ? t : -t;
  } else {
    return nullptr;
  }
  Cellule& cell = grille_.Cell(std::clamp(py / s_, 0, grille_.Rows() - 1), std::clamp(px / s_, 0, grille_.Columns() - 1));

  if (onBorder_) {
    // Half-way across a border, a step in any direction ends the crossing at
    // the centre of the cell under the pointer, one of the two cells the
    // border joins.
    const bool acrossVertical = end_.x() % s_ == 0;
    const bool touches = acrossVertical
        ? cell.centreY == end_.y() && (cell.column * s_ == end_.x() || (cell.column + 1) * s_ == end_.x())
        : cell.centreX == end_.x() && (cell.row * s_ == end_.y() || (cell.row + 1) * s_ == end_.y());
    if (!touches) return nullptr;
    return StepTo(QPoint(cell.centreX, cell.centreY), false, cell.row, cell.column, cell);
  }

  // At a centre, the step goes half-way across the border ahead, unless a wall
  // or the board's edge is there.
  Cellule& here = grille_.Cell(row_, column_);
  const QPoint centre(here.centreX, here.centreY);
  switch (d) {
    case Direction::Right:
      if (column_ + 1 >= grille_.Columns() || grille_.L(row_, column_ + 1)) return nullptr;
      return StepTo(centre + QPoint(h_, 0), true, row_, column_ + 1, here);
    case Direction::Left:
      if (column_ - 1 < 0 || grille_.L(row_, column_)) return nullptr;
      return StepTo(centre - QPoint(h_, 0), true, row_, column_ - 1, here);
    case Direction::Down:
      if (row_ + 1 >= grille_.Rows() || grille_.T(row_ + 1, column_)) return nullptr;
      return StepTo(centre + QPoint(0, h_), true, row_ + 1, column_, here);
    case Direction::Up:
      if (row_ - 1 < 0 || grille_.T(row_, column_)) return nullptr;
      return StepTo(centre - QPoint(0, h_), true, row_ - 1, column_, here);
  }
  return nullptr;
}

Cellule* Run::Key(Direction d) {
  if (!started_) return nullptr;
  const int qr = end_.y() / s_, qc = end_.x() / s_;
  if (qr >= grille_.Rows() || qc >= grille_.Columns()) return nullptr;
  const bool horizontal = d == Direction::Left || d == Direction::Right;
  const bool onBorder = (horizontal ? end_.x() : end_.y()) % s_ == 0;
  const bool crossBorder = (horizontal ? end_.y() : end_.x()) % s_ == 0;
  // Half-way across the other way, the child finishes that crossing first.
  if (crossBorder) return nullptr;
  auto centreOf = [&](int r, int c) -> Cellule* {
    if (!grille_.InBoard(r, c)) return nullptr;
    Cellule& cell = grille_.Cell(r, c);
    return StepTo(QPoint(cell.centreX, cell.centreY), false, r, c, cell);
  };
  auto borderOf = [&](QPoint at, int r, int c) -> Cellule* {
    if (!grille_.InBoard(r, c)) return nullptr;
    return StepTo(at, true, r, c, grille_.Cell(qr, std::min(qc, grille_.Columns() - 1)));
  };
  const int x0 = qc * s_, y0 = qr * s_;
  switch (d) {
    case Direction::Right:
      if (onBorder) return centreOf(qr, qc);
      if (qc + 1 < grille_.Columns() && !grille_.L(qr, qc + 1)) return borderOf(QPoint(x0 + s_, end_.y()), qr, qc + 1);
      return nullptr;
    case Direction::Left:
      if (qc < 1 || grille_.L(qr, qc)) return nullptr;
      if (onBorder) return centreOf(qr, qc - 1);
      return borderOf(QPoint(x0, end_.y()), qr, qc - 1);
    case Direction::Down:
      if (onBorder) return centreOf(qr, qc);
      if (qr + 1 < grille_.Rows() && !grille_.T(qr + 1, qc)) return borderOf(QPoint(end_.x(), y0 + s_), qr + 1, qc);
      return nullptr;
    case Direction::Up:
      if (qr < 1 || grille_.T(qr, qc)) return nullptr;
      if (onBorder) return centreOf(qr - 1, qc);
      return borderOf(QPoint(end_.x(), y0), qr - 1, qc);
  }
  return nullptr;
}

}  // namespace corrido
