#include "Rectang.h"

#include "ReposeLeClicSur1TraitHouV.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace orpello {

namespace {
QRect Between(QPoint a, QPoint b) {
  return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
               QPoint(std::max(a.x(), b.x()) - 1, std::max(a.y(), b.y()) - 1));
}
}  // namespace

Rectang::Rectang(const Grille& grille, TabpPoignee& stack) : grille_(grille), stack_(stack) {
  for (int k = 0; k < 4; ++k) {
    handles_[static_cast<size_t>(k)].kind = k;
    handles_[static_cast<size_t>(k)].owner = this;
    stack.PousseCe_pPoigneeInTaPile(&handles_[static_cast<size_t>(k)]);
  }
}

void Rectang::PlaceOver(const Span& cells) {
  const int p = grille_.Pitch();
  left = grille_.X0() + cells.firstColumn * p;
  right = grille_.X0() + cells.endColumn * p;
  top = grille_.Y0() + cells.firstRow * p;
  bottom = grille_.Y0() + cells.endRow * p;
  HandlesToCorners();
  ComputeSpan();
  lifted = 1;
}

void Rectang::HandlesToCorners() {
  Handle(Poignee::NW).MoveTo(left, top);
  Handle(Poignee::NE).MoveTo(right, top);
  Handle(Poignee::SW).MoveTo(left, bottom);
  Handle(Poignee::SE).MoveTo(right, bottom);
  dx = right - left;
  dy = bottom - top;
}

void Rectang::ComputeSpan() {
  const int p = std::max(1, grille_.Pitch());
  span.firstColumn = (left - grille_.X0()) / p;
  span.firstRow = (top - grille_.Y0()) / p;
  span.endColumn = (right - grille_.X0()) / p;
  span.endRow = (bottom - grille_.Y0()) / p;
}

Zone Rectang::HitTest(QPoint pt, Poignee** handle) const {
  // The handles first, through the stack, where every handle answers the mouse.
  if (Poignee* h = stack_.At(stack_.Find(pt)); h && h->owner == this) {
    if (handle) *handle = h;
    static constexpr Zone kZones[] = {SurPoigneeNW, SurPoigneeNE, SurPoigneeSW, SurPoigneeSE};
    return kZones[h->kind];
  }
  const int x = pt.x(), y = pt.y();
  const int l = std::min(left, right), r = std::max(left, right);
  const int t = std::min(top, bottom), b = std::max(top, bottom);
  const bool alongX = l < x && x < r, alongY = t < y && y < b;
  if (alongX && std::abs(y - b) < 4) return OnARectXBasEdge;
  if (alongX && std::abs(y - t) < 4) return OnARectXHauEdge;
  if (alongY && std::abs(x - l) < 4) return OnARectYGauEdge;
  if (alongY && std::abs(x - r) < 4) return OnARectYDroEdge;
  if (alongX && alongY) return Sur1Rectang;
  return NYa_Rien_Ici;
}

int Rectang::SnapX(int x) const {
  return ReposeLeClicSur1TraitHouV::Snap(x, grille_.X0(), grille_.Pitch(), grille_.Half(), 0, grille_.N());
}
int Rectang::SnapY(int y) const {
  return ReposeLeClicSur1TraitHouV::Snap(y, grille_.Y0(), grille_.Pitch(), grille_.Half(), 0, grille_.N());
}

void Rectang::SnapCornerDrag() {
  if (!active) return;
  active->MoveTo(SnapX(active->x), SnapY(active->y));
  Poignee& nw = Handle(Poignee::NW);
  Poignee& ne = Handle(Poignee::NE);
  Poignee& sw = Handle(Poignee::SW);
  Poignee& se = Handle(Poignee::SE);
  // The two handles beside the active one share one of its coordinates each.
  switch (active->kind) {
    case Poignee::NW: ne.y = nw.y; sw.x = nw.x; break;
    case Poignee::NE: nw.y = ne.y; se.x = ne.x; break;
    case Poignee::SW: se.y = sw.y; nw.x = sw.x; break;
    case Poignee::SE: sw.y = se.y; ne.x = se.x; break;
  }
  // Relabelling: the handles swap places, their kinds stay with the corners.
  auto swapCorners = [](Poignee& a, Poignee& b) {
    std::swap(a.x, b.x);
    std::swap(a.y, b.y);
  };
  if (ne.x < nw.x) {
    swapCorners(nw, ne);
    swapCorners(sw, se);
  }
  if (sw.y < nw.y) {
    swapCorners(nw, sw);
    swapCorners(ne, se);
  }
  left = sw.x;
  top = nw.y;
  right = ne.x;
  bottom = se.y;
  dx = se.x - nw.x;
  dy = se.y - nw.y;
  active = opposite = nullptr;
}

void Rectang::SnapEdges() {
  left = SnapX(left);
  right = SnapX(right);
  top = SnapY(top);
  bottom = SnapY(bottom);
  HandlesToCorners();
}

void Rectang::MoveNorthWestTo(QPoint nw) {
  right = nw.x() + (right - left);
  bottom = nw.y() + (bottom - top);
  left = nw.x();
  top = nw.y();
  HandlesToCorners();
}

void Rectang::SnapMove(QPoint nw) {
  // The frame stays on the grid: its far edge no further than the last line.
  const int p = std::max(1, grille_.Pitch()), n = grille_.N();
  const int wide = std::abs(right - left) / p, high = std::abs(bottom - top) / p;
  const int lowX = right < left ? wide : 0, highX = right < left ? n : n - wide;
  const int lowY = bottom < top ? high : 0, highY = bottom < top ? n : n - high;
  const int x = ReposeLeClicSur1TraitHouV::Snap(nw.x(), grille_.X0(), grille_.Pitch(), grille_.Half(), lowX, highX);
  const int y = ReposeLeClicSur1TraitHouV::Snap(nw.y(), grille_.Y0(), grille_.Pitch(), grille_.Half(), lowY, highY);
  MoveNorthWestTo(QPoint(x, y));
}

std::vector<QRect> Rectang::Outline() const {
  std::vector<QRect> shapes{
      Between(QPoint(Handle(Poignee::SW).x, Handle(Poignee::SW).y), QPoint(Handle(Poignee::NE).x, Handle(Poignee::NE).y))};
  for (const Poignee& h : handles_) shapes.push_back(h.Box());
  return shapes;
}

std::vector<QRect> Rectang::Band() const {
  if (!active || !opposite) return Outline();
  return {Between(QPoint(active->x, active->y), QPoint(opposite->x, opposite->y)), active->Box(), opposite->Box()};
}

}  // namespace orpello
