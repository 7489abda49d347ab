#pragma once
#include <QPoint>

namespace motifs {

class BaseToSlip;

// What lies under a press, tried in this order, the first hit winning.
enum Zone { Nothing = 0, OnModel = 1, OnToFill = 2, OnBar = 3 };
// The drag state of the mouse translator.
enum DragState { Idle = 1, Dragging = 3 };

// What a game of the family gives the drag layer: it answers the presses
// that start no drag, lends its bar, and judges where a dragged picture lands.
class Glissable {
public:
  virtual ~Glissable() = default;
  // A press at `p`: the zone hit, with the game's notice already shown for a
  // model cell or a cell to fill.
  virtual Zone Press(QPoint p) = 0;
  virtual BaseToSlip& Bar() = 0;
  // The picture of bar cell `barCell` let go at `p`; the window is already
  // clean under it, and the drag is over.
  virtual void Dropped(QPoint p, int barCell) = 0;
  // While this holds, presses, releases and moves do nothing.
  virtual bool Busy() const { return false; }
};

}  // namespace motifs
