#pragma once
#include "Color.h"

#include <QRect>
#include <QSize>
#include <vector>

class TDC;

namespace felino {

// A marker: a pair of 4-pixel lines drawn by exclusive-or with the pen's
// complement, so that it shows in the pen's colour on white and drawing it
// again at the same place takes it away. The row marker is two horizontal lines
// at p - 3 and p + 30, the column marker two vertical ones at p - 4 and p + 29,
// where p is the position of the scroll bar it follows. Lines stop short of the
// drawing area's edges, and a line that would leave the area is not drawn (the
// same both times, so every pixel comes back).
class Ligne {
public:
  enum Sens { Rangee, Colonne };  // horizontal lines (row), vertical lines (column)
  Ligne(Sens sens, TColor colour) : sens_(sens), colour_(colour) {}

  // Draws the pair at position `p` on `dc`, whose image is the drawing area.
  void DrawAt(TDC& dc, int p, QSize area) const;
  // The rectangles the pair at `p` touches.
  std::vector<QRect> Rects(int p, QSize area) const;

  bool drawn = false;  // drawn where `place` says
  int place = 0;

private:
  static constexpr int kWidth = 4;
  static constexpr int kLength = 1234;
  struct Segment {
    int x0, y0, x1, y1;
  };
  std::vector<Segment> Segments(int p, QSize area) const;

  Sens sens_;
  TColor colour_;
};

}  // namespace felino
