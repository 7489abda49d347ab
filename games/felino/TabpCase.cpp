#include "TabpCase.h"

#include <algorithm>
#include <cstdlib>

namespace felino {

TabpCase::TabpCase() {
  for (int r = 0; r < kSide; ++r)
    for (int c = 0; c < kSide; ++c) {
      Cachette& cell = At(c, r);
      cell.Place(kCellSize, kCellSize, kRangeMin - 2 + kCellSize * c, kRangeMin - 1 + kCellSize * r);
      cell.row = r;
      cell.column = c;
    }
}

void TabpCase::Hide(int column, int row) {
  catColumn_ = ((column % kSide) + kSide) % kSide;
  catRow_ = ((row % kSide) + kSide) % kSide;
  for (Cachette& cell : cells_) {
    const int distance = std::max(std::abs(cell.column - catColumn_), std::abs(cell.row - catRow_));
    cell.heat = distance > 3 ? Cold : TheCat - distance;
  }
}

TabpCase TabpCase::Load(const QStringList& rows) {
  TabpCase board;
  for (int r = 0; r < kSide && r < rows.size(); ++r)
    for (int c = 0; c < kSide && c < rows[r].size(); ++c) {
      const int heat = rows[r][c].digitValue();
      board.At(c, r).heat = heat;
      if (heat == TheCat) {
        board.catColumn_ = c;
        board.catRow_ = r;
      }
    }
  return board;
}

QStringList TabpCase::Heats() const {
  QStringList rows;
  for (int r = 0; r < kSide; ++r) {
    QString line;
    for (int c = 0; c < kSide; ++c) line += QChar('0' + At(c, r).heat);
    rows << line;
  }
  return rows;
}

bool TabpCase::Choose(int hpos, int vpos) {
  const int column = IndexOf(hpos), row = IndexOf(vpos);
  if (column < 0 || column >= kSide || row < 0 || row >= kSide) return false;
  previousColumn_ = column_;
  previousRow_ = row_;
  column_ = column;
  row_ = row;
  return true;
}

void TabpCase::ResetChoice() {
  tries_ = 0;
  column_ = row_ = previousColumn_ = previousRow_ = 0;
}

int TabpCase::Look() {
  ++tries_;
  return Chosen().heat;
}

}  // namespace felino
