#include "BaseToSlip.h"

#include <algorithm>

namespace motifs {

BaseToSlip::BaseToSlip() {
  for (int i = 0; i < kMaxBar; ++i) cells_[static_cast<size_t>(i)].column = i;
}

void BaseToSlip::SetCount(int count) { count_ = std::clamp(count, 0, kMaxBar); }

int BaseToSlip::CellAt(QPoint p) const {
  for (int i = 0; i < count_; ++i)
    if (At(i).Contains(p)) return i;
  return -1;
}

}  // namespace motifs
