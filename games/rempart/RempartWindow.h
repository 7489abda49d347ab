#pragma once
#include "AppCumMenu.h"
#include "Ecran.h"
#include "GameState.h"
#include "MainWindow.h"
#include "Pile1DVert.h"
#include "ToAfi2D.h"

namespace rempart {

// Command ids of the bars. The moves and erase have one id each, for the bar
// and the menus alike.
namespace cmd {
enum : int {
  Quit = 530, QuitMenu = 531, About = 560, Help = 570, HelpMenu = 571,
  NextLevel = 572, NextLevelMenu = 573, SameLevel = 574, SameLevelMenu = 575,
  PreviousLevel = 576, PreviousLevelMenu = 577,
  Execute = 583, ExecuteMenu = 584, Up = 585, Back = 586, Left = 587, Right = 588, Erase = 589,
};
inline constexpr int kLevelChoices[4] = {578, 579, 581, 582};
}  // namespace cmd

// Time between two steps of a run.
constexpr int kStepMilliseconds = 500;
constexpr int kRunTimer = 1;

// Game state: phase 0 new pitch, 1 programming, 2 run done.
class JeuANNivSuite : public JeuANNiv {
public:
  JeuANNivSuite() : JeuANNiv(0) {}
};

class TMainWindowSuite;

// The board screen: the moves pushed and erased, the run of the program step by
// step, the replay, and the drawing of everything after each of them.
class EcranSuite : public Ecran {
public:
  EcranSuite(TMainWindowSuite& window, JeuANNivSuite& jeu, ToAfi2D& terrain, Pile1DVert& pile)
      : w_(window), jeu_(jeu), terrain_(terrain), pile_(pile) {}

  void Push(Action a);
  void Erase();
  // Starts the run: its first step at once, the others one per tick.
  void Execute();
  // The next step of the run.
  void RunStep();
  bool Running() const { return running_; }
  // Lays everything out for the drawing area, then draws it on both surfaces.
  void DrawAll() override;

private:
  bool RefuseFinished();
  void EndRun(Outcome outcome);
  void Answer(Outcome outcome);

  TMainWindowSuite& w_;
  JeuANNivSuite& jeu_;
  ToAfi2D& terrain_;
  Pile1DVert& pile_;
  bool running_ = false;
  int step_ = 0;
};

// The game's drawing, on the surface handed in.
class TMemDCWindowSuite : public TMemDCWindowBase {
public:
  using TMemDCWindowBase::TMemDCWindowBase;
  // White everywhere, the goal over its sky and green strips, the pitch, the
  // stack and the attacker.
  void DrawEverything(TDC& dc, const ToAfi2D& terrain, const Pile1DVert& pile);
};

class TMainWindowSuite : public TNLevelChain<TMemDCWindowSuite> {
public:
  TMainWindowSuite();
  static const GameConfig& Config();

  void ApplyLevel() override;
  void ResetGame() override;
  void EvTimer(int id) override;

  JeuANNivSuite& Jeu() { return jeu_; }
  ToAfi2D& Terrain() { return terrain_; }
  Pile1DVert& Pile() { return pile_; }
  EcranSuite& Board() { return ecran_; }

private:
  JeuANNivSuite jeu_;
  ToAfi2D terrain_;
  Pile1DVert pile_;
  EcranSuite ecran_{*this, jeu_, terrain_, pile_};
};

using TMyAppCumMenuSuite = ::TMyAppCumMenuSuite<TMainWindowSuite>;

}  // namespace rempart
