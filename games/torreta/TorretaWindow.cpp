#include "TorretaWindow.h"

#include "Keys.h"
#include "LevelMenu.h"
#include "ShowMessage.h"

#include <algorithm>

namespace torreta {

void TraMouseLeftButtonSuite::Down(TraMouseEvent& event, QPoint p) {
  // A press while dragging means the release of that drag never came.
  if (event.mode == Dragging) w_.CancelDrag();
  event.mode = AtRest;
  w_.PickUp(event, p);
}

void TraMouseLeftButtonSuite::Up(TraMouseEvent& event, QPoint p) {
  if (event.mode != Dragging) return;
  event.mode = AtRest;
  w_.LetGo(p);
}

void TraMouseMoveSuite::Move(TraMouseEvent& event, QPoint p, unsigned flags) {
  if (event.mode != Dragging) return;
  if (!(flags & MK_LBUTTON)) {
    // The button went up where the window could not hear it.
    event.mode = AtRest;
    w_.CancelDrag();
    return;
  }
  w_.Follow(p);
}

void EcranSuite::DrawAll() {
  w_.ClearScreen();
  ToSlip& board = w_.Board();
  w_.DrawBoth([&](TDC& dc) {
    w_.DrawBand(dc, board.BandLeft());
    w_.DrawSlots(dc, board);
  });
  ShowLevelName(w_);
  w_.SetMessageField(w_.Jeu().moves, "glissé(s)");
  w_.SetSecondField(w_.Jeu().errors, "erreur(s)");
}

TMainWindowSuite::TMainWindowSuite() : TNLevelChain<TMemDCWindowSuite>(Config()) {
  mouse_.left = &left_;
  mouse_.move = &move_;
  SetGameObjects(&jeu_, &ecran_);
}

void TMainWindowSuite::ApplyLevel() { ShowLevelName(*this); }

void TMainWindowSuite::ResetGame() {
  const QRect area = DrawingArea();
  jeu_.NewGame();
  board_.NewGame(jeu_.level, area.width(), area.height());
  mouse_.Reset();
}

void TMainWindowSuite::PickUp(TraMouseEvent& mouse, QPoint p) {
  switch (board_.Pick(p)) {
    case Press::Nothing:
      return;
    case Press::ExampleDisc:
      ShowMessage(this, "A T T E N T I O N", "Ne pas bouger les disques de la colonne de droite.",
                  QString::fromUtf8("Elle sert de modèle pour montrer quelle"),
                  "colonne de disques il faut reproduire.", 1, MessageOk);
      CountError();
      return;
    case Press::Blocked:
      ShowMessage(this, "A T T E N T I O N ", "Ce disque ne peut pas bouger ...", QString::fromUtf8("... car il est bloqué par le(s)"),
                  QString::fromUtf8("disque(s) empilé(s) au-dessus de lui."), 1, MessageOk);
      CountError();
      return;
    case Press::Drag:
      StartDrag();
      mouse.mode = Dragging;
      return;
  }
}

void TMainWindowSuite::StartDrag() {
  const CaseDisque& picked = *board_.picked;
  // The copy shows the slot empty, to wipe the moving disc with; the window
  // still shows the disc where it was taken.
  DrawBoth([&](TDC& dc) { DrawSlots(dc, board_); });
  DrawSlot(MemDC(), picked, kEmpty);
  markedAt_ = QPoint(picked.left, picked.top);
  MarkDisc(picked.kind, markedAt_);
}

void TMainWindowSuite::Follow(QPoint p) {
  if (!board_.Dragging()) return;
  WipeDisc(markedAt_);
  // The disc follows the pointer but stays whole inside the board.
  const QRect area = DrawingArea();
  const QPoint at = p - board_.offset;
  markedAt_ = QPoint(std::clamp(at.x(), 0, std::max(0, area.width() - kDiscWidth)),
                     std::clamp(at.y(), 0, std::max(0, area.height() - kDiscHeight)));
  MarkDisc(board_.picked->kind, markedAt_);
}

void TMainWindowSuite::CancelDrag() {
  if (!board_.Dragging()) return;
  board_.Cancel();
  WipeDisc(markedAt_);
  RedrawSlots();
}

void TMainWindowSuite::RedrawSlots() {
  DrawBoth([&](TDC& dc) { DrawSlots(dc, board_); });
}

void TMainWindowSuite::CountError() {
  ++jeu_.errors;
  SetSecondField(jeu_.errors, " erreur(s)");
}

void TMainWindowSuite::Refuse() {
  WipeDisc(markedAt_);
  RedrawSlots();
  CountError();
}

void TMainWindowSuite::LetGo(QPoint p) {
  const Drop outcome = board_.Release(p);
  switch (outcome) {
    case Drop::None:
      return;
    case Drop::Outside:
      WipeDisc(markedAt_);
      RedrawSlots();
      return;
    case Drop::Home:
      ShowMessage(this, "O  U  I ,  H  E  U  !   B E N   A L O R S  !", QString::fromUtf8("Voilà un drôle de mouvement qui ressemble"),
                  QString::fromUtf8("à un retour à la case départ ?"), 4, MessageOk);
      Refuse();
      return;
    case Drop::OntoDisc:
      ShowMessage(this, "O  H  !  N O N   A L O R S !", "Tu ne peux faire ce mouvement.",
                  "Ce serait trop facile. Il est interdit", "de permuter deux disques entre eux.", 2, MessageOk);
      Refuse();
      return;
    case Drop::OntoExample:
      ShowMessage(this, "O  H  !  N O N   A L O R S !", "Tu ne peux faire ce mouvement.",
                  "Il ne faut pas modifier la colonne", "de disques qui sert d'exemple.", 1, MessageOk);
      Refuse();
      return;
    case Drop::OwnColumn:
      Refuse();
      return;
    case Drop::Moved:
    case Drop::Won:
      jeu_.phase = PhaseInProgress;
      WipeDisc(markedAt_);
      RedrawSlots();
      ++jeu_.moves;
      SetMessageField(jeu_.moves, jeu_.moves == 1 ? "glissé" : "glissés");
      SetSecondField(jeu_.errors, " erreur(s)");
      if (outcome == Drop::Won) {
        ShowMessage(this, "B  R  A  V  O ,  C ' E S T   G A G N E !", "Tu as bien reproduit la colonne exemple !", 2,
                    MessageOk);
        jeu_.phase = PhaseFinished;
      }
      return;
  }
}

}  // namespace torreta
