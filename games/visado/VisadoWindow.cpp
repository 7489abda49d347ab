#include "VisadoWindow.h"

#include "LevelMenu.h"
#include "ShowMessage.h"

namespace visado {
namespace {
const char* const kAnotherGame = "Pour faire une autre partie, clique sur le tacot";
const char* const kThenStart = "puis clique sur l'éclair pour le faire démarrer.";
}  // namespace

void EcranSuite::Start() {
  switch (course_.Start()) {
    case StartOutcome::Started:
      w_.DrawBoth([&](TDC& dc) { w_.DrawCell(dc, course_.centre); });
      break;
    case StartOutcome::Over:
      ShowMessage(&w_, "P O U R   F A I R E   U N E   A U T R E   P A R T I E ...",
                  "Clique sur le tacot dans la barre de boutons,",
                  QString::fromUtf8("puis sur l'éclair pour le faire démarrer."), 3, MessageOk);
      break;
    case StartOutcome::Ignored:
      break;
  }
}

void EcranSuite::Timer(int id) {
  if (id == kRaceTimer) {
    if (!course_.Tick()) return;
    Step();
    if (course_.Bursting()) w_.SetTimer(kStepTimer, kStepPeriod);
  } else if (id == kStepTimer) {
    Step();
  } else if (id == kLeafTimer) {
    Leaf();
  }
}

// One step: the jalopy's old square whitened, the tree and the jalopy at its
// new place, on both surfaces so that a repaint shows the same.
void EcranSuite::Step() {
  const StepOutcome outcome = course_.Step();
  if (outcome == StepOutcome::Stopped) {
    w_.KillTimer(kStepTimer);
    return;
  }
  w_.DrawBoth([&](TDC& dc) {
    w_.EraseTacot(dc, course_.previousX, course_.tacot.y);
    w_.DrawTree(dc, course_.arbre, 0);
    w_.DrawTacot(dc, course_.tacot);
  });
  if (outcome == StepOutcome::Arrived) {
    w_.KillTimer(kStepTimer);
    Leaf();
    w_.SetTimer(kLeafTimer, kLeafPeriod);
  } else if (!course_.Bursting()) {
    w_.KillTimer(kStepTimer);
  }
}

void EcranSuite::Leaf() {
  const int stage = course_.NextLeaf();
  if (stage >= 0) w_.DrawBoth([&](TDC& dc) { w_.DrawTree(dc, course_.arbre, stage); });
  if (!course_.Falling()) w_.KillTimer(kLeafTimer);
}

void EcranSuite::Reset() {
  w_.KillTimer(kStepTimer);
  w_.KillTimer(kLeafTimer);
}

void EcranSuite::LButtonDown(QPoint p) {
  switch (course_.Press(p)) {
    case PressOutcome::NotStarted:
      ShowMessage(&w_, "P O U R  F A I R E  D E M A R R E R  L E  T A C O T ...",
                  QString::fromUtf8("Clique sur l'éclair jaune situé"), "dans la barre de boutons de contrôle.", 3,
                  MessageOk);
      break;
    case PressOutcome::Gap:
      ShowMessage(&w_, "P O U R   A R R E T E R   L E   T A C O T...",
                  "Clique parmi les motifs horizontaux en haut de", "l'écran, sur celui qui correspond au motif",
                  QString::fromUtf8("placé au centre de l'écran."), 3, MessageOk);
      break;
    case PressOutcome::Wrong: {
      w_.KillTimer(kStepTimer);
      const int answer = course_.row.FirstShowing(course_.centre.picture);
      w_.DrawBoth([&](TDC& dc) {
        if (answer >= 0) w_.DrawAnswer(dc, course_.row.Cell(answer));
        w_.DrawCross(dc, course_.row.Cell(course_.row.lastClick));
      });
      ShowMessage(&w_, "Z U T ,  C ' E S T   R A T E !",
                  QString::fromUtf8("Il fallait cliquer sur la case entourée en rouge."), kAnotherGame,
                  QString::fromUtf8(kThenStart), 1, MessageOk);
      break;
    }
    case PressOutcome::Right:
      w_.KillTimer(kStepTimer);
      ShowMessage(&w_, "B R A V O ,   T U   A S   G A G N E .", kAnotherGame, QString::fromUtf8(kThenStart), 3,
                  MessageOk);
      break;
    case PressOutcome::Over:
      break;
  }
}

void EcranSuite::DrawAll() {
  w_.DrawBoth([&](TDC& dc) {
    for (int i = 0; i < course_.row.Count(); ++i) w_.DrawCell(dc, course_.row.Cell(i));
    w_.DrawTree(dc, course_.arbre, 0);
    w_.DrawTacot(dc, course_.tacot);
    w_.DrawTree(dc, course_.arbre, 0);
    w_.DrawRoad(dc, course_.roadY);
  });
}

TMainWindowSuite::TMainWindowSuite() : TNLevelChain<TMemDCWindowSuite>(Config()) {
  SetGameObjects(&jeu_, &ecran_);
  OnCommandPair({cmd::Start, cmd::StartMenu}, [this] { ecran_.Start(); });
}

TMainWindowSuite::~TMainWindowSuite() {
  KillTimer(kRaceTimer);
  ecran_.Reset();
}

void TMainWindowSuite::SetupWindow() {
  TNLevelChain<TMemDCWindowSuite>::SetupWindow();
  SetTimer(kRaceTimer, kRacePeriod);
}

void TMainWindowSuite::ApplyLevel() { ShowLevelName(*this); }

void TMainWindowSuite::ResetGame() {
  ecran_.Reset();
  jeu_.Reset();
  const QRect area = DrawingArea();
  course_.NewGame(jeu_.level, area.width(), area.height());
}

}  // namespace visado
