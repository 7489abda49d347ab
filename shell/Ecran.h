#pragma once
#include "Direction.h"

#include <QPoint>

// The board screen: the one door through which a game receives its input, each
// event with its data, and the place that draws whole screens. The presses and
// the arrow keys reach it through the game state's phase gate; releases and
// moves always do. Games derive their own, handed their window by reference.
class Ecran {
public:
  virtual ~Ecran() = default;
  virtual void LButtonDown(QPoint) {}
  virtual void LButtonUp(QPoint) {}
  virtual void RButtonDown(QPoint) {}
  virtual void RButtonUp(QPoint) {}
  // A move, with the buttons and modifier keys held (MK_ flags).
  virtual void MouseMove(QPoint, unsigned /*flags*/) {}
  // An arrow key released, in the games whose config takes arrow keys.
  virtual void Arrow(Direction) {}
  // Any other key released but a modifier, in the games whose config takes them.
  virtual void Key(int /*key*/) {}
  virtual void Reset() {}
  // Clears the screen, draws the board's frame and every cell and writes the
  // level name, on the window and on the off-screen copy.
  virtual void DrawAll() {}
};
