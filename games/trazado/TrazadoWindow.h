#pragma once
#include "AppCumMenu.h"
#include "TMainWindowReseau.h"

namespace trazado {

// The copying game: the model in the left half of the board, drawn again as
// it is in the right half.
class TMainWindowSuite : public reseau::TMainWindowReseau {
public:
  TMainWindowSuite();
  static const GameConfig& Config();
  static const reseau::Variante& Game();
};

using TMyAppCumMenuSuite = ::TMyAppCumMenuSuite<TMainWindowSuite>;

}  // namespace trazado
