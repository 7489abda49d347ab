#pragma once
#include "GameState.h"

namespace foret {

// The state of a forest walk: the shell's, with the exercise played (1 to 3)
// and the walk's own wording of a key on a finished game.
class JeuForet : public JeuANNiv {
public:
  JeuForet() : JeuANNiv(0) {}
  int exercise = 1;
  void NoticeFinishedKey(TWindow& window) override;
};

}  // namespace foret
