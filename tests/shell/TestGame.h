#pragma once
// A small stand-in game for the shell's tests: a six-level game whose board is
// one grey square per level, which records what reaches it.
#include "AppCumMenu.h"
#include "Ecran.h"
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
  Sleep = 702,  // takes as long as the window's sleepMs says
};
}  // namespace cmd

struct Event {
  char what;  // 'D' left down, 'U' left up, 'R' right down, 'r' right up, 'M' move, 'A' arrow
  QPoint at;
  unsigned flags = 0;                // of a move
  Direction arrow = Direction::Up;  // of an arrow key
};

// The board screen: records every event that reaches it; draws one square.
class EcranTest : public Ecran {
public:
  explicit EcranTest(TGameWindow& window) : w_(window) {}
  void LButtonDown(QPoint p) override { events.push_back({'D', p}); }
  void LButtonUp(QPoint p) override { events.push_back({'U', p}); }
  void RButtonDown(QPoint p) override { events.push_back({'R', p}); }
  void RButtonUp(QPoint p) override { events.push_back({'r', p}); }
  void MouseMove(QPoint p, unsigned flags) override { events.push_back({'M', p, flags}); }
  void Arrow(Direction d) override { events.push_back({'A', {}, 0, d}); }
  void DrawAll() override;
  std::vector<Event> events;
  int drawings = 0;

private:
  TGameWindow& w_;
};

// A game state that words its own notice for a key on a finished game.
class JeuTest : public JeuANNiv {
public:
  JeuTest() : JeuANNiv(0) {}
  void NoticeFinishedKey(TWindow& window) override;
};

class TMemDCWindowSuite : public TMemDCWindowBase {
public:
  using TMemDCWindowBase::TMemDCWindowBase;
};

class TMainWindowSuite : public TNLevelChain<TMemDCWindowSuite> {
public:
  TMainWindowSuite();
  static const GameConfig& Config();
  void ApplyLevel() override;
  void ResetGame() override;
  JeuANNiv& Jeu() { return jeu_; }
  EcranTest& Board() { return ecran_; }
  std::vector<int> keysUp;
  int sleepMs = 0;

protected:
  void EvKeyUp(int key) override {
    keysUp.push_back(key);
    TNLevelChain<TMemDCWindowSuite>::EvKeyUp(key);
  }

private:
  JeuTest jeu_;
  EcranTest ecran_{*this};
};

using TMyAppCumMenuSuite = ::TMyAppCumMenuSuite<TMainWindowSuite>;

// The same game with one level, no double-click notice and no arrow keys.
class TOneLevelWindow : public TOneLevelChain<TMemDCWindowSuite> {
public:
  TOneLevelWindow();
  static const GameConfig& Config();
  JeuA1Niv& Jeu() { return jeu_; }
  EcranTest& Board() { return ecran_; }

private:
  JeuA1Niv jeu_;
  EcranTest ecran_{*this};
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
