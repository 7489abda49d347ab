#include "ToClic2D.h"

#include <algorithm>

namespace foret {

ToClic2D::ToClic2D() {
  for (int r = 0; r < kMaxRows; ++r)
    for (int c = 0; c < kMaxColumns; ++c) {
      Cell(r, c).row = r;
      Cell(r, c).column = c;
    }
}

void ToClic2D::Clear(int rows, int columns) {
  rows_ = std::clamp(rows, 0, kMaxRows);
  columns_ = std::clamp(columns, 0, kMaxColumns);
  for (int r = 0; r < rows_; ++r)
    for (int c = 0; c < columns_; ++c) Cell(r, c).kind = Kind::Forest;
  lastRow_ = rows_ / 2;
  lastColumn_ = columns_ / 2;
  lastHit_ = rows_ > 0 && columns_ > 0 ? &Cell(lastRow_, lastColumn_) : nullptr;
}

void ToClic2D::Load(const std::vector<std::string>& rows, bool letters) {
  Clear(static_cast<int>(rows.size()), rows.empty() ? 0 : static_cast<int>(rows[0].size()));
  for (int r = 0; r < rows_; ++r)
    for (int c = 0; c < columns_ && c < static_cast<int>(rows[r].size()); ++c) {
      Kind& kind = Cell(r, c).kind;
      switch (rows[r][c]) {
        case '.': kind = Kind::Path; break;
        case 'L': kind = letters ? Kind::Letters : Kind::Path; break;
        case 'W': kind = Kind::Wolf; break;
        case 'P': kind = Kind::Child; break;
        case 'H': kind = Kind::Hut; break;
        default: kind = Kind::Forest; break;
      }
    }
}

void ToClic2D::Place(int width, int height) {
  origin_ = QPoint(std::max(0, (width - kCellSize * columns_ - kCellSize) / 2),
                   std::max(0, (height - kCellSize * rows_ - kCellSize) / 2));
  for (int r = 0; r < rows_; ++r)
    for (int c = 0; c < columns_; ++c)
      Cell(r, c).Place(kCellSize, kCellSize, origin_.x() + kCellSize * c, origin_.y() + kCellSize * r);
}

CaseForet* ToClic2D::CellAt(QPoint p) {
  for (int r = 0; r < rows_; ++r)
    for (int c = 0; c < columns_; ++c) {
      CaseForet& cell = Cell(r, c);
      if (cell.left <= p.x() && p.x() < cell.left + kCellSize && cell.top <= p.y() && p.y() < cell.top + kCellSize) {
        lastRow_ = r;
        lastColumn_ = c;
        lastHit_ = &cell;
        return &cell;
      }
    }
  return nullptr;
}

CaseForet* ToClic2D::Beside(const CaseForet& cell, Direction d) {
  int r = cell.row, c = cell.column;
  switch (d) {
    case Direction::Up: --r; break;
    case Direction::Down: ++r; break;
    case Direction::Right: ++c; break;
    case Direction::Left: --c; break;
  }
  if (r < 0 || r >= rows_ || c < 0 || c >= columns_) return nullptr;
  return &Cell(r, c);
}

}  // namespace foret
