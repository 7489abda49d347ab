#pragma once
#include "GameState.h"

namespace reseau {

// The state of a lattice game: the level, the phase (1 once the child has
// drawn, never 2), the exercise shown (1 to 3) and the errors of the last
// comparison.
class JeuReseau : public JeuANNiv {
public:
  JeuReseau() : JeuANNiv(0) {}
  int exercise = 1;
  int errors = 0;
};

}  // namespace reseau
