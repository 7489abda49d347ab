#pragma once
#include "AppCumMenu.h"
#include "Ecran.h"
#include "JeuFormes.h"
#include "MainWindow.h"
#include "Modele.h"
#include "ToClic.h"

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
class EcranSuite : public Ecran {
public:
  EcranSuite(TMainWindowSuite& window, JeuA1NivSuite& jeu, ToClic& grille, Modele& modele)
      : w_(window), jeu_(jeu), grille_(grille), modele_(modele) {}
  void LButtonDown(QPoint p) override;
  // Judges the square of the press, wherever the pointer is let go.
  void LButtonUp(QPoint) override;
  void Reset() override { pressed_ = false; }
  // The band with its model, every square and the error count.
  void DrawAll() override;

private:
  void CountError();

  TMainWindowSuite& w_;
  JeuA1NivSuite& jeu_;
  ToClic& grille_;
  Modele& modele_;
  bool pressed_ = false;  // a square is held down and its release will be judged
};

// The game's drawing: the looks of a square, on the surface handed in.
class TMemDCWindowSuite : public TMemDCWindowBase {
public:
  using TMemDCWindowBase::TMemDCWindowBase;
  // Raised like a button, as every square waits.
  void DrawRaised(TDC& dc, const Carre& c);
  // Pressed in, while the button is down on it.
  void DrawPressed(TDC& dc, const Carre& c);
  // White all round, covering a red frame drawn earlier, with the found picture.
  void DrawFound(TDC& dc, const Carre& c);
  // On a light red frame: the square the child should have chosen.
  void DrawFramed(TDC& dc, const Carre& c);
  // Raised or found, as the square stands.
  void DrawSettled(TDC& dc, const Carre& c) { c.found ? DrawFound(dc, c) : DrawRaised(dc, c); }
};

class TMainWindowSuite : public TOneLevelChain<TMemDCWindowSuite> {
public:
  TMainWindowSuite();
  static const GameConfig& Config();

  // A new game: no error, no square found, and the sequence of targets taken
  // up from a random place.
  void ResetGame() override;

  JeuA1NivSuite& Jeu() { return jeu_; }
  ToClic& Grid() { return grille_; }
  Modele& Model() { return modele_; }

private:
  JeuA1NivSuite jeu_;
  ToClic grille_;
  Modele modele_;
  EcranSuite ecran_{*this, jeu_, grille_, modele_};
};

using TMyAppCumMenuSuite = ::TMyAppCumMenuSuite<TMainWindowSuite>;

}  // namespace velisca
