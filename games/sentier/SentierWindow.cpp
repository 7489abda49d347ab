#include "SentierWindow.h"

#include "Niveaux.h"
#include "ShowMessage.h"

namespace sentier {
namespace {
// The modes with a button, in the order of their commands.
constexpr Mode kModes[] = {Mode::Girl, Mode::Hut, Mode::Flowers, Mode::Wolves, Mode::Path, Mode::Walk, Mode::Hunt};
}  // namespace

int ModeCommand(Mode m) {
  for (int k = 0; k < 7; ++k)
    if (kModes[k] == m) return cmd::Girl + 10 * k;
  return 0;
}

const char* ModeName(Mode m) {
  switch (m) {
    case Mode::None: return "Bienvenue dans sentier";
    case Mode::Girl: return "Placer Capucinen Rouge";
    case Mode::Hut: return "Construire une cabane";
    case Mode::Flowers: return "Semer cinq fleurs";
    case Mode::Wolves: return "Placer cinq loups";
    case Mode::Path: return "Tracer le chemin";
    case Mode::Walk: return "Cheminer dans la forêt";
    case Mode::Hunt: return "Chasser le loup";
    case Mode::Won: return "Bravo : Dans cabane";
  }
  return "";
}

void JeuANNivSuite::FollowMode() {
  const Mode m = CurrentMode();
  phase = m == Mode::None ? PhaseNotStarted : m == Mode::Won ? PhaseFinished : PhaseInProgress;
}

void JeuANNivSuite::NoticeFinished(TWindow& window) {
  ShowMessage(&window, "L A   P A R T I E   E S T   F I N I E  !", "Clique dans la barre de boutons",
              "pour en faire une autre.", 3, MessageOk);
}

void JeuANNivSuite::NoticeFinishedKey(TWindow& window) {
  ShowMessage(&window, "L A   P A R T I E   E S T   F I N I E !", "Clique dans la barre de boutons",
              "pour en faire une autre", 3, MessageOk);
}

TMainWindowSuite::TMainWindowSuite() : TNLevelChain<TMemDCWindowSuite>(Config()) {
  labyrinthe_.redraw = [this](foret::CaseForet& cell) { ecran_.DrawCell(cell); };
  for (Mode m : kModes) OnCommand(ModeCommand(m), [this, m] { EnterMode(m); });
  SetGameObjects(&jeu_, &ecran_);
}

void TMainWindowSuite::ApplyLevel() { ShowLevelName(*this); }

void TMainWindowSuite::ResetGame() {
  const foret::Niveau n = foret::NiveauOf(jeu_.level);
  const QRect area = DrawingArea();
  labyrinthe_.NewGame(n.rows, n.columns, area.width(), area.height());
  jeu_.Reset();
  jeu_.FollowMode();
  ReleaseButtons(cmd::kModeGroup);
  SetSecondField(0, "fleur(s)");
  if (welcomed_) {
    SetMessageField(0, "loup(s)");
  } else {
    SetMessageField(ModeName(Mode::None));
    welcomed_ = true;
  }
}

void TMainWindowSuite::EnterMode(Mode m) {
  if (jeu_.CurrentMode() == Mode::Won) {
    ReleaseButtons(cmd::kModeGroup);
    jeu_.NoticeFinished(*this);
    return;
  }
  // A menu item shows the mode's button pressed, as a click does; pressing it
  // lets the other six up.
  PressButton(ModeCommand(m));
  const Demande demande = labyrinthe_.Ask(m);
  if (demande == Demande::Confirm) {
    if (ShowMessage(this, "A  T  T  E  N  T  I  O  N", QString::fromUtf8("Le labyrinthe est-il bien terminé ?"), 4,
                    MessageYesNo) != AnswerYes) {
      ReleaseButtons(cmd::kModeGroup);
      return;
    }
    labyrinthe_.Confirm(m);
  } else if (demande != Demande::Entered) {
    ecran_.Refuse(demande, m);
    ReleaseButtons(cmd::kModeGroup);
    return;
  }
  jeu_.FollowMode();
  SetMessageField(ModeName(m));
}

}  // namespace sentier
