#pragma once
#include "GameState.h"

namespace formes {

// The state of a one-level form game: the phase and the child's error count.
// A press on a finished game points to the lightning bolt of the button bar.
class JeuFormes : public JeuA1Niv {
public:
  int errors = 0;
  void NoticeFinished(TWindow& window) override;
};

}  // namespace formes
