#pragma once
#include "CaseMotif.h"

#include <QPoint>
#include <array>

namespace motifs {

constexpr int kMaxBar = 14;

// The bar of pictures the child drags from: up to fourteen cells, of which the
// first Count() are in play, and the picture being dragged with where the
// pointer holds it.
class BaseToSlip {
public:
  BaseToSlip();
  void SetCount(int count);
  int Count() const { return count_; }
  CaseMotif& At(int i) { return cells_[static_cast<size_t>(i)]; }
  const CaseMotif& At(int i) const { return cells_[static_cast<size_t>(i)]; }
  // The cell in play whose inside holds `p`, or -1.
  int CellAt(QPoint p) const;

  int picked = -1;  // the cell whose picture is dragged, -1 when none
  QPoint offset;    // the press point less that cell's corner

protected:
  std::array<CaseMotif, kMaxBar> cells_;
  int count_ = 0;
};

}  // namespace motifs
