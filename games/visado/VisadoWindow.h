#pragma once
#include "AppCumMenu.h"
#include "Course.h"
#include "Ecran.h"
#include "GameState.h"
#include "MainWindow.h"

namespace visado {

// Command ids of the bars.
namespace cmd {
enum : int {
  Quit = 530, QuitMenu = 590, NextLevel = 571, NextLevelMenu = 591, SameLevel = 572, SameLevelMenu = 592,
  PreviousLevel = 573, PreviousLevelMenu = 593, Start = 550, StartMenu = 594, About = 560, Help = 570,
  HelpMenu = 596,
};
inline constexpr int kLevelChoices[kLevels] = {574, 575, 576, 577, 578, 579};
}  // namespace cmd

// The window's timers: the race clock runs as long as the window; the steps
// of a burst and the pictures of the leaf fall each run while they last.
enum : int { kRaceTimer = 101, kStepTimer = 102, kLeafTimer = 103 };
enum : int { kRacePeriod = 100, kStepPeriod = 10, kLeafPeriod = 150 };

// Game state: the shell's level and phase (0 ready, 1 racing, 2 over).
class JeuANNivSuite : public JeuANNiv {
public:
  JeuANNivSuite() : JeuANNiv(0) {}
};

class TMainWindowSuite;

// The board screen: the start command, the ticks of the timers and the
// presses on the row, answered with drawing and messages.
class EcranSuite : public Ecran {
public:
  EcranSuite(TMainWindowSuite& window, Course& course) : w_(window), course_(course) {}
  void LButtonDown(QPoint p) override;
  // The row, the tree with the jalopy at the start, the road; the picture to
  // find stays hidden until the start.
  void DrawAll() override;
  // Stops whatever of the old race still runs.
  void Reset() override;
  void Start();
  void Timer(int id);

private:
  void Step();
  void Leaf();

  TMainWindowSuite& w_;
  Course& course_;
};

// The game's drawing, on the surface handed in.
class TMemDCWindowSuite : public TMemDCWindowBase {
public:
  using TMemDCWindowBase::TMemDCWindowBase;
  void DrawCell(TDC& dc, const CaseToAfi& cell);
  // The vehicle alone over what lies behind: the mask by AND, then the colour by OR.
  void DrawTacot(TDC& dc, const Tacot& tacot);
  void EraseTacot(TDC& dc, int x, int y);
  void DrawTree(TDC& dc, const Arbre& arbre, int stage);
  void DrawRoad(TDC& dc, int y);
  // The cell that was to be found, on a light red frame.
  void DrawAnswer(TDC& dc, const CaseToAfi& cell);
  // The cell wrongly chosen, crossed out.
  void DrawCross(TDC& dc, const CaseToAfi& cell);
};

class TMainWindowSuite : public TNLevelChain<TMemDCWindowSuite> {
public:
  TMainWindowSuite();
  ~TMainWindowSuite() override;
  static const GameConfig& Config();

  void SetupWindow() override;
  void EvTimer(int id) override { ecran_.Timer(id); }
  void ApplyLevel() override;
  void ResetGame() override;

  JeuANNivSuite& Jeu() { return jeu_; }
  Course& Race() { return course_; }

private:
  JeuANNivSuite jeu_;
  Course course_{jeu_};
  EcranSuite ecran_{*this, course_};
};

using TMyAppCumMenuSuite = ::TMyAppCumMenuSuite<TMainWindowSuite>;

}  // namespace visado
