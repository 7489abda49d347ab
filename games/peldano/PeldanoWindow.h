#pragma once
#include "AppCumMenu.h"
#include "BandeModele.h"
#include "Ecran.h"
#include "Escalier.h"
#include "JeuFormes.h"
#include "MainWindow.h"
#include "ToAfi1DHori.h"

namespace peldano {

// Command ids of the bars.
namespace cmd {
enum : int {
  Quit = 530, QuitMenu = 531, Start = 550, StartMenu = 551, About = 560, Help = 570, HelpMenu = 571,
};
}  // namespace cmd

// This program numbers its dialog pictures from 5: 5 to 9 are the dialog's
// pictures 1 to 5, any other number its picture 0.
int DialogPicture(int number);

// Game state: phase and errors.
using JeuA1NivSuite = formes::JeuFormes;

class TMainWindowSuite;

// The board screen: a press on the bottom row is compared with the model.
class EcranSuite : public Ecran {
public:
  EcranSuite(TMainWindowSuite& window, JeuA1NivSuite& jeu, ToAfi1DHori& rangee, formes::BandeModele& modele,
             Escalier& escalier)
      : w_(window), jeu_(jeu), rangee_(rangee), modele_(modele), escalier_(escalier) {}
  void LButtonDown(QPoint p) override;
  // The error count, the bottom row, the model band, the platform and the staircase.
  void DrawAll() override;

private:
  void Compare(const formes::CaseForme& cell);
  void Won();

  TMainWindowSuite& w_;
  JeuA1NivSuite& jeu_;
  ToAfi1DHori& rangee_;
  formes::BandeModele& modele_;
  Escalier& escalier_;
};

// The game's drawing: the platform's places and the staircase's steps.
class TMemDCWindowSuite : public TMemDCWindowBase {
public:
  using TMemDCWindowBase::TMemDCWindowBase;
  // A step or a place, in its look.
  void DrawStep(TDC& dc, CaseMarche& step) { step.DrawPicture(*this, dc, step.Picture()); }
  // The steps from `from` down to the lowest, in order, as they overlap.
  void DrawSteps(TDC& dc, Escalier& escalier, int from);
  // The platform, then the whole staircase.
  void DrawStairs(TDC& dc, Escalier& escalier);
};

class TMainWindowSuite : public TOneLevelChain<TMemDCWindowSuite> {
public:
  TMainWindowSuite();
  static const GameConfig& Config();

  // A new game: no error, the figure at the foot of the staircase, the
  // platform empty and a model drawn at random.
  void ResetGame() override;

  JeuA1NivSuite& Jeu() { return jeu_; }
  ToAfi1DHori& Row() { return rangee_; }
  formes::BandeModele& Model() { return modele_; }
  Escalier& Stairs() { return escalier_; }
  // The model margin: the space around the model in its band.
  int Margin() const;

private:
  JeuA1NivSuite jeu_;
  ToAfi1DHori rangee_;
  formes::BandeModele modele_;
  Escalier escalier_;
  EcranSuite ecran_{*this, jeu_, rangee_, modele_, escalier_};
};

using TMyAppCumMenuSuite = ::TMyAppCumMenuSuite<TMainWindowSuite>;

}  // namespace peldano
