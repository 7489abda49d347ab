#pragma once
#include "GameState.h"

#include <QString>

struct GameConfig;

namespace formes {

// The state of a one-level form game: the phase and the child's error count.
// A press on a finished game points to the lightning bolt of the button bar.
class JeuFormes : public JeuA1Niv {
public:
  int errors = 0;
  void NoticeFinished(TWindow& window) override;
};

// The bar and the hidden text list both form games share, from the quit, start,
// help and about commands already in `config`: door, lightning bolt, question mark.
void SetFormGameCommands(GameConfig& config, const QString& startText);

}  // namespace formes
