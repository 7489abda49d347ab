#include "VeliscaWindow.h"

#include "Globals.h"
#include "Random.h"
#include "Services.h"
#include "ShowMessage.h"

namespace velisca {
namespace {
const char* const kErrorCount = "Nombre d'erreur(s) : ";
}

TMainWindowSuite& Ecran::Window() const { return static_cast<TMainWindowSuite&>(*gGameWindow); }

void Ecran::CountError() {
  ++jeu_.errors;
  Window().SetMessageField(kErrorCount, jeu_.errors);
}

void Ecran::LButtonDown() {
  TMainWindowSuite& w = Window();
  pressed_ = false;
  w.SetMessageField(kErrorCount, jeu_.errors);
  jeu_.phase = PhaseInProgress;
  const QPoint p = w.ButtonPoint();
  if (modele_.Band().Modele().Contains(p)) {
    ShowMessage(&w, "T U  C L I Q U E S  D A N S  L A  C A S E  M O D E L E !", "Clique parmi les cases de gauche,",
                "dans celle qui lui est semblable.", 1, MessageOk);
    return;
  }
  Carre* carre = grille_.SquareAt(p);
  if (!carre) {
    ShowMessage(&w, "A  T  T  E  N  T  I  O  N  !", QString::fromUtf8("Tu as cliqué à côté d'un motif."), 0,
                MessageOk);
    return;
  }
  grille_.lastHit = carre;
  if (carre->found) {
    ShowMessage(&w, "A  T  T  E  N  T  I  O  N  !", QString::fromUtf8("Tu as déjà cliqué dans cette case."), 0,
                MessageOk);
    CountError();
    return;
  }
  TClientDC screen(w);  // until the release only
  carre->DrawPressed(screen);
  pressed_ = true;
}

void Ecran::LButtonUp() {
  if (!pressed_) return;  // no press, or a press already answered by a message
  pressed_ = false;
  TMainWindowSuite& w = Window();
  Carre* target = modele_.Target();
  if (grille_.lastHit != target) {
    w.DrawBoth([target](TDC& dc) { target->DrawFramed(dc); });
    ShowMessage(&w, "A  T  T  E  N  T  I  O  N  !", QString::fromUtf8("Clique sur la case semblable au motif modèle."),
                "Pour t'aider je l'encadre en rouge.", 1, MessageOk);
    CountError();
    return;
  }
  target->found = true;
  modele_.Advance(grille_);
  DrawAll();
  if (grille_.FoundCount() == kSquares) {
    modele_.Band().Fill();
    ShowMessage(&w, "B  R  A  V  O   !", "Tu as cliqué sur toutes les cases !", 2, MessageOk);
    jeu_.phase = PhaseFinished;
  }
}

void Ecran::DrawAll() {
  TMainWindowSuite& w = Window();
  modele_.Band().Draw();
  w.DrawBoth([this](TDC& dc) {
    for (int k = 0; k < kSquares; ++k) grille_.Square(k).DrawSettled(dc);
  });
  w.SetMessageField(jeu_.errors, " erreur(s)");
}

TMainWindowSuite::TMainWindowSuite() : TOneLevelChain<TMemDCWindowSuite>(Config()) {
  dialogCase_.Place(49, 49, 0, 0);
  const QRect area = DrawingArea();
  jeu_.gx = (area.width() - 6 * kSize) / 7;
  jeu_.gy = (area.height() - 4 * kSize) / 5;
  grille_.Place(jeu_.gx, jeu_.gy);
  modele_.Place(grille_, area.width(), area.height());
}

void TMainWindowSuite::SetupWindow() {
  TOneLevelChain<TMemDCWindowSuite>::SetupWindow();
  Random::Seed(static_cast<unsigned>(Services::NowSeconds()));
  SetGameObjects(&jeu_, &ecran_);
  grille_.offset = Random::Draw(kSquares);
  modele_.Advance(grille_);
  ecran_.DrawAll();
}

void TMainWindowSuite::NewGame() {
  jeu_.errors = 0;
  SetMessageField(kErrorCount, 0);
  TOneLevelChain<TMemDCWindowSuite>::NewGame();  // phase 0, the screen white
  ecran_.Reset();
  grille_.ClearFound();
  grille_.offset = Random::Draw(kSquares);
  modele_.Advance(grille_);
  ecran_.DrawAll();
}

}  // namespace velisca
