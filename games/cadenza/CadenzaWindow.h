#pragma once
#include "AppCumMenu.h"
#include "FriseEcran.h"
#include "JeuFrise.h"
#include "MainWindow.h"
#include "Masque.h"

namespace cadenza {

constexpr int kHideTimer = 3;
constexpr int kHidePeriod = 1000;  // milliseconds

// Game state: the sequence games', with the model cells hidden after each redraw.
class JeuANNivSuite : public motifs::JeuFrise {
public:
  int hideCount = 1;
};

// The memory layer below the picture layer.
class TMemDCWindowSuite : public TMemDCWindow<TGameWindow> {
public:
  using TMemDCWindow<TGameWindow>::TMemDCWindow;
};

// The game window: the sequence rows, whose first model cells vanish one per
// second after every full redraw; the mouse waits meanwhile.
class TMainWindowSuite : public TNLevelChain<TBitmapWindow<TMemDCWindowSuite>> {
public:
  TMainWindowSuite();
  ~TMainWindowSuite() override;
  static const GameConfig& Config();

  void SetupWindow() override;
  void EvTimer(int id) override;
  void ApplyLevel() override;
  void ResetGame() override { ecran_.NewGame(); }

  JeuANNivSuite& Jeu() { return jeu_; }
  motifs::FriseEcran& Game() { return ecran_; }
  const Masque& Hider() const { return masque_; }

private:
  JeuANNivSuite jeu_;
  Masque masque_;
  motifs::FriseEcran ecran_;
};

using TMyAppCumMenuSuite = ::TMyAppCumMenuSuite<TMainWindowSuite>;

}  // namespace cadenza
