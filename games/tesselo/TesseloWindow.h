#pragma once
#include "AppCumMenu.h"
#include "FriseEcran.h"
#include "JeuFrise.h"
#include "MainWindow.h"

namespace tesselo {

class TMemDCWindowSuite : public TMemDCWindowBase {
public:
  using TMemDCWindowBase::TMemDCWindowBase;
};

// The game window: rows of sequences continued with pictures from the bar.
class TMainWindowSuite : public TNLevelChain<TMemDCWindowSuite> {
public:
  TMainWindowSuite();
  static const GameConfig& Config();

  void ApplyLevel() override { ShowLevelName(*this); }
  void ResetGame() override { ecran_.NewGame(); }

  motifs::JeuFrise& Jeu() { return jeu_; }
  motifs::FriseEcran& Game() { return ecran_; }

private:
  motifs::JeuFrise jeu_;
  motifs::FriseEcran ecran_;
};

using TMyAppCumMenuSuite = ::TMyAppCumMenuSuite<TMainWindowSuite>;

}  // namespace tesselo
