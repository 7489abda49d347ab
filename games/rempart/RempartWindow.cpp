#include "RempartWindow.h"

#include "LevelMenu.h"
#include "ShowMessage.h"

namespace rempart {
namespace {
// The dialog's pictures.
constexpr int kMinus = 0, kExclamation = 2, kInformation = 3;
const char* const kBoum = "B  O  U  M  !   A ï E ";
}  // namespace

bool EcranSuite::RefuseFinished() {
  if (jeu_.phase != PhaseFinished) return false;
  ShowMessage(&w_, "L A   P A R T I E   E S T   F I N I E !", "Demande une autre partie.",
              "Pour recommencer ce niveau, clique dans le haut", "de la barre de boutons, sur le but de foot.",
              kInformation, MessageOk);
  return true;
}

void EcranSuite::Push(Action a) {
  if (RefuseFinished()) return;
  if (!pile_.Push(a))
    ShowMessage(&w_, "D E S O L E  !", QString::fromUtf8("Tu ne peux ajouter une action supplémentaire"),
                QString::fromUtf8("car la pile des actions à faire est pleine."), kInformation, MessageOk);
  jeu_.phase = PhaseInProgress;
  DrawAll();
}

void EcranSuite::Erase() {
  if (jeu_.phase == PhaseFinished) {
    // The same pitch again, from the start cell, with an empty program.
    jeu_.phase = PhaseInProgress;
    terrain_.Replay();
    pile_.Clear();
  } else if (!pile_.Pop()) {
    ShowMessage(&w_, "D E S O L E  !", "Tu ne peux retirer une action car",
                QString::fromUtf8("la pile des actions à faire est vide."), kInformation, MessageOk);
  }
  DrawAll();
}

void EcranSuite::Execute() {
  if (RefuseFinished()) return;
  if (pile_.Count() == 0) {
    ShowMessage(&w_, "D E S O L E  !  ", "L'attaquant ne peut pas marquer un but ! La pile",
                QString::fromUtf8("qui décrit le trajet à effectuer est vide. Pro-"),
                "gramme-la en cliquant dans la barre des boutons.", kMinus, MessageOk);
    return;
  }
  // Nothing but the run's ticks reaches the game until the run ends.
  running_ = true;
  step_ = 0;
  w_.HoldInput(true);
  RunStep();
  if (running_) w_.SetTimer(kRunTimer, kStepMilliseconds);
}

void EcranSuite::RunStep() {
  if (!running_) return;
  PileCase& slot = pile_.Slot(step_);
  slot.done = true;
  const Outcome outcome = terrain_.Step(slot.action);
  ++step_;
  DrawAll();
  if (outcome != Outcome::Moved || step_ == pile_.Count()) EndRun(outcome);
}

void EcranSuite::EndRun(Outcome outcome) {
  w_.KillTimer(kRunTimer);
  running_ = false;
  w_.HoldInput(false);
  jeu_.phase = PhaseFinished;
  Answer(outcome);
}

void EcranSuite::Answer(Outcome outcome) {
  TWindow* w = &w_;
  const QString boum = QString::fromUtf8(kBoum);
  switch (outcome) {
    case Outcome::Goal:
      ShowMessage(w, "B  U  T  !   B R A V O.", QString::fromUtf8("Félicitations, tu as marqué."), kExclamation,
                  MessageOk);
      break;
    case Outcome::GoalLine:
      ShowMessage(w, boum, "Mouvement impossible car tu", QString::fromUtf8("es arrivé à la ligne de but"),
                  kInformation, MessageOk);
      break;
    case Outcome::Centre:
      ShowMessage(w, boum, "Mouvement impossible car tu", QString::fromUtf8("es arrivé au centre du terrain."),
                  kInformation, MessageOk);
      break;
    case Outcome::RightEdge:
    case Outcome::LeftEdge:
      // The right edge's title has no blank at its end, the left edge's has one.
      ShowMessage(w, outcome == Outcome::RightEdge ? boum.trimmed() : boum, "Mouvement impossible car tu ne",
                  "peux pas franchir la ligne de touche.", kInformation, MessageOk);
      break;
    case Outcome::Tackled:
      ShowMessage(w, "O H   !   A T T E N T I O N   A   L A   D E F E N S E",
                  QString::fromUtf8("Zut, le défenseur vient de te prendre le ballon."), kInformation, MessageOk);
      break;
    case Outcome::Moved:
      break;
  }
}

void EcranSuite::DrawAll() {
  const int width = w_.DrawingArea().width();
  const int margin = terrain_.Place(width);
  pile_.Place(width - margin - Pile1DVert::kSlotSize);
  w_.DrawBoth([this](TDC& dc) { w_.DrawEverything(dc, terrain_, pile_); });
}

TMainWindowSuite::TMainWindowSuite() : TNLevelChain<TMemDCWindowSuite>(Config()) {
  SetGameObjects(&jeu_, &ecran_);
  OnCommandPair({cmd::Execute, cmd::ExecuteMenu}, [this] { ecran_.Execute(); });
  OnCommand(cmd::Up, [this] { ecran_.Push(Action::Up); });
  OnCommand(cmd::Back, [this] { ecran_.Push(Action::Back); });
  OnCommand(cmd::Left, [this] { ecran_.Push(Action::Left); });
  OnCommand(cmd::Right, [this] { ecran_.Push(Action::Right); });
  OnCommand(cmd::Erase, [this] { ecran_.Erase(); });
}

void TMainWindowSuite::ApplyLevel() { ShowLevelName(*this); }

void TMainWindowSuite::ResetGame() {
  jeu_.Reset();
  pile_.Clear();
  terrain_.NewGame(jeu_.level);
}

void TMainWindowSuite::EvTimer(int id) {
  if (id == kRunTimer) ecran_.RunStep();
}

}  // namespace rempart
