#pragma once
#include "CaseMotif.h"

#include <QPoint>
#include <array>

namespace motifs {

constexpr int kRows = 4;      // the puzzle rows
constexpr int kRowCells = 8;  // at most, in one row of models or of cells to fill

// Four rows of cells, of which the first `used` of each row are in play: the
// model zone (`Modele`) or the cells to fill (`ToFill`).
class Rangs {
public:
  int used = 0;
  CaseMotif& At(int row, int column) { return cells_[static_cast<size_t>(row * kRowCells + column)]; }
  const CaseMotif& At(int row, int column) const { return cells_[static_cast<size_t>(row * kRowCells + column)]; }
  // The cell in play whose inside holds `p`, or nullptr.
  const CaseMotif* Hit(QPoint p) const {
    for (int r = 0; r < kRows; ++r)
      for (int j = 0; j < used; ++j)
        if (At(r, j).Contains(p)) return &At(r, j);
    return nullptr;
  }

private:
  std::array<CaseMotif, kRows * kRowCells> cells_;
};

using Modele = Rangs;
using ToFill = Rangs;

}  // namespace motifs
