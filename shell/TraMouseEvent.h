#pragma once
#include <QPoint>

class TraMouseLeftButton;
class TraMouseMove;

// Mouse translators: a small mouse-mode machine for the games that use one.
// The board screen hands them its events; each goes to the translator in
// charge of it, with its point.
class TraMouseEvent {
public:
  virtual ~TraMouseEvent() = default;
  int mode = 1;   // the game's own mouse mode; 1 is at rest
  int under = 0;  // what lies under the pointer, where the game needs it
  TraMouseLeftButton* left = nullptr;
  TraMouseMove* move = nullptr;

  void LButtonDown(QPoint p);
  void LButtonUp(QPoint p);
  void MouseMove(QPoint p, unsigned flags);
  void Reset() { mode = 1; under = 0; }
};

class TraMouseLeftButton {
public:
  virtual ~TraMouseLeftButton() = default;
  virtual void Down(TraMouseEvent&, QPoint) {}
  virtual void Up(TraMouseEvent&, QPoint) {}
};

class TraMouseMove {
public:
  virtual ~TraMouseMove() = default;
  virtual void Move(TraMouseEvent&, QPoint, unsigned /*flags*/) {}
};
