#pragma once
#include "CaseToAfi.h"

#include <QPoint>
#include <array>

namespace visado {

// The row of pictures along the top of the board (a horizontal row of N
// display cells, one of which is clicked): up to 14 cells, spread evenly.
class AfiNHoriCase_1ToClic {
public:
  static constexpr int kMaxCells = 14;
  static constexpr int kTop = 49;

  // Places `n` cells (1 .. 14) across a board `width` wide: equal gaps
  // between them and at both ends.
  void Place(int n, int width);
  int Count() const { return n_; }
  int Gap() const { return gap_; }
  CaseToAfi& Cell(int i) { return cells_[static_cast<size_t>(i)]; }
  const CaseToAfi& Cell(int i) const { return cells_[static_cast<size_t>(i)]; }
  // The cell strictly under `p`, or -1 (a border pixel is in no cell).
  int Hit(QPoint p) const;
  // The first cell that shows `picture`, or -1.
  int FirstShowing(int picture) const;

  int lastClick = -1;  // index of the last cell clicked, -1 before any

private:
  std::array<CaseToAfi, kMaxCells> cells_{};
  int n_ = 0;
  int gap_ = 0;
};

}  // namespace visado
