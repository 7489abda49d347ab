#pragma once
#include "Case.h"

namespace motifs {

// Every cell of these games is a square of this side.
constexpr int kCell = 49;
// The picture of an empty cell, first in every table of the family.
constexpr int kEmpty = 0;

// A cell showing a motif: the shell's cell (place, picture shown) with its row
// and column in its family of cells and the picture it had when it was made,
// which a new game gives back.
class CaseMotif : public Case {
public:
  int row = 0, column = 0;
  int initial = kEmpty;

  // Puts the cell's corner at (x, y), at the cells' size.
  void Lay(int x, int y) { Place(kCell, kCell, x, y); }
  // The picture it was made with, as at a new game.
  void Clear() { picture = initial; }
};

}  // namespace motifs
