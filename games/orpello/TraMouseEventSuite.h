#pragma once
#include "Cursor.h"
#include "Rectang.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <vector>

namespace orpello {

// Where the counting frame is drawn and told about: exclusive-or shapes on the
// window alone or on the window and its copy, the pointer, and the new span
// after a drag.
class FrameView {
public:
  virtual ~FrameView() = default;
  virtual void XorOnWindow(const std::vector<QRect>& shapes) = 0;
  virtual void XorOnBoth(const std::vector<QRect>& shapes) = 0;
  virtual void SetPointer(TCursor shape) = 0;
  virtual void Framed(const Span& span) = 0;
  // The drawing area's size: a dragged frame, its boxes included, stays inside it.
  virtual QSize Room() const = 0;
};

// The drag states of the frame's mouse.
enum MouseState { MouseStateUnKnown = 0, Attente_PasDeClic = 1, OkToMovePostLClic = 2, MovingMouseInAJob = 3 };
// The jobs a press starts.
enum Job { NoJob = 0, CornerJob = 1, EdgeJob = 2, MoveJob = 3 };

// The frame's mouse: the hit test and pointer between drags; the press, moves
// and release of a corner, edge or whole-frame drag.
class TraMouseEventSuite {
public:
  TraMouseEventSuite(Rectang& frame, FrameView& view) : frame_(frame), view_(view) {}

  Zone zone = NYa_Rien_Ici;
  MouseState state = Attente_PasDeClic;
  int job = NoJob;
  QPoint grabOffset;         // pointer minus the north-west corner, in a whole-frame move
  Poignee* found = nullptr;  // the handle under the pointer
  Poignee* grabbed = nullptr;  // the handle the left button holds

  void Reset();
  bool Dragging() const { return state == MovingMouseInAJob; }

  void LButtonDown(QPoint p);
  void MouseMove(QPoint p);
  void LButtonUp(QPoint p);

  static int JobOf(Zone zone);
  static TCursor PointerOf(Zone zone);

  // Draws the frame at rest on the window and the copy.
  void DrawAtRest();
  // Takes the frame off both surfaces if it is at rest.
  void Lift();

private:
  // The edge coordinate a drag of the zone's edge moves.
  int* DraggedEdge();
  void Follow(QPoint p);
  // `p` kept where a handle's box drawn there lies inside the drawing area.
  QPoint Inside(QPoint p) const;

  Rectang& frame_;
  FrameView& view_;
  int* edge_ = nullptr;
};

}  // namespace orpello
