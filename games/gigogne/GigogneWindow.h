#pragma once
#include "AppCumMenu.h"
#include "ChasseBar.h"
#include "Ecran.h"
#include "GameState.h"
#include "MainWindow.h"
#include "Monde.h"

namespace gigogne {

namespace cmd = tresor::cmd;

class TSys_Solaire;

// Game state: the hunt is always in progress (phase 1).
class JeuA1NivSuite : public JeuA1Niv {};

// The board screen: the child acts only on the place windows, which answer
// by themselves; the presses beside them do nothing.
class EcranSuite : public Ecran {};

class TMemDCWindowSuite : public TMemDCWindowBase {
public:
  using TMemDCWindowBase::TMemDCWindowBase;
};

class TMainWindowSuite : public TOneLevelChain<TMemDCWindowSuite> {
public:
  // Seeds the generator, so that the dead ends tease differently at every
  // run, then makes every place window, at home.
  TMainWindowSuite();
  static const GameConfig& Config();

  // A new hunt: every window back at home and the child sent to the treasure.
  void ResetGame() override;
  // The restart command: nothing to do while "Système solaire" is at home;
  // otherwise, once the child says yes, a new hunt.
  void Restart();

  TSys_Solaire& Root() { return *root_; }
  Monde& World() { return monde_; }
  JeuA1NivSuite& Jeu() { return jeu_; }

private:
  JeuA1NivSuite jeu_;
  EcranSuite ecran_;
  Monde monde_;
  TSys_Solaire* root_;  // owned by the window, as every place by its parent
};

using TMyAppCumMenuSuite = ::TMyAppCumMenuSuite<TMainWindowSuite>;

}  // namespace gigogne
