#pragma once
#include "AppCumMenu.h"
#include "Ecran.h"
#include "GameState.h"
#include "Labyrinthe.h"
#include "MainWindow.h"

namespace sentier {

// Command ids of the bars and menus.
namespace cmd {
enum : int {
  Quit = 520, QuitMenu = 521, NextLevel = 530, NextLevelMenu = 531, SameLevel = 540, SameLevelMenu = 541,
  PreviousLevel = 550, PreviousLevelMenu = 551, About = 670, Help = 680, HelpMenu = 681,
  // The seven mode buttons, and their menu items, enter modes 1 to 7.
  Girl = 600, Hut = 610, Flowers = 620, Wolves = 630, Path = 640, Walk = 650, Hunt = 660,
};
inline constexpr int kLevelChoices[4] = {560, 570, 580, 590};
// The toggle group of the seven mode buttons.
inline constexpr int kModeGroup = 1;
}  // namespace cmd

// The command that enters `m` (0 for the modes without a button).
int ModeCommand(Mode m);
// The name of `m` as the message field shows it.
const char* ModeName(Mode m);

// Game state: the level, and the mode and bumps read from the rules. The phase
// follows the mode, so that the shell asks before a restart only while the
// world is being built or played in, and a finished game answers a press or a
// key with its own notice.
class JeuANNivSuite : public JeuANNiv {
public:
  explicit JeuANNivSuite(const Labyrinthe& labyrinthe) : JeuANNiv(0), labyrinthe_(labyrinthe) {}
  Mode CurrentMode() const { return labyrinthe_.CurrentMode(); }
  int ShockCount() const { return labyrinthe_.ShockCount(); }
  // Phase 0 with no mode, 2 once won, 1 in between.
  void FollowMode();
  void NoticeFinished(TWindow& window) override;
  void NoticeFinishedKey(TWindow& window) override;

private:
  const Labyrinthe& labyrinthe_;
};

class TMainWindowSuite;

// The board screen: a press finds its cell and acts by mode, an arrow key
// walks the girl in red, and every changed cell is drawn at once on the window
// and the off-screen copy; each outcome is told to the child.
class EcranSuite : public Ecran {
public:
  EcranSuite(TMainWindowSuite& window, Labyrinthe& labyrinthe, JeuANNivSuite& jeu);
  void LButtonDown(QPoint p) override;
  void Arrow(Direction d) override;
  void DrawAll() override;
  void DrawCell(foret::CaseForet& cell);
  // The message and status texts of `effet`.
  void Tell(Effet effet);
  // The refusal of `demande` for mode `m`.
  void Refuse(Demande demande, Mode m);

private:
  TMainWindowSuite& w_;
  Labyrinthe& labyrinthe_;
  JeuANNivSuite& jeu_;
};

class TMemDCWindowSuite : public TMemDCWindowBase {
public:
  using TMemDCWindowBase::TMemDCWindowBase;
};

class TMainWindowSuite : public TNLevelChain<TMemDCWindowSuite> {
public:
  TMainWindowSuite();
  static const GameConfig& Config();
  void ApplyLevel() override;
  void ResetGame() override;

  // Asks for mode `m`, as its button or its menu item does.
  void EnterMode(Mode m);

  JeuANNivSuite& Jeu() { return jeu_; }
  Labyrinthe& Rules() { return labyrinthe_; }
  foret::ToClic2D& Board() { return board_; }

private:
  foret::ToClic2D board_;
  Labyrinthe labyrinthe_{board_};
  JeuANNivSuite jeu_{labyrinthe_};
  EcranSuite ecran_{*this, labyrinthe_, jeu_};
  bool welcomed_ = false;  // the first game greets the child
};

using TMyAppCumMenuSuite = ::TMyAppCumMenuSuite<TMainWindowSuite>;

}  // namespace sentier
