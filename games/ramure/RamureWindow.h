#pragma once
#include "AppCumMenu.h"
#include "ChasseBar.h"
#include "Ecran.h"
#include "GameState.h"
#include "MainWindow.h"
#include "TreeView.h"

namespace ramure {

namespace cmd = tresor::cmd;

// The tree control's id.
constexpr int kTreeId = 101;

// Game state: the hunt is always in progress (phase 1), so that a restart
// always asks first; the game does not notice the find.
class JeuA1NivSuite : public JeuA1Niv {};

// The board screen: the tree answers its own clicks and keys, so the presses
// that reach the game window, in the margin round the tree, do nothing.
class EcranSuite : public Ecran {};

class TMemDCWindowSuite : public TMemDCWindowBase {
public:
  using TMemDCWindowBase::TMemDCWindowBase;
};

class TMainWindowSuite : public TOneLevelChain<TMemDCWindowSuite> {
public:
  TMainWindowSuite();
  static const GameConfig& Config();

  // The folder pictures given to the tree, then the first hunt.
  void SetupWindow() override;
  // A new hunt: the tree built again with only its root showing, closed, and
  // the hunt in progress.
  void ResetGame() override;

  TTreeView& Tree() { return *tree_; }
  JeuA1NivSuite& Jeu() { return jeu_; }

private:
  JeuA1NivSuite jeu_;
  EcranSuite ecran_;
  TTreeView* tree_;  // owned by the window
};

using TMyAppCumMenuSuite = ::TMyAppCumMenuSuite<TMainWindowSuite>;

}  // namespace ramure
