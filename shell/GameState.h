#pragma once
#include "Direction.h"

#include <QPoint>

class Ecran;
class TWindow;

// The phase of a game: not started, in progress, finished.
enum { PhaseNotStarted = 0, PhaseInProgress = 1, PhaseFinished = 2 };

// The game-state object's part that the window's input layers call: the phase
// gate. A left press or an arrow key on a finished game only shows the
// end-of-game notice; every other event reaches the board screen.
class JeuBase {
public:
  virtual ~JeuBase() = default;
  int phase = PhaseNotStarted;

  void LButtonDown(TWindow& window, Ecran& ecran, QPoint p);
  void LButtonUp(Ecran& ecran, QPoint p);
  void RButtonDown(Ecran& ecran, QPoint p);
  void RButtonUp(Ecran& ecran, QPoint p);
  void Arrow(TWindow& window, Ecran& ecran, Direction d);
  void Key(TWindow& window, Ecran& ecran, int key);

  // What a left press on a finished game shows; a game may say it its own way.
  virtual void NoticeFinished(TWindow& window);
  // What a key on a finished game shows; the press's notice unless the
  // game words its own.
  virtual void NoticeFinishedKey(TWindow& window) { NoticeFinished(window); }
};

// Game state of a game with levels.
class JeuANNiv : public JeuBase {
public:
  explicit JeuANNiv(int startLevel) : level(startLevel) {}
  int score = 0;
  int counter = 1;  // the game's own count, 1 at each new game
  int level;

  // A new game: score 0, counter 1, phase 0; the level stays.
  void Reset();
};

// Game state of a one-level game.
class JeuA1Niv : public JeuBase {
public:
  int value = 0;
};
