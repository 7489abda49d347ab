#include "GigogneWindow.h"

#include "Random.h"
#include "RestartDialogs.h"
#include "Services.h"
#include "TFourcheWindow.h"

namespace gigogne {

TMainWindowSuite::TMainWindowSuite() : TOneLevelChain<TMemDCWindowSuite>(Config()) {
  Random::Seed(static_cast<unsigned>(Services::NowSeconds()));
  monde_.drawIndex = [] { return Random::Draw(kDeadEndTexts); };
  monde_.chestsCounted = [this](int k) { SetMessageField(ChestStatus(k).toUtf8().constData()); };
  root_ = static_cast<TSys_Solaire*>(monde_.NewPlace(this, Plan()));
  OnCommandPair(Config().restart, [this] { Restart(); });
  SetGameObjects(&jeu_, &ecran_);
}

void TMainWindowSuite::ResetGame() {
  jeu_.phase = PhaseInProgress;
  // The solar system is carried only where the child sees the game's window.
  root_->SetRoom(DrawingArea());
  monde_.PutHome();
  SetMessageField("Cherche le trésor !");
}

void TMainWindowSuite::Restart() {
  if (jeu_.phase != PhaseFinished) {
    if (root_->geometry() == QRect(Plan().home, kHomeSize)) {
      NoticeNothingToRestart(*this);
      return;
    }
    if (!ConfirmRestart(*this)) return;
  }
  ResetGame();
}

}  // namespace gigogne
