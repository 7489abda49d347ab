#pragma once
#include "CaseForet.h"
#include "Direction.h"

#include <QPoint>
#include <array>
#include <string>
#include <vector>

namespace foret {

// The forest board: a table of cells of which the level's rows and columns are
// used, laid without gaps, centred in the drawing area less half a cell, and
// the cell last hit.
class ToClic2D {
public:
  static constexpr int kMaxRows = 20, kMaxColumns = 25;
  ToClic2D();

  // A board of `rows` x `columns` (within the table), every cell forest; the
  // last hit goes to the middle cell.
  void Clear(int rows, int columns);
  // A board from rows of text, one character a cell: T forest, '.' path,
  // L letters (path where `letters` is false), W wolf, P the child, H the hut.
  void Load(const std::vector<std::string>& rows, bool letters = true);
  // Lays the cells in a drawing area of `width` x `height`: centred less half a
  // cell, from the area's top left corner where the board does not fit.
  void Place(int width, int height);

  // The cell under `p`, searched row by row (a cell takes its left and top
  // edges, not its right and bottom ones), or nullptr; a hit is remembered.
  CaseForet* CellAt(QPoint p);
  // The cell beside `cell` in direction `d`, or nullptr at the board's edge.
  CaseForet* Beside(const CaseForet& cell, Direction d);

  int Rows() const { return rows_; }
  int Columns() const { return columns_; }
  QPoint Origin() const { return origin_; }
  CaseForet& Cell(int r, int c) { return cells_[static_cast<size_t>(r * kMaxColumns + c)]; }
  const CaseForet& Cell(int r, int c) const { return cells_[static_cast<size_t>(r * kMaxColumns + c)]; }
  CaseForet* LastHit() const { return lastHit_; }
  int LastRow() const { return lastRow_; }
  int LastColumn() const { return lastColumn_; }

private:
  std::array<CaseForet, kMaxRows * kMaxColumns> cells_;
  int rows_ = 0, columns_ = 0;
  QPoint origin_;
  int lastRow_ = 0, lastColumn_ = 0;
  CaseForet* lastHit_ = nullptr;
};

}  // namespace foret
