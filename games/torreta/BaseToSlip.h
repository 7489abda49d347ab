#pragma once
#include "CaseDisque.h"

#include <QPoint>
#include <array>

namespace torreta {

constexpr int kMaxColumns = 8;
constexpr int kMaxRows = kMaxColumns - 1;

// Slots laid out in columns side by side, the rightmost being the example, and
// the cells a drag works on: the slot picked up, the slot aimed at and where
// the pointer held the picked disc.
class BaseToSlip {
public:
  BaseToSlip();

  // Lays out `columns` columns of `columns` - 1 slots in a drawing area of
  // `width` x `height`, every slot empty.
  void Layout(int columns, int width, int height);

  int Columns() const { return columns_; }
  int Rows() const { return rows_; }
  int Example() const { return columns_ - 1; }  // the example's column
  int Gap() const { return gap_; }               // between two columns, and at each side
  int Top() const { return top_; }               // of row 0
  // Left edge of the example's band, which runs to the right edge of the area.
  int BandLeft() const { return gap_ + (columns_ - 1) * (kDiscWidth + gap_) - gap_ / 2; }

  CaseDisque& At(int row, int column) { return cells_[row * kMaxColumns + column]; }
  const CaseDisque& At(int row, int column) const { return cells_[row * kMaxColumns + column]; }
  // The slot whose inside holds `p` (the strict test of a cell), or nullptr.
  CaseDisque* SlotAt(QPoint p);
  // The slot a disc let go at `p` aims at: its column and row found by division,
  // their left and top edges included, their right and bottom ones not; or nullptr.
  CaseDisque* TargetAt(QPoint p);

  CaseDisque* picked = nullptr;  // the disc being dragged
  CaseDisque* target = nullptr;  // the slot of the last release
  QPoint offset;                 // press point less the picked slot's corner

protected:
  std::array<CaseDisque, kMaxRows * kMaxColumns> cells_;
  int columns_ = 0, rows_ = 0, gap_ = 0, top_ = 0;
};

}  // namespace torreta
