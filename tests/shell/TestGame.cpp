#include "TestGame.h"

#include "ShowMessage.h"

#include <chrono>
#include <thread>

namespace testgame {

void JeuTest::NoticeFinishedKey(TWindow& window) {
  ShowMessage(&window, "F I N I", "Plus de touches.", 3, MessageOk);
}

void EcranTest::DrawAll() {
  ++drawings;
  const auto* jeu = dynamic_cast<const JeuANNiv*>(w_.Jeu());
  const int level = jeu ? jeu->level : 0;
  w_.DrawBoth([&](TDC& dc) {
    dc.SelectObject(w_.Tools().blackPen);
    dc.SelectObject(w_.Tools().ltGrayBrush);
    dc.Rectangle(100 + 40 * level, 100, 130 + 40 * level, 130);
  });
  ShowLevelName(w_);
}

const GameConfig& TMainWindowSuite::Config() {
  static const GameConfig config = [] {
    GameConfig c;
    c.title = QStringLiteral("T E S T");
    c.helpFile = QStringLiteral("Tavreno.HLP");
    c.pictures = NumberedPictures(6);
    c.levelCount = 6;
    c.startLevel = 0;
    c.arrowKeys = true;
    c.levelPictures = {"BITMAPDebutant", "BITMAPAmateur", "BITMAPNextPro", "BITMAPProfessionnel", "BITMAPExpert",
                       "BITMAPChampion"};
    c.quit = {cmd::Quit, cmd::QuitMenu};
    c.nextLevel = {cmd::Next, cmd::NextMenu};
    c.sameLevel = {cmd::Same, cmd::SameMenu};
    c.previousLevel = {cmd::Previous, cmd::PreviousMenu};
    c.help = {cmd::Help, cmd::HelpMenu};
    c.about = cmd::About;
    c.levelCommands = {560, 565, 570, 575, 580, 585};
    c.buttons = {{"door", cmd::Quit, 3}, {"stepup", cmd::Next, 1}, {"newgame", cmd::Same, 1}, {"stepdown", cmd::Previous, 3},
                 {"help", cmd::Help, 1}};
    c.separatorK = 9;
    c.separatorD = 14;
    c.textMenu = {{cmd::Quit, "&Quitter"}, {cmd::Next, "&Passer au niveau suivant"}, {cmd::Help, "&Aide"}};
    return c;
  }();
  return config;
}

TMainWindowSuite::TMainWindowSuite() : TNLevelChain<TMemDCWindowSuite>(Config()) {
  SetGameObjects(&jeu_, &ecran_);
  OnCommand(cmd::Sleep, [this] { std::this_thread::sleep_for(std::chrono::milliseconds(sleepMs)); });
  OnCommand(cmd::Start, [this] { jeu_.phase = PhaseInProgress; });
  OnCommand(cmd::Finish, [this] { jeu_.phase = PhaseFinished; });
}

void TMainWindowSuite::ApplyLevel() { ShowLevelName(*this); }
void TMainWindowSuite::ResetGame() { jeu_.Reset(); }

const GameConfig& TOneLevelWindow::Config() {
  static const GameConfig config = [] {
    GameConfig c = TMainWindowSuite::Config();
    c.levelCount = 0;
    c.levelCommands.clear();
    c.doubleClickNotice = false;
    c.arrowKeys = false;
    c.quitQuestion = QStringLiteral("Faut-il vraiment quitter ?");
    c.restart = {cmd::Same, cmd::SameMenu};
    c.nextLevel = c.previousLevel = c.sameLevel = {};
    return c;
  }();
  return config;
}

TOneLevelWindow::TOneLevelWindow() : TOneLevelChain<TMemDCWindowSuite>(Config()) {
  SetGameObjects(&jeu_, &ecran_);
  OnCommand(cmd::Start, [this] { jeu_.phase = PhaseInProgress; });
  OnCommand(cmd::Finish, [this] { jeu_.phase = PhaseFinished; });
}

}  // namespace testgame
