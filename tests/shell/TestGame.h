#pragma once
// A small stand-in game for the shell's tests: a six-level game whose board is
// one grey square per level, which records what reaches it.
#include "AppCumMenu.h"
#include "Board.h"
#include "GameState.h"
#include "MainWindow.h"

#include <QPoint>
#include <vector>

namespace testgame {

namespace cmd {
enum Commands {
  Quit = 520, QuitMenu = 521, Next = 530, NextMenu = 531, Same = 540, SameMenu = 541,
  Previous = 550, PreviousMenu = 551, Level0 = 560, Help = 680, HelpMenu = 681, About = 670,
  Start = 700,  // puts the game in progress
  Finish = 701, // ends the game
};
}  // namespace cmd

struct Event {
  char what;  // 'D' left down, 'U' left up, 'R' right down, 'r' right up, 'M' move
  QPoint at;
};

class Ecran : public ::Ecran {
public:
  void LButtonDown() override;
  void LButtonUp() override;
  void RButtonDown() override;
  void RButtonUp() override;
  void MouseMove() override;
  void DrawAll() override;
  std::vector<Event> events;
  int drawings = 0;
};

class TMemDCWindowSuite : public TMemDCWindowBase {
public:
  using TMemDCWindowBase::TMemDCWindowBase;
};

class TMainWindowSuite : public TNLevelChain<TMemDCWindowSuite> {
public:
  TMainWindowSuite();
  static const GameConfig& Config();
  void SetupWindow() override;
  void ApplyLevel() override;
  void ResetGame() override;
  JeuANNiv& Jeu() { return jeu_; }
  Ecran& Board() { return ecran_; }
  std::vector<int> keysUp;

protected:
  void EvKeyUp(int key) override { keysUp.push_back(key); }

private:
  JeuANNiv jeu_{0};
  Ecran ecran_;
};

using TMyAppCumMenuSuite = ::TMyAppCumMenuSuite<TMainWindowSuite>;

// The same game with one level and no double-click notice.
class TOneLevelWindow : public TOneLevelChain<TMemDCWindowSuite> {
public:
  TOneLevelWindow();
  static const GameConfig& Config();
  void SetupWindow() override;
  void NewGame() override;
  JeuA1Niv& Jeu() { return jeu_; }
  Ecran& Board() { return ecran_; }

private:
  JeuA1Niv jeu_;
  Ecran ecran_;
};

using TOneLevelApp = ::TMyAppCumMenuSuite<TOneLevelWindow>;

}  // namespace testgame

namespace testgame {
// The picture layer above the memory layers, as two of the games build it.
class TMemDCWindowSuiteFirst : public TMemDCWindow<TGameWindow> {
public:
  using TMemDCWindow<TGameWindow>::TMemDCWindow;
};

class TPicturesAboveWindow : public TNLevelChain<TBitmapWindow<TMemDCWindowSuiteFirst>> {
public:
  TPicturesAboveWindow() : TNLevelChain<TBitmapWindow<TMemDCWindowSuiteFirst>>(TMainWindowSuite::Config()) {}
  static const GameConfig& Config() { return TMainWindowSuite::Config(); }
};

using TPicturesAboveApp = ::TMyAppCumMenuSuite<TPicturesAboveWindow>;
}  // namespace testgame
