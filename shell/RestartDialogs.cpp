#include "RestartDialogs.h"

#include "GameWindow.h"
#include "ShowMessage.h"

void NoticeNothingToRestart(TGameWindow& w) {
  ShowMessage(&w, "I N U T I L E   D E   T O U T   R E C O M M E N C E R", "La partie n'est pas commencée !", 2,
              MessageOk);
}

bool ConfirmRestart(TGameWindow& w) {
  return ShowMessage(&w, "A  T  T  E  N  T  I  O  N", "Veux-tu vraiment tout recommencer ?", 4, MessageYesNo) ==
         AnswerYes;
}
