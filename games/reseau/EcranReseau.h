#pragma once
#include "Ecran.h"

namespace reseau {

class TMainWindowReseau;

// The board screen of a lattice game: a click toggles a segment or chooses a
// dot, an arrow key walks the cursor drawing or erasing, and the comparison
// marks and counts the differences from the model.
class EcranReseau : public Ecran {
public:
  explicit EcranReseau(TMainWindowReseau& window) : w_(window) {}
  void LButtonDown(QPoint p) override;
  void Arrow(Direction d) override;
  // Every node of every lattice, the axes, the cursor at the active copy's
  // current node, and the status texts.
  void DrawAll() override;
  // Counts and marks the differences, draws the board again and tells the result.
  void Compare();

private:
  TMainWindowReseau& w_;
};

}  // namespace reseau
