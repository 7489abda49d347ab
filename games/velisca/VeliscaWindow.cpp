#include "VeliscaWindow.h"

#include "Random.h"
#include "ShowMessage.h"

namespace velisca {
namespace {
const char* const kErrorCount = "Nombre d'erreur(s) : ";
}

void EcranSuite::CountError() {
  ++jeu_.errors;
  w_.SetMessageField(kErrorCount, jeu_.errors);
}

void EcranSuite::LButtonDown(QPoint p) {
  pressed_ = false;
  w_.SetMessageField(kErrorCount, jeu_.errors);
  jeu_.phase = PhaseInProgress;
  if (modele_.Band().Modele().Contains(p)) {
    ShowMessage(&w_, "T U  C L I Q U E S  D A N S  L A  C A S E  M O D E L E !", "Clique parmi les cases de gauche,",
                "dans celle qui lui est semblable.", 1, MessageOk);
    return;
  }
  Carre* carre = grille_.SquareAt(p);
  if (!carre) {
    ShowMessage(&w_, "A  T  T  E  N  T  I  O  N  !", QString::fromUtf8("Tu as cliqué à côté d'un motif."), 0,
                MessageOk);
    return;
  }
  grille_.lastHit = carre;
  if (carre->found) {
    ShowMessage(&w_, "A  T  T  E  N  T  I  O  N  !", QString::fromUtf8("Tu as déjà cliqué dans cette case."), 0,
                MessageOk);
    CountError();
    return;
  }
  TClientDC screen(w_);  // until the release only
  w_.DrawPressed(screen, *carre);
  pressed_ = true;
}

void EcranSuite::LButtonUp(QPoint) {
  if (!pressed_) return;  // no press, or a press already answered by a message
  pressed_ = false;
  Carre* target = modele_.Target();
  if (grille_.lastHit != target) {
    w_.DrawBoth([this, target](TDC& dc) { w_.DrawFramed(dc, *target); });
    ShowMessage(&w_, "A  T  T  E  N  T  I  O  N  !", QString::fromUtf8("Clique sur la case semblable au motif modèle."),
                "Pour t'aider je l'encadre en rouge.", 1, MessageOk);
    CountError();
    return;
  }
  target->found = true;
  modele_.Advance(grille_);
  DrawAll();
  if (grille_.FoundCount() == kSquares) {
    modele_.Band().Fill(w_);
    ShowMessage(&w_, "B  R  A  V  O   !", "Tu as cliqué sur toutes les cases !", 2, MessageOk);
    jeu_.phase = PhaseFinished;
  }
}

void EcranSuite::DrawAll() {
  modele_.Band().Draw(w_);
  w_.DrawBoth([this](TDC& dc) {
    for (int k = 0; k < kSquares; ++k) w_.DrawSettled(dc, grille_.Square(k));
  });
  w_.SetMessageField(jeu_.errors, " erreur(s)");
}

TMainWindowSuite::TMainWindowSuite() : TOneLevelChain<TMemDCWindowSuite>(Config()) {
  const QRect area = DrawingArea();
  jeu_.gx = (area.width() - 6 * kSize) / 7;
  jeu_.gy = (area.height() - 4 * kSize) / 5;
  grille_.Place(jeu_.gx, jeu_.gy);
  modele_.Place(grille_, area.width(), area.height());
  SetGameObjects(&jeu_, &ecran_);
}

void TMainWindowSuite::ResetGame() {
  jeu_.errors = 0;
  SetMessageField(kErrorCount, 0);
  ecran_.Reset();
  grille_.ClearFound();
  grille_.offset = Random::Draw(kSquares);
  modele_.Advance(grille_);
}

}  // namespace velisca
