#include "AfiNHoriCase_1ToClic.h"

#include <algorithm>

namespace visado {

void AfiNHoriCase_1ToClic::Place(int n, int width) {
  n_ = std::clamp(n, 1, kMaxCells);
  // On a screen too narrow for the row the pictures touch, from the left edge.
  gap_ = std::max(0, (width - kSide * n_) / (n_ + 1));
  for (int i = 0; i < n_; ++i) Cell(i).Place(kSide, kSide, gap_ + i * (kSide + gap_), kTop);
  lastClick = -1;
}

int AfiNHoriCase_1ToClic::Hit(QPoint p) const {
  for (int i = 0; i < n_; ++i)
    if (Cell(i).Contains(p)) return i;
  return -1;
}

int AfiNHoriCase_1ToClic::FirstShowing(int picture) const {
  for (int i = 0; i < n_; ++i)
    if (Cell(i).picture == picture) return i;
  return -1;
}

}  // namespace visado
