#include "PeldanoWindow.h"

#include "DC.h"
#include "Globals.h"
#include "Random.h"
#include "Services.h"
#include "ShowMessage.h"

namespace peldano {

int DialogPicture(int number) { return number >= 5 && number <= 9 ? number - 4 : 0; }

void ToAfi1DHori::Place(int width, int height) {
  const int g = (width - 6 * kFormSize) / 5;
  for (int i = 0; i < kForms; ++i) {
    cells_[i].forme = i;
    cells_[i].Place(kFormSize, kFormSize, g + i * (g + kFormSize), height - g / 2 - kFormSize);
  }
  lastHit = -1;
}

formes::CaseForme* ToAfi1DHori::CellAt(QPoint p) {
  for (int i = 0; i < kForms; ++i)
    if (cells_[i].Contains(p)) {
      lastHit = i;
      return &cells_[i];
    }
  return nullptr;
}

void ToAfi1DHori::Draw(TDC& dc) {
  for (formes::CaseForme& c : cells_) c.Draw(dc);
}

TMainWindowSuite& Ecran::Window() const { return static_cast<TMainWindowSuite&>(*gGameWindow); }

void Ecran::LButtonDown() {
  TMainWindowSuite& w = Window();
  const QPoint p = w.ButtonPoint();
  if (const formes::CaseForme* cell = rangee_.CellAt(p)) {
    Compare(*cell);
  } else if (modele_.Modele().Contains(p)) {
    ShowMessage(&w, "CECI EST LE  M O D E L E  A RETROUVER DANS LA RANGEE DU BAS.",
                QString::fromUtf8("Dans la rangée du bas, clique sur la forme"),
                QString::fromUtf8("géométrique qui correspond au modèle."), DialogPicture(5), MessageOk);
  } else {
    ShowMessage(&w, "C L I Q U E   D A N S   L A   R A N G E E   D U   B A S ...",
                QString::fromUtf8("... sur la forme géométrique qui correspond"),
                QString::fromUtf8("au modèle affiché en haut à droite."), DialogPicture(7), MessageOk);
  }
}

void Ecran::Compare(const formes::CaseForme& cell) {
  TMainWindowSuite& w = Window();
  if (cell.forme != modele_.Modele().forme) {
    ShowMessage(&w, "LA CASE CLIQUEE NE CORRESPOND PAS AU   M  O  D  E  L  E  !",
                "Dans la rangée du bas, clique sur la", QString::fromUtf8(" forme qui correspond à la case modèle."),
                DialogPicture(5), MessageOk);
    ++jeu_.errors;
    w.SetMessageField(jeu_.errors, " erreur(s)");
    return;
  }
  if (jeu_.phase == PhaseNotStarted) jeu_.phase = PhaseInProgress;
  modele_.Modele().forme = Random::Draw(kForms);
  modele_.Draw();
  if (escalier_.Advance() == Move::Won) Won();
}

void Ecran::Won() {
  jeu_.phase = PhaseFinished;
  modele_.Fill();
  const QString title = jeu_.errors <= 1 ? "B R A V O ,  C ' E S T   G A G N E !" : "O  U  I  !";
  const QString errors = jeu_.errors == 0   ? "Tu as fait aucune erreur."
                         : jeu_.errors == 1 ? "Tu as fait une seule erreur."
                                            : "Tu as fait plusieurs erreurs.";
  ShowMessage(&Window(), title, QString::fromUtf8("La partie est terminée."), errors, DialogPicture(6), MessageOk);
}

void Ecran::DrawAll() {
  TMainWindowSuite& w = Window();
  w.SetMessageField(jeu_.errors, " erreur(s)");
  w.DrawBoth([this](TDC& dc) {
    rangee_.Draw(dc);
    modele_.Draw(dc);
    escalier_.Draw(dc);
  });
}

TMainWindowSuite::TMainWindowSuite() : TOneLevelChain<TMemDCWindowSuite>(Config()) {
  dialogCase_.Place(49, 49, 0, 0);
  const QRect area = DrawingArea();
  const int width = area.width(), m = Margin();
  const int modelLeft = width - m / 2 - kFormSize;
  modele_.Place(modelLeft - m / 2, 0, width, m + kFormSize, QPoint(modelLeft, m / 2), kFormSize);
  modele_.SetCaption(QStringLiteral("MODELE :"), QPoint(modelLeft, m / 6));
}

int TMainWindowSuite::Margin() const { return (DrawingArea().width() / 2 - 2 * kFormSize) / 3; }

void TMainWindowSuite::SetupWindow() {
  TOneLevelChain<TMemDCWindowSuite>::SetupWindow();
  Random::Seed(static_cast<unsigned>(Services::NowSeconds()));
  SetGameObjects(&jeu_, &ecran_);
  NewBoard();
}

void TMainWindowSuite::NewGame() {
  TOneLevelChain<TMemDCWindowSuite>::NewGame();  // phase 0, the screen white
  NewBoard();
}

void TMainWindowSuite::NewBoard() {
  const QRect area = DrawingArea();
  jeu_.phase = PhaseNotStarted;
  jeu_.errors = 0;
  rangee_.Place(area.width(), area.height());
  escalier_.Reset((Margin() + kFormSize) / 2);
  modele_.Modele().forme = Random::Draw(kForms);
  ecran_.DrawAll();
}

}  // namespace peldano
