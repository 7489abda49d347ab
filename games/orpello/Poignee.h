#pragma once
#include <QPoint>
#include <QRect>
#include <cstdlib>

namespace orpello {

class Rectang;

// A corner handle of the counting frame ("poignée"): its corner and its box.
struct Poignee {
  enum Kind { NW = 0, NE = 1, SW = 2, SE = 3 };
  static constexpr int kHalf = 4;
  static constexpr int kSize = 8;

  int kind = NW;
  int x = 0, y = 0;
  Rectang* owner = nullptr;

  void MoveTo(int nx, int ny) { x = nx; y = ny; }
  // The box, bounds included.
  bool Contains(QPoint p) const { return std::abs(p.x() - x) <= kHalf && std::abs(p.y() - y) <= kHalf; }
  // The box as drawn.
  QRect Box() const { return QRect(x - kHalf, y - kHalf, kSize, kSize); }
};

}  // namespace orpello
