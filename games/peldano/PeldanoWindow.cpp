#include "PeldanoWindow.h"

#include "DC.h"
#include "Random.h"
#include "ShowMessage.h"

namespace peldano {

int DialogPicture(int number) { return number >= 5 && number <= 9 ? number - 4 : 0; }

void EcranSuite::LButtonDown(QPoint p) {
  if (const formes::CaseForme* cell = rangee_.CellAt(p)) {
    Compare(*cell);
  } else if (modele_.Modele().Contains(p)) {
    ShowMessage(&w_, "CECI EST LE  M O D E L E  A RETROUVER DANS LA RANGEE DU BAS.",
                QString::fromUtf8("Dans la rangée du bas, clique sur la forme"),
                QString::fromUtf8("géométrique qui correspond au modèle."), DialogPicture(5), MessageOk);
  } else {
    ShowMessage(&w_, "C L I Q U E   D A N S   L A   R A N G E E   D U   B A S ...",
                QString::fromUtf8("... sur la forme géométrique qui correspond"),
                QString::fromUtf8("au modèle affiché en haut à droite."), DialogPicture(7), MessageOk);
  }
}

void EcranSuite::Compare(const formes::CaseForme& cell) {
  if (cell.forme != modele_.Modele().forme) {
    ShowMessage(&w_, "LA CASE CLIQUEE NE CORRESPOND PAS AU   M  O  D  E  L  E  !",
                "Dans la rangée du bas, clique sur la", QString::fromUtf8(" forme qui correspond à la case modèle."),
                DialogPicture(5), MessageOk);
    ++jeu_.errors;
    w_.SetMessageField(jeu_.errors, " erreur(s)");
    return;
  }
  if (jeu_.phase == PhaseNotStarted) jeu_.phase = PhaseInProgress;
  modele_.Modele().forme = Random::Draw(kForms);
  modele_.Draw(w_);
  if (escalier_.Advance() == Move::Won) Won();
}

void EcranSuite::Won() {
  jeu_.phase = PhaseFinished;
  modele_.Fill(w_);
  const QString title = jeu_.errors <= 1 ? "B R A V O ,  C ' E S T   G A G N E !" : "O  U  I  !";
  const QString errors = jeu_.errors == 0   ? "Tu as fait aucune erreur."
                         : jeu_.errors == 1 ? "Tu as fait une seule erreur."
                                            : "Tu as fait plusieurs erreurs.";
  ShowMessage(&w_, title, QString::fromUtf8("La partie est terminée."), errors, DialogPicture(6), MessageOk);
}

void EcranSuite::DrawAll() {
  w_.SetMessageField(jeu_.errors, " erreur(s)");
  w_.DrawBoth([this](TDC& dc) {
    rangee_.Draw(w_, dc);
    modele_.Draw(w_, dc);
    w_.DrawStairs(dc, escalier_);
  });
}

void TMemDCWindowSuite::DrawSteps(TDC& dc, Escalier& escalier, int from) {
  for (int i = from; i < kSteps; ++i) DrawStep(dc, escalier.Step(i));
}

void TMemDCWindowSuite::DrawStairs(TDC& dc, Escalier& escalier) {
  for (int i = 0; i < kPlaces; ++i) DrawStep(dc, escalier.Place(i));
  DrawSteps(dc, escalier, 0);
}

TMainWindowSuite::TMainWindowSuite() : TOneLevelChain<TMemDCWindowSuite>(Config()) {
  const QRect area = DrawingArea();
  const int width = area.width(), m = Margin();
  const int modelLeft = width - m / 2 - kFormSize;
  modele_.Place(modelLeft - m / 2, 0, width, m + kFormSize, QPoint(modelLeft, m / 2), kFormSize);
  modele_.SetCaption(QStringLiteral("MODELE :"), QPoint(modelLeft, m / 6));
  escalier_.placeChanged = [this](CaseMarche& place) { DrawBoth([&](TDC& dc) { DrawStep(dc, place); }); };
  escalier_.stepsChanged = [this](int from) { DrawBoth([&](TDC& dc) { DrawSteps(dc, escalier_, from); }); };
  SetGameObjects(&jeu_, &ecran_);
}

int TMainWindowSuite::Margin() const { return (DrawingArea().width() / 2 - 2 * kFormSize) / 3; }

void TMainWindowSuite::ResetGame() {
  const QRect area = DrawingArea();
  jeu_.phase = PhaseNotStarted;
  jeu_.errors = 0;
  rangee_.Place(area.width(), area.height());
  escalier_.Reset((Margin() + kFormSize) / 2);
  modele_.Modele().forme = Random::Draw(kForms);
}

}  // namespace peldano
