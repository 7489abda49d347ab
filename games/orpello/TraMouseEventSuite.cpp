#include "TraMouseEventSuite.h"

namespace orpello {

void TraMouseEventSuite::Reset() {
  zone = NYa_Rien_Ici;
  state = Attente_PasDeClic;
  job = NoJob;
  found = grabbed = nullptr;
  edge_ = nullptr;
  frame_.active = frame_.opposite = nullptr;
}

int TraMouseEventSuite::JobOf(Zone z) {
  switch (z) {
    case SurPoigneeNW: case SurPoigneeNE: case SurPoigneeSW: case SurPoigneeSE: return CornerJob;
    case OnARectXBasEdge: case OnARectXHauEdge: case OnARectYGauEdge: case OnARectYDroEdge: return EdgeJob;
    case Sur1Rectang: return MoveJob;
    case NYa_Rien_Ici: break;
  }
  return NoJob;
}

TCursor TraMouseEventSuite::PointerOf(Zone z) {
  switch (z) {
    case SurPoigneeNW: case SurPoigneeSE: return TCursor::SizeNWSE;
    case SurPoigneeNE: case SurPoigneeSW: return TCursor::SizeNESW;
    case OnARectXBasEdge: case OnARectXHauEdge: return TCursor::SizeNS;
    case OnARectYGauEdge: case OnARectYDroEdge: return TCursor::SizeWE;
    case Sur1Rectang: return TCursor::SizeAll;
    case NYa_Rien_Ici: break;
  }
  return TCursor::No;
}

void TraMouseEventSuite::DrawAtRest() {
  view_.XorOnBoth(frame_.Outline());
  frame_.lifted = 0;
}

void TraMouseEventSuite::Lift() {
  if (frame_.lifted) return;
  view_.XorOnBoth(frame_.Outline());
  frame_.lifted = 1;
}

int* TraMouseEventSuite::DraggedEdge() {
  // The edge grabbed is the line drawn there, whichever of the pair it holds
  // once an edge has crossed its opposite.
  int& lower = frame_.bottom >= frame_.top ? frame_.bottom : frame_.top;
  int& upper = frame_.bottom >= frame_.top ? frame_.top : frame_.bottom;
  int& lefter = frame_.left <= frame_.right ? frame_.left : frame_.right;
  int& righter = frame_.left <= frame_.right ? frame_.right : frame_.left;
  switch (zone) {
    case OnARectXBasEdge: return &lower;
    case OnARectXHauEdge: return &upper;
    case OnARectYGauEdge: return &lefter;
    case OnARectYDroEdge: return &righter;
    default: return nullptr;
  }
}

void TraMouseEventSuite::LButtonDown(QPoint p) {
  // A press while a drag still runs (its release went astray) ends that drag first.
  if (Dragging()) LButtonUp(p);
  found = nullptr;
  zone = frame_.HitTest(p, &found);
  job = JobOf(zone);
  switch (job) {
    case CornerJob:
      view_.SetPointer(PointerOf(zone));
      grabbed = found;
      Lift();
      frame_.active = grabbed;
      frame_.opposite = &frame_.Handle(3 - grabbed->kind);
      frame_.active->MoveTo(p.x(), p.y());
      view_.XorOnWindow(frame_.Band());
      break;
    case EdgeJob:
      view_.SetPointer(PointerOf(zone));
      Lift();
      edge_ = DraggedEdge();
      Follow(p);
      view_.XorOnWindow(frame_.Outline());
      break;
    case MoveJob:
      view_.SetPointer(TCursor::Arrow);
      grabOffset = p - QPoint(frame_.left, frame_.top);
      Lift();
      frame_.MoveNorthWestTo(p - grabOffset);
      view_.XorOnWindow(frame_.Outline());
      break;
    default:
      return;
  }
  state = MovingMouseInAJob;
}

void TraMouseEventSuite::Follow(QPoint p) {
  if (job == CornerJob) {
    frame_.active->MoveTo(p.x(), p.y());
  } else if (job == EdgeJob && edge_) {
    const bool vertical = edge_ == &frame_.left || edge_ == &frame_.right;
    *edge_ = vertical ? p.x() : p.y();
    frame_.HandlesToCorners();
    frame_.ComputeSpan();
  } else if (job == MoveJob) {
    frame_.MoveNorthWestTo(p - grabOffset);
  }
}

void TraMouseEventSuite::MouseMove(QPoint p) {
  if (!Dragging()) {
    found = nullptr;
    zone = frame_.HitTest(p, &found);
    view_.SetPointer(PointerOf(zone));
    return;
  }
  const auto shapes = [this] { return job == CornerJob ? frame_.Band() : frame_.Outline(); };
  view_.XorOnWindow(shapes());
  Follow(p);
  view_.XorOnWindow(shapes());
}

void TraMouseEventSuite::LButtonUp(QPoint p) {
  if (!Dragging() || job == NoJob) {
    state = Attente_PasDeClic;
    job = NoJob;
    return;
  }
  if (job == CornerJob) {
    view_.XorOnWindow(frame_.Band());
    frame_.active->MoveTo(p.x(), p.y());
    frame_.SnapCornerDrag();
  } else if (job == EdgeJob) {
    view_.XorOnWindow(frame_.Outline());
    Follow(p);
    frame_.SnapEdges();
  } else {
    view_.XorOnWindow(frame_.Outline());
    frame_.SnapMove(p - grabOffset);
  }
  DrawAtRest();
  frame_.ComputeSpan();
  state = Attente_PasDeClic;
  job = NoJob;
  grabbed = nullptr;
  edge_ = nullptr;
  view_.Framed(frame_.span);
}

}  // namespace orpello
