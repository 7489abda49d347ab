#pragma once
#include "GameState.h"

namespace motifs {

// Game state of the games of this family: the shell's, from level 0, with the
// slides and the errors of the current row (of the whole flake in nevado).
class JeuFrise : public JeuANNiv {
public:
  JeuFrise() : JeuANNiv(0) {}
  int slides = 0, errors = 0;
  void NewGame() {
    Reset();
    slides = errors = 0;
  }
};

}  // namespace motifs
