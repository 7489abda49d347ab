#pragma once
#include "AppCumMenu.h"
#include "BandeModele.h"
#include "Board.h"
#include "CaseForme.h"
#include "Escalier.h"
#include "JeuFormes.h"
#include "MainWindow.h"

#include <array>

namespace peldano {

// Command ids of the bars.
namespace cmd {
enum : int {
  Quit = 530, QuitMenu = 531, Start = 550, StartMenu = 551, About = 560, Help = 570, HelpMenu = 571,
};
}  // namespace cmd

inline constexpr int kForms = 5;
inline constexpr int kFormSize = 79;

// This program numbers its dialog pictures from 5: 5 to 9 are the dialog's
// pictures 1 to 5, any other number its picture 0.
int DialogPicture(int number);

// Game state: phase and errors.
using JeuA1NivSuite = formes::JeuFormes;

// The bottom row: the five forms in order, and the last one hit.
class ToAfi1DHori {
public:
  void Place(int width, int height);
  formes::CaseForme& Cell(int i) { return cells_[i]; }
  formes::CaseForme* CellAt(QPoint p);
  void Draw(TDC& dc);
  int lastHit = -1;

private:
  std::array<formes::CaseForme, kForms> cells_;
};

class TMainWindowSuite;

// The board screen: a press on the bottom row is compared with the model.
class Ecran : public ::Ecran {
public:
  Ecran(JeuA1NivSuite& jeu, ToAfi1DHori& rangee, formes::BandeModele& modele, Escalier& escalier)
      : jeu_(jeu), rangee_(rangee), modele_(modele), escalier_(escalier) {}
  void LButtonDown() override;
  // The error count, the bottom row, the platform, the model band and the staircase.
  void DrawAll() override;

private:
  TMainWindowSuite& Window() const;
  void Compare(const formes::CaseForme& cell);
  void Won();

  JeuA1NivSuite& jeu_;
  ToAfi1DHori& rangee_;
  formes::BandeModele& modele_;
  Escalier& escalier_;
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
  ToAfi1DHori& Row() { return rangee_; }
  formes::BandeModele& Model() { return modele_; }
  Escalier& Stairs() { return escalier_; }
  // The model margin: the space around the model in its band.
  int Margin() const;

private:
  // Everything as at the start, drawn on the white screen.
  void NewBoard();

  JeuA1NivSuite jeu_;
  ToAfi1DHori rangee_;
  formes::BandeModele modele_;
  Escalier escalier_;
  Ecran ecran_{jeu_, rangee_, modele_, escalier_};
  Case dialogCase_;
};

using TMyAppCumMenuSuite = ::TMyAppCumMenuSuite<TMainWindowSuite>;

}  // namespace peldano
