#pragma once
#include "AppCumMenu.h"
#include "Ecran.h"
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
inline constexpr int kLevelChoices[6] = {560, 565, 570, 575, 580, 585};
}  // namespace cmd

// Game state: the shell's, with the game's own wording of an arrow key on a
// finished game.
class JeuANNivSuite : public JeuANNiv {
public:
  JeuANNivSuite() : JeuANNiv(0) {}
  void NoticeFinishedKey(TWindow& window) override;
};

class TMainWindowSuite;

// The board screen: a click next to the head, or an arrow key, moves the
// caterpillar; the outcome is answered with a message.
class EcranSuite : public Ecran {
public:
  EcranSuite(TMainWindowSuite& window, Grille& grille, JeuANNivSuite& jeu) : w_(window), grille_(grille), jeu_(jeu) {}
  void LButtonDown(QPoint p) override;
  void Arrow(Direction d) override { Move(d); }
  void DrawAll() override;
  // Moves the caterpillar and answers the outcome.
  void Move(Direction d);

private:
  TMainWindowSuite& w_;
  Grille& grille_;
  JeuANNivSuite& jeu_;
};

class TMemDCWindowSuite : public TMemDCWindowBase {
public:
  using TMemDCWindowBase::TMemDCWindowBase;
  // Draws `tile`'s picture on the window and on the off-screen copy.
  void DrawTile(Tuile& tile) { tile.DrawPicture(*this, tile.Picture()); }
};

class TMainWindowSuite : public TNLevelChain<TMemDCWindowSuite> {
public:
  TMainWindowSuite();
  static const GameConfig& Config();

  void ApplyLevel() override;
  void ResetGame() override;

  JeuANNivSuite& Jeu() { return jeu_; }
  Grille& Board() { return grille_; }

private:
  JeuANNivSuite jeu_;
  Grille grille_;
  EcranSuite ecran_{*this, grille_, jeu_};
};

using TMyAppCumMenuSuite = ::TMyAppCumMenuSuite<TMainWindowSuite>;

}  // namespace oruga
