#pragma once
#include "AppCumMenu.h"
#include "Ecran.h"
#include "GameState.h"
#include "Grille.h"
#include "MainWindow.h"

namespace calco {

// Command ids of the bars.
namespace cmd {
enum : int {
  Quit = 530, QuitMenu = 531, Start = 550, StartMenu = 551, About = 560, Help = 570, HelpMenu = 571,
  FirstModel = 580,  // models 0 to 19 are 580 to 599
};
}  // namespace cmd

// Game state: phase (0 nothing coloured yet, 1 in play, 2 won) and errors.
// A press on a won game points to the lightning bolt of the button bar.
class JeuA1NivSuite : public JeuA1Niv {
public:
  int errors = 0;
  void NoticeFinished(TWindow& window) override;
};

class TMainWindowSuite;

// The board screen: a press colours a cell, counts an error or points to the
// work grid; drawing the whole board prepares the current model.
class EcranSuite : public Ecran {
public:
  EcranSuite(TMainWindowSuite& window, JeuA1NivSuite& jeu, Grille& grille) : w_(window), jeu_(jeu), grille_(grille) {}
  void LButtonDown(QPoint p) override;
  // Prepares the current model: the grids laid out, phase 0 and no error, the
  // model stretched beside the empty grid, the grid lines and the error count.
  void DrawAll() override;

private:
  void Colour();

  TMainWindowSuite& w_;
  JeuA1NivSuite& jeu_;
  Grille& grille_;
};

// The game's drawing, on the surface handed in.
class TMemDCWindowSuite : public TMemDCWindowBase {
public:
  using TMemDCWindowBase::TMemDCWindowBase;
  // The pattern of picture `model`, stretched pixel for pixel into the model area.
  void DrawModel(TDC& dc, const Grille& g, int model);
  // Light grey lines round every cell of both grids.
  void DrawGridLines(TDC& dc, const Grille& g);
  // Cell (r, k) filled with `colour` inside a light grey border.
  void DrawCell(TDC& dc, const Grille& g, int r, int k, QRgb colour);
};

class TMainWindowSuite : public TOneLevelChain<TMemDCWindowSuite> {
public:
  TMainWindowSuite();
  static const GameConfig& Config();

  // The game's part of the restart: no error, then the current model again.
  void ResetGame() override;
  // Model `k` chosen from the menu; asks first while a game is in play.
  void ChooseModel(int k);

  int Model() const { return model_; }
  const QImage& ModelPicture() { return *PictureDC(model_).Image(); }
  JeuA1NivSuite& Jeu() { return jeu_; }
  Grille& Grid() { return grille_; }

private:
  int model_ = 0;
  JeuA1NivSuite jeu_;
  Grille grille_;
  EcranSuite ecran_{*this, jeu_, grille_};
};

using TMyAppCumMenuSuite = ::TMyAppCumMenuSuite<TMainWindowSuite>;

}  // namespace calco
