#include "GameState.h"

#include "Ecran.h"
#include "ShowMessage.h"

void JeuBase::LButtonDown(TWindow& window, Ecran& ecran, QPoint p) {
  if (phase == PhaseFinished) {
    NoticeFinished(window);
    return;
  }
  ecran.LButtonDown(p);
}

void JeuBase::Arrow(TWindow& window, Ecran& ecran, Direction d) {
  if (phase == PhaseFinished) {
    NoticeFinishedKey(window);
    return;
  }
  ecran.Arrow(d);
}

void JeuBase::Key(TWindow& window, Ecran& ecran, int key) {
  if (phase == PhaseFinished) {
    NoticeFinishedKey(window);
    return;
  }
  ecran.Key(key);
}

void JeuBase::NoticeFinished(TWindow& window) {
  ShowMessage(&window, "C E T T E   P A R T I E   E S T   T E R M I N E E !", "Pour en refaire une, ",
              "clique dans la barre de boutons.", 3, MessageOk);
}

void JeuBase::LButtonUp(Ecran& ecran, QPoint p) { ecran.LButtonUp(p); }
void JeuBase::RButtonDown(Ecran& ecran, QPoint p) { ecran.RButtonDown(p); }
void JeuBase::RButtonUp(Ecran& ecran, QPoint p) { ecran.RButtonUp(p); }

void JeuANNiv::Reset() {
  score = 0;
  counter = 1;
  phase = PhaseNotStarted;
}
