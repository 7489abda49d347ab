#include "FriseEcran.h"

#include "GameWindow.h"
#include "LevelMenu.h"
#include "ShowMessage.h"
#include "StatusCount.h"

namespace motifs {

void Say(TGameWindow& w, const Message& m, int picture) {
  const QString title = QString::fromUtf8(m.title), a = QString::fromUtf8(m.line1);
  if (!m.line2)
    ShowMessage(&w, title, a, picture, MessageOk);
  else if (!m.line3)
    ShowMessage(&w, title, a, QString::fromUtf8(m.line2), picture, MessageOk);
  else
    ShowMessage(&w, title, a, QString::fromUtf8(m.line2), QString::fromUtf8(m.line3), picture, MessageOk);
}

namespace {
const Message kModelPressed{"A T T E N T I O N  !", "Ne pas bouger ces motifs du modèle",
                            "Ils servent d'exemple pour montrer", "quels motifs à reconstruire"};
const Message kToFillPressed{"A T T E N T I O N  !", "Ce motif ne peut pas bouger ...",
                             "c'est ici qu'il faut venir poser", "les motifs à déplacer."};
const Message kRowDone{"B  R  A  V  O  !", "Tu as bien reproduit la ligne précédente.",
                       "Je t'invite à reproduire cette nouvelle ligne !"};
}  // namespace

FriseEcran::FriseEcran(TGameWindow& w, JeuFrise& jeu, const FriseTexts& texts) : w_(w), jeu_(jeu), texts_(texts) {}

void FriseEcran::NewGame() {
  jeu_.NewGame();
  const QRect area = w_.DrawingArea();
  frise_.NewGame(jeu_.level, area.width(), area.height());
  glisse_.Reset();
}

void FriseEcran::DrawAll() {
  w_.ClearScreen();
  w_.DrawBoth([&](TDC& dc) {
    DrawGreyZone(dc);
    DrawCells(dc, false);
    DrawRedFrame(dc);
  });
  ShowLevelName(w_);
  WriteCount(w_, StatusField::Message, jeu_.slides, "glissé(s)");
  WriteCount(w_, StatusField::Second, jeu_.errors, "erreur(s)");
  w_.DrawBoth([&](TDC& dc) { DrawCells(dc, true); });
  if (afterRedraw) afterRedraw();
}

Zone FriseEcran::Press(QPoint p) {
  const Zone zone = frise_.ZoneAt(p);
  if (zone == OnModel) Say(w_, kModelPressed, 3);
  if (zone == OnToFill) Say(w_, kToFillPressed, 3);
  return zone;
}

void FriseEcran::Dropped(QPoint p, int barCell) {
  const Drop drop = frise_.Release(p, barCell);
  if (drop < Drop::Accepted) {
    ++jeu_.errors;
    Say(w_, texts_.refusals[static_cast<size_t>(drop)], 1);
    DrawAll();
    return;
  }
  jeu_.phase = PhaseInProgress;
  CaseMotif& bar = frise_.Bar().At(barCell);
  const CaseMotif& filled = *frise_.LastFilled();
  w_.DrawBoth([&](TDC& dc) {
    bar.DrawPicture(w_, dc, bar.picture);
    frise_.Fill().At(filled.row, filled.column).DrawPicture(w_, dc, filled.picture);
  });
  ++jeu_.slides;
  WriteCount(w_, StatusField::Message, jeu_.slides, jeu_.slides == 1 ? "glissé" : "glissés");
  if (drop == Drop::Won) {
    Say(w_, texts_.won, 2);
    jeu_.phase = PhaseFinished;
  } else if (drop == Drop::RowDone) {
    Say(w_, kRowDone, 2);
    frise_.NextRow();
    jeu_.slides = jeu_.errors = 0;
    DrawAll();
  }
}

}  // namespace motifs
