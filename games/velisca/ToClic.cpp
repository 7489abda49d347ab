#include "ToClic.h"

namespace velisca {

ToClic::ToClic() {
  for (int k = 0; k < kSquares; ++k) {
    squares_[k].forme = k;
    squares_[k].row = k / kColumns;
    squares_[k].column = k % kColumns;
  }
}

void ToClic::Place(int gx, int gy) {
  gx_ = gx;
  for (Carre& c : squares_) c.Place(kSize, kSize, gx + c.column * (gx + kSize), gy + c.row * (gy + kSize));
}

Carre* ToClic::SquareAt(QPoint p) {
  for (Carre& c : squares_)
    if (c.Contains(p)) return &c;
  return nullptr;
}

int ToClic::FoundCount() const {
  int n = 0;
  for (const Carre& c : squares_) n += c.found;
  return n;
}

void ToClic::ClearFound() {
  for (Carre& c : squares_) c.found = false;
}

int ToClic::GapAfterLastColumn() const {
  const int fifth = gx_ + (kColumns - 1) * (gx_ + kSize), sixth = gx_ + kColumns * (gx_ + kSize);
  return (fifth + sixth + kSize) / 2;
}

}  // namespace velisca
