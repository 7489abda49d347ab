#pragma once
#include <QPoint>

class TDC;
class TGameWindow;
class TMemoryDC;

// A rectangle of the board with a picture. The hit test is strict: the border
// pixels belong to no cell.
class Case {
public:
  virtual ~Case() = default;
  int width = 0, height = 0, left = 0, top = 0;
  int picture = 0;
  TMemoryDC* lastDrawn = nullptr;

  void Place(int w, int h, int x, int y) { width = w; height = h; left = x; top = y; }
  bool Contains(QPoint p) const { return left < p.x() && p.x() < left + width && top < p.y() && p.y() < top + height; }
  // Draws picture `index` of `window`'s table in the cell, on `dc` only.
  void DrawPicture(TGameWindow& window, TDC& dc, int index);
  // Draws picture `index` on the window and on the off-screen copy.
  void DrawPicture(TGameWindow& window, int index);
};
