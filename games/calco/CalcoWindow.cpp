#include "CalcoWindow.h"

#include "OneLevelBar.h"
#include "ShowMessage.h"

namespace calco {
namespace {
const char* const kPrepared = " erreur(s)";
const char* const kCounted = " Erreur(s)";
}  // namespace

void JeuA1NivSuite::NoticeFinished(TWindow& window) { NoticeFinishedLightning(window); }

void EcranSuite::LButtonDown(QPoint p) {
  switch (grille_.Locate(p, w_.ModelPicture())) {
    case Press::BeyondBoth:
      ShowMessage(&w_, "A   T   T   E   N   T   I   O   N", QString::fromUtf8("Il faut remplir la grille en haut à gauche !"),
                  3, MessageOk);
      return;
    case Press::RightOfGrid:
      ShowMessage(&w_, "A  T  T  E  N  T  I  O  N", "Il faut remplir la grille de gauche !", 3, MessageOk);
      return;
    case Press::BelowGrid:
      ShowMessage(&w_, "A  T  T  E  N  T  I  O  N", "Il faut remplir la grille au dessus !", 3, MessageOk);
      return;
    case Press::Coloured:
      Colour();
      return;
    case Press::White:
      ++jeu_.errors;
      w_.SetMessageField(jeu_.errors, kCounted);
      ShowMessage(&w_, "A  T  T  E  N  T  I  O  N", "Cette case doit rester blanche !", 3, MessageOk);
      return;
  }
}

void EcranSuite::Colour() {
  const int r = grille_.row, k = grille_.column;
  const QRgb colour = grille_.ModelColour(w_.ModelPicture(), r, k);
  w_.DrawBoth([&](TDC& dc) { w_.DrawCell(dc, grille_, r, k, colour); });
  jeu_.phase = PhaseInProgress;
  if (grille_.Matches(*w_.MemDC().Image())) {
    ShowMessage(&w_, "B  R  A  V  O ,  T U  A S  G A G N E  !", "Toutes les cases de cette grille",
                QString::fromUtf8("sont bien coloriées."), 2, MessageOk);
    jeu_.phase = PhaseFinished;
  }
}

void EcranSuite::DrawAll() {
  const QRect area = w_.DrawingArea();
  grille_.Prepare(w_.Model(), area.width(), area.height());
  jeu_.phase = PhaseNotStarted;
  jeu_.errors = 0;
  w_.DrawBoth([this](TDC& dc) {
    w_.DrawModel(dc, grille_, w_.Model());
    w_.DrawGridLines(dc, grille_);
  });
  w_.SetMessageField(jeu_.errors, kPrepared);
}

TMainWindowSuite::TMainWindowSuite() : TOneLevelChain<TMemDCWindowSuite>(Config()) {
  SetGameObjects(&jeu_, &ecran_);
  for (int k = 0; k < kModels; ++k) OnCommand(cmd::FirstModel + k, [this, k] { ChooseModel(k); });
}

void TMainWindowSuite::ResetGame() {
  jeu_.errors = 0;
  SetMessageField(jeu_.errors, kCounted);
}

void TMainWindowSuite::ChooseModel(int k) {
  if (jeu_.phase == PhaseInProgress &&
      ShowMessage(this, "A  T  T  E  N  T  I  O  N", "Veux-tu vraiment tout recommencer ?", 4, MessageYesNo) !=
          AnswerYes)
    return;
  model_ = k;
  ClearScreen();
  ecran_.DrawAll();
}

}  // namespace calco
