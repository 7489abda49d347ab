#pragma once
#include "AppCumMenu.h"
#include "Board.h"
#include "GameState.h"
#include "Grille.h"
#include "MainWindow.h"

namespace oruga {

// Command ids of the bars.
namespace cmd {
enum : int {
  Quit = 520, QuitMenu = 521, NextLevel = 530, NextLevelMenu = 531, SameLevel = 540, SameLevelMenu = 541,
  PreviousLevel = 550, PreviousLevelMenu = 551, About = 670, Help = 680, HelpMenu = 681,
};
inline constexpr int kLevels[6] = {560, 565, 570, 575, 580, 585};
}  // namespace cmd

// Game state: the shell's, with one word of the game's own, unused.
class JeuANNivSuite : public JeuANNiv {
public:
  JeuANNivSuite() : JeuANNiv(0) {}
  int extra = 0;
};

// The board screen: a click next to the head moves the caterpillar.
class Ecran : public ::Ecran {
public:
  Ecran(Grille& grille, JeuANNivSuite& jeu) : grille_(grille), jeu_(jeu) {}
  void LButtonDown() override;
  void DrawAll() override;
  // Moves the caterpillar and answers the outcome.
  void Move(Direction d);

private:
  Grille& grille_;
  JeuANNivSuite& jeu_;
};

class TMemDCWindowSuite : public TMemDCWindowBase {
public:
  using TMemDCWindowBase::TMemDCWindowBase;
  // Draws `tile`'s picture on the window and on the off-screen copy.
  void DrawTile(Case& tile) { tile.DrawPicture(tile.Picture()); }
};

class TMainWindowSuite : public TNLevelChain<TMemDCWindowSuite> {
public:
  TMainWindowSuite();
  static const GameConfig& Config();

  void SetupWindow() override;
  void ApplyLevel() override;
  void ResetGame() override;

  JeuANNivSuite& Jeu() { return jeu_; }
  Grille& Board() { return grille_; }

protected:
  void EvKeyUp(int key) override;

private:
  JeuANNivSuite jeu_;
  Grille grille_;
  Ecran ecran_{grille_, jeu_};
  Case dialogCase_;
};

using TMyAppCumMenuSuite = ::TMyAppCumMenuSuite<TMainWindowSuite>;

}  // namespace oruga
