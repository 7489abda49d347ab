#pragma once

class Ecran;

// The phase of a game: not started, in progress, finished.
enum { PhaseNotStarted = 0, PhaseInProgress = 1, PhaseFinished = 2 };

// The game-state object's part that the mouse layers call: a left press on a
// finished game only shows the end-of-game notice; the rest reaches the board.
class JeuBase {
public:
  virtual ~JeuBase() = default;
  int phase = PhaseNotStarted;

  void LButtonDown(Ecran& ecran);
  void LButtonUp(Ecran& ecran);
  // What a left press on a finished game shows; a game may say it its own way.
  virtual void NoticeFinished();
  void RButtonDown(Ecran& ecran);
  void RButtonUp(Ecran& ecran);
};

// Game state of a game with levels.
class JeuANNiv : public JeuBase {
public:
  explicit JeuANNiv(int startLevel) : level(startLevel) {}
  int score = 0;
  int spare = 0;
  int counter = 1;
  int level;

  // A new game: score 0, counter 1, phase 0; the level stays.
  void Reset();
};

// Game state of a one-level game.
class JeuA1Niv : public JeuBase {
public:
  int value = 0;
};
