#include "GameState.h"

#include "Board.h"
#include "GameWindow.h"
#include "Globals.h"
#include "ShowMessage.h"

void JeuBase::LButtonDown(Ecran& ecran) {
  if (phase == PhaseFinished) {
    NoticeFinished();
    return;
  }
  ecran.LButtonDown();
}

void JeuBase::NoticeFinished() {
  ShowMessage(gGameWindow, "C E T T E   P A R T I E   E S T   T E R M I N E E !", "Pour en refaire une, ",
              "clique dans la barre de boutons.", 3, MessageOk);
}

void JeuBase::LButtonUp(Ecran& ecran) { ecran.LButtonUp(); }
void JeuBase::RButtonDown(Ecran& ecran) { ecran.RButtonDown(); }
void JeuBase::RButtonUp(Ecran& ecran) { ecran.RButtonUp(); }

void JeuANNiv::Reset() {
  score = 0;
  counter = 1;
  phase = PhaseNotStarted;
}
