#pragma once
#include "AppCumMenu.h"
#include "Board.h"
#include "Grille.h"
#include "JeuFormes.h"
#include "MainWindow.h"

namespace velisca {

// Command ids of the bars.
namespace cmd {
enum : int {
  Quit = 530, QuitMenu = 580, Start = 550, StartMenu = 581, About = 560, Help = 570, HelpMenu = 582,
};
}  // namespace cmd

// Game state: phase, errors, and the gaps of the grid across and down.
class JeuA1NivSuite : public formes::JeuFormes {
public:
  int gx = 0, gy = 0;
};

class TMainWindowSuite;

// The board screen: a press picks a square, its release is judged.
class Ecran : public ::Ecran {
public:
  Ecran(JeuA1NivSuite& jeu, ToClic& grille, Modele& modele) : jeu_(jeu), grille_(grille), modele_(modele) {}
  void LButtonDown() override;
  void LButtonUp() override;
  void Reset() override { pressed_ = false; }
  // The band with its model, every square and the error count.
  void DrawAll() override;

private:
  TMainWindowSuite& Window() const;
  void CountError();

  JeuA1NivSuite& jeu_;
  ToClic& grille_;
  Modele& modele_;
  bool pressed_ = false;  // a square is held down and its release will be judged
};

class TMemDCWindowSuite : public TMemDCWindowBase {
public:
  using TMemDCWindowBase::TMemDCWindowBase;
};

class TMainWindowSuite : public TOneLevelChain<TMemDCWindowSuite> {
public:
  TMainWindowSuite();
  static const GameConfig& Config();

  void SetupWindow() override;
  void NewGame() override;

  JeuA1NivSuite& Jeu() { return jeu_; }
  ToClic& Grid() { return grille_; }
  Modele& Model() { return modele_; }

private:
  JeuA1NivSuite jeu_;
  ToClic grille_;
  Modele modele_;
  Ecran ecran_{jeu_, grille_, modele_};
  Case dialogCase_;
};

using TMyAppCumMenuSuite = ::TMyAppCumMenuSuite<TMainWindowSuite>;

}  // namespace velisca
