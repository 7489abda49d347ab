#include "TraMouseEventSuite.h"

#include <algorithm>

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
      Follow(p);
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

QPoint TraMouseEventSuite::Inside(QPoint p) const {
  const QSize room = view_.Room();
  const int h = Poignee::kHalf;
  return QPoint(std::max(h, std::min(p.x(), room.width() - h)), std::max(h, std::min(p.y(), room.height() - h)));
}

void TraMouseEventSuite::Follow(QPoint p) {
  if (job == CornerJob) {
    const QPoint at = Inside(p);
    frame_.active->MoveTo(at.x(), at.y());
  } else if (job == EdgeJob && edge_) {
    const QPoint at = Inside(p);
    const bool vertical = edge_ == &frame_.left || edge_ == &frame_.right;
    *edge_ = vertical ? at.x() : at.y();
    frame_.HandlesToCorners();
    frame_.ComputeSpan();
  } else if (job == MoveJob) {
    // The whole frame, its boxes included, stays inside the area.
    const QPoint nw = p - grabOffset;
    const int minX = std::min(0, frame_.dx), maxX = std::max(0, frame_.dx);
    const int minY = std::min(0, frame_.dy), maxY = std::max(0, frame_.dy);
    const QPoint low = Inside(QPoint(-1000000, -1000000)), high = Inside(QPoint(1000000, 1000000));
    const int x = std::max(low.x() - minX, std::min(nw.x(), high.x() - maxX));
    const int y = std::max(low.y() - minY, std::min(nw.y(), high.y() - maxY));
    frame_.MoveNorthWestTo(QPoint(x, y));
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
    Follow(p);
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
