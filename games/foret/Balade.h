#pragma once
#include "ToClic2D.h"

#include <functional>

namespace foret {

// How a step of the child ended.
enum class Pas {
  Walked,    // along the path, the wolf one cell behind
  Letters,   // onto a letters cell: nobody moves until the letters are typed
  Stumbled,  // into a tree (or onto its own cell): the wolf catches it
  IntoWolf,  // onto the wolf, which eats it
  Home,      // into the hut: won
};

// The walk through the forest: the child led cell by cell to the hut with the
// wolf always on the cell it has just left. Cells whose look changes are handed
// to `redraw`, at most three a step.
class Balade {
public:
  explicit Balade(ToClic2D& board) : board_(board) {}

  // Lays `rows` (see ToClic2D::Load) in a drawing area of `width` x `height` and
  // finds the child, the wolf and the hut.
  void Lay(const std::vector<std::string>& rows, bool letters, int width, int height);

  // The child's step onto `target`, by what the target holds.
  Pas Step(CaseForet& target);
  // The walk of a path step, whatever `target` holds: the wolf's cell becomes
  // path, the wolf takes the child's cell and the child `target`.
  void Walk(CaseForet& target);

  // The cell beside the child in direction `d`; nullptr at the edge or once the
  // child is gone.
  CaseForet* Beside(Direction d);
  // Whether `cell` is the child's own cell or one of its eight neighbours.
  bool IsNear(const CaseForet& cell) const;

  CaseForet* Child() const { return child_; }
  CaseForet* Wolf() const { return wolf_; }
  CaseForet* Hut() const { return hut_; }
  ToClic2D& Board() { return board_; }

  std::function<void(CaseForet&)> redraw;

private:
  void Become(CaseForet* cell, Kind kind);

  ToClic2D& board_;
  CaseForet* child_ = nullptr;
  CaseForet* wolf_ = nullptr;
  CaseForet* hut_ = nullptr;
};

}  // namespace foret
