#pragma once
#include "Carre.h"

#include <QPoint>
#include <array>

namespace velisca {

// The grid to click in (ToClic: the squares the child clicks): 4 x 5 squares,
// gx apart across and gy apart down, and where the sequence of targets stands.
class ToClic {
public:
  ToClic();
  // Lays the squares out with the gaps gx and gy.
  void Place(int gx, int gy);
  Carre& Square(int k) { return squares_[k]; }
  const Carre& Square(int k) const { return squares_[k]; }
  // The first square, in row order, that strictly contains `p`, or none.
  Carre* SquareAt(QPoint p);
  int FoundCount() const;
  void ClearFound();
  // x of the middle of the gap after the fifth column.
  int GapAfterLastColumn() const;

  int offset = 0;            // place in the sequence of targets
  Carre* lastHit = nullptr;  // the square of the last press

private:
  std::array<Carre, kSquares> squares_;
  int gx_ = 0;
};

}  // namespace velisca
