#include "EcranForet.h"

#include "GameWindow.h"
#include "ShowMessage.h"

namespace foret {

void JeuForet::NoticeFinishedKey(TWindow& window) {
  ShowMessage(&window, "L A    P A R T I E   E S T   F I N I E !", "Clique dans la barre de boutons",
              "pour en faire une autre", 3, MessageOk);
}

EcranForet::EcranForet(TGameWindow& window, Balade& balade, JeuForet& jeu) : w_(window), balade_(balade), jeu_(jeu) {
  balade_.redraw = [this](CaseForet& cell) { DrawCell(cell); };
}

void EcranForet::LButtonDown(QPoint p) {
  CaseForet* cell = balade_.Board().CellAt(p);
  if (!cell) {
    ShowMessage(&w_, "A T T E N T I O N ", QString::fromUtf8("Il faut cliquer à l'intérieur du jeu."), 3, MessageOk);
    return;
  }
  if (jeu_.phase == PhaseNotStarted) jeu_.phase = PhaseInProgress;
  Clicked(*cell);
}

void EcranForet::Arrow(Direction d) {
  if (CaseForet* target = balade_.Beside(d)) Step(*target);
}

void EcranForet::DrawCell(CaseForet& cell) { cell.DrawPicture(w_, Picture(cell.kind)); }

void EcranForet::DrawAll() {
  ToClic2D& board = balade_.Board();
  for (int r = 0; r < board.Rows(); ++r)
    for (int c = 0; c < board.Columns(); ++c) DrawCell(board.Cell(r, c));
  w_.WriteStatus(StatusField::First, QString::fromUtf8("Exercice N°: %1   ").arg(jeu_.exercise));
}

}  // namespace foret
