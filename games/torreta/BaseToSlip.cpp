#include "BaseToSlip.h"

#include <algorithm>

namespace torreta {

BaseToSlip::BaseToSlip() {
  for (int r = 0; r < kMaxRows; ++r)
    for (int c = 0; c < kMaxColumns; ++c) {
      At(r, c).row = r;
      At(r, c).column = c;
    }
}

void BaseToSlip::Layout(int columns, int width, int height) {
  columns_ = std::clamp(columns, 2, kMaxColumns);
  rows_ = columns_ - 1;
  // A screen too narrow for the columns gets them side by side, with no gap.
  gap_ = std::max(0, (width - kDiscWidth * columns_) / (columns_ + 1));
  top_ = height / 3;
  for (int r = 0; r < rows_; ++r)
    for (int c = 0; c < columns_; ++c) {
      CaseDisque& s = At(r, c);
      s.Place(kDiscWidth, kDiscHeight, gap_ + c * (kDiscWidth + gap_), top_ + kDiscHeight * r);
      s.kind = kEmpty;
    }
  picked = target = nullptr;
  offset = {};
}

CaseDisque* BaseToSlip::SlotAt(QPoint p) {
  for (int r = 0; r < rows_; ++r)
    for (int c = 0; c < columns_; ++c)
      if (At(r, c).Contains(p)) return &At(r, c);
  return nullptr;
}

CaseDisque* BaseToSlip::TargetAt(QPoint p) {
  const int c = (p.x() - gap_) / (kDiscWidth + gap_);
  const int r = (p.y() - top_) / kDiscHeight;
  if (c < 0 || c >= columns_ || r < 0 || r >= rows_) return nullptr;
  CaseDisque& s = At(r, c);
  if (p.x() < s.left || p.x() >= s.left + kDiscWidth) return nullptr;
  if (p.y() < s.top || p.y() >= s.top + kDiscHeight) return nullptr;
  return &s;
}

}  // namespace torreta
