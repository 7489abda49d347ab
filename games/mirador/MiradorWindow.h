#pragma once
#include "AppCumMenu.h"
#include "TMainWindowReseau.h"

namespace mirador {

// The symmetry game: the model at the upper left, drawn again mirrored in the
// three other rectangles of the board.
class TMainWindowSuite : public reseau::TMainWindowReseau {
public:
  TMainWindowSuite();
  static const GameConfig& Config();
  static const reseau::Variante& Game();
};

using TMyAppCumMenuSuite = ::TMyAppCumMenuSuite<TMainWindowSuite>;

}  // namespace mirador
