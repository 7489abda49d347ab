#include "GameWindow.h"

#include "AppCumMenu.h"
#include "ControlBar.h"
#include "DecoratedFrame.h"
#include "Ecran.h"
#include "GameState.h"
#include "Globals.h"
#include "Help.h"
#include "Services.h"
#include "ShowMessage.h"

TGameWindow::TGameWindow(const GameConfig& config) : config_(config) {}

TGameWindow::~TGameWindow() = default;

void TGameWindow::DrawBoth(const std::function<void(TDC&)>& draw) {
  TClientDC screen(*this);
  draw(screen);
  draw(MemDC());
}

void TGameWindow::ClearScreen() {
  const Services::ScreenMetrics screen = Services::Screen();
  DrawBoth([&](TDC& dc) { dc.PatBlt(0, 0, screen.width, screen.height, WHITENESS); });
}

const TFont& TGameWindow::SharedFont() const {
  static const TFont fallback = TMyAppCumMenu::MakeSharedFont();
  return gApp ? gApp->SharedFont() : fallback;
}

void TGameWindow::NewGame() {
  if (jeu_) jeu_->phase = PhaseNotStarted;
  ClearScreen();
  ResetGame();
  if (ecran_) ecran_->DrawAll();
}

namespace {
TControlBar* ButtonBarOf(const QWidget& w) {
  const auto* frame = dynamic_cast<const TDecoratedFrame*>(w.window());
  return frame ? frame->ControlBar() : nullptr;
}
}  // namespace

void TGameWindow::PressButton(int command) {
  if (TControlBar* bar = ButtonBarOf(*this)) bar->Press(command);
}

void TGameWindow::ReleaseButtons(int group) {
  if (TControlBar* bar = ButtonBarOf(*this)) bar->ReleaseGroup(group);
}

bool TGameWindow::ButtonPressed(int command) const {
  const TControlBar* bar = ButtonBarOf(*this);
  return bar && bar->IsPressed(command);
}

void TGameWindow::Quit() {
  if (QWidget* frame = window(); frame != this) frame->close();
}

bool TGameWindow::AskQuit() {
  const int answer = ShowMessage(this, "A  T  T  E  N  T  I  O  N", config_.quitQuestion, 4, MessageYesNo);
  if (answer != AnswerYes && answer != 6) return false;
  WinHelp(this, QStringLiteral("Tavreno.HLP"), HELP_QUIT);
  return true;
}

void TGameWindow::Help() { WinHelp(this, config_.helpFile, HELP_CONTENTS); }

void TGameWindow::About() {
  QString text;
  text += QStringLiteral("______________________________________\n");
  text += QStringLiteral("Tavreno, jeux éducatifs libres\n");
  text += QStringLiteral("______________________________________\n");
  text += QStringLiteral("Des jeux pour apprendre à raisonner,\n");
  text += QStringLiteral("à s'orienter et à bien observer.\n");
  text += QStringLiteral("Pour les enfants de l'école primaire.\n");
  text += QStringLiteral("_______________\n");
  text += QStringLiteral("Programmation : l'équipe Tavreno\n");
  text += QStringLiteral("Version ") + QStringLiteral(TAVRENO_VERSION) + '\n';
  Services::InformationBox(this, QStringLiteral("J E U X   E D U C A T I F S   K. Z. U."), text.left(1200));
}
