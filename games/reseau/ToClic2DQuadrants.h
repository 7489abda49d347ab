#pragma once
#include "ToClic2D.h"

// The lattices of the board's four rectangles, each half the board wide and
// high (a game with two tall rectangles uses the upper two). They differ only
// in where their first dot lies: half a cell in from their rectangle's corner.
namespace reseau {

class ToClic2D_NorWst : public ToClic2D {
public:
  using ToClic2D::ToClic2D;
  int OriginX() const override { return CellWidth() / 2; }
  int OriginY() const override { return CellHeight() / 2; }
};

class ToClic2D_NorEst : public ToClic2D {
public:
  using ToClic2D::ToClic2D;
  int OriginX() const override { return CellWidth() / 2 + HalfWidth(); }
  int OriginY() const override { return CellHeight() / 2; }
};

class ToClic2D_SudWst : public ToClic2D {
public:
  using ToClic2D::ToClic2D;
  int OriginX() const override { return CellWidth() / 2; }
  int OriginY() const override { return CellHeight() / 2 + HalfHeight(); }
};

class ToClic2D_SudEst : public ToClic2D {
public:
  using ToClic2D::ToClic2D;
  int OriginX() const override { return CellWidth() / 2 + HalfWidth(); }
  int OriginY() const override { return CellHeight() / 2 + HalfHeight(); }
};

}  // namespace reseau
