#pragma once
#include <QPoint>
#include <QRect>
#include <QSize>

class TGameWindow;

// A picture dragged across the window alone, never into the off-screen copy.
// It keeps the rectangle it was last drawn in and restores exactly that one
// from the copy before it is drawn anew, so that no trace of it stays behind,
// and it stays whole inside the drawing area. Each move touches the two
// rectangles and nothing else of the window.
class DraggedMark {
public:
  // Draws picture `index` of the window's table, of `size`, with its corner at
  // `corner` (moved inside the area where it would stick out), after the one
  // drawn before is wiped.
  void Show(TGameWindow& window, int index, QPoint corner, QSize size);
  // Restores the window from the copy where the mark was last drawn; nothing
  // when it is not shown.
  void Wipe(TGameWindow& window);
  // Leaves the window as it is (it was whitened or redrawn under the mark).
  void Forget() { rect_ = QRect(); }
  bool Shown() const { return !rect_.isEmpty(); }
  QRect Rect() const { return rect_; }

private:
  QRect rect_;
};
