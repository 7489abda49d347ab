#pragma once
#include "Grille.h"
#include "Poignee.h"
#include "TabpPoignee.h"

#include <QPoint>
#include <QRect>
#include <array>
#include <vector>

namespace orpello {

// What lies under the pointer, in the order the zones are tested.
enum Zone {
  SurPoigneeNW, SurPoigneeNE, SurPoigneeSW, SurPoigneeSE,  // on a corner handle
  OnARectXBasEdge, OnARectXHauEdge,                        // on the bottom or top edge
  OnARectYGauEdge, OnARectYDroEdge,                        // on the left or right edge
  Sur1Rectang,                                             // inside the frame
  NYa_Rien_Ici,                                            // nothing here
};

// The counting frame: its edges, its four corner handles and the framed span.
// The handles are pushed once on `stack`, which the hit test searches.
class Rectang {
public:
  Rectang(const Grille& grille, TabpPoignee& stack);
  Rectang(const Rectang&) = delete;
  Rectang& operator=(const Rectang&) = delete;

  int lifted = 1;  // 1 while the frame is off the screen and the copy
  int left = 0, right = 0, top = 0, bottom = 0;
  Span span;
  int dx = 0, dy = 0;
  Poignee* active = nullptr;
  Poignee* opposite = nullptr;

  Poignee& Handle(int kind) { return handles_[static_cast<size_t>(kind)]; }
  const Poignee& Handle(int kind) const { return handles_[static_cast<size_t>(kind)]; }

  // Lays the frame over the cells of `cells` (its edges on their outer lines).
  void PlaceOver(const Span& cells);
  // The zone under `p`; a handle found is returned in `handle`.
  Zone HitTest(QPoint p, Poignee** handle) const;
  // The span of the cells inside the edges (empty when an edge crossed its opposite).
  void ComputeSpan();
  // The handles moved to the corners of the edges; dx and dy recomputed.
  void HandlesToCorners();
  // Moves the whole frame so that its north-west corner is at `nw`.
  void MoveNorthWestTo(QPoint nw);

  // Corner drag: the active handle snapped to the grid, its neighbours take
  // its coordinates, the handles relabelled so that north-west is top left,
  // then the edges read from them.
  void SnapCornerDrag();
  // Edge drag: every edge snapped to the grid.
  void SnapEdges();
  // Whole-frame move: the north-west corner at the snapped `nw`, the frame kept on the grid.
  void SnapMove(QPoint nw);

  // What is drawn: the rectangle between the south-west and north-east
  // corners and the four boxes; the rubber band is the active and opposite
  // boxes and the rectangle between them.
  std::vector<QRect> Outline() const;
  std::vector<QRect> Band() const;

private:
  int SnapX(int x) const;
  int SnapY(int y) const;

  const Grille& grille_;
  TabpPoignee& stack_;
  std::array<Poignee, 4> handles_;
};

}  // namespace orpello
