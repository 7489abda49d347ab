#pragma once
#include <QPoint>

class TDC;
class TMemoryDC;

// The board screen: the game's entry point for mouse events and for drawing
// whole screens. Games derive their own.
class Ecran {
public:
  virtual ~Ecran() = default;
  virtual void LButtonDown() {}
  virtual void LButtonUp() {}
  virtual void RButtonDown() {}
  virtual void RButtonUp() {}
  virtual void MouseMove() {}
  virtual void Reset() {}
  // Clears the screen, draws the board's frame and every cell and writes the
  // level name, on the window and on the off-screen copy.
  virtual void DrawAll() {}
};

// A rectangle of the board with a picture. The hit test is strict: the border
// pixels belong to no cell.
class Case {
public:
  virtual ~Case() = default;
  int width = 0, height = 0, left = 0, top = 0;
  int picture = 0;
  TMemoryDC* lastDrawn = nullptr;

  void Place(int w, int h, int x, int y) { width = w; height = h; left = x; top = y; }
  bool Contains(QPoint p) const { return left < p.x() && p.x() < left + width && top < p.y() && p.y() < top + height; }
  // Draws picture `index` of the game window in the cell, on `dc` only.
  void DrawPicture(TDC& dc, int index);
  // Draws picture `index` on the window and on the off-screen copy.
  void DrawPicture(int index);
};

// Mouse translators: a small mouse-mode machine for the games that use one.
class TraMouseLeftButton;
class TraMouseMove;

class TraMouseEvent {
public:
  virtual ~TraMouseEvent() = default;
  int mode = 1;   // the game's own mouse mode; 1 is at rest
  int under = 0;  // what lies under the pointer, where the game needs it
  TraMouseLeftButton* left = nullptr;
  TraMouseMove* move = nullptr;

  void LButtonDown();
  void LButtonUp();
  void MouseMove();
  virtual void RButtonDown() {}
  virtual void RButtonUp() {}
  void Reset() { mode = 1; under = 0; }
};

class TraMouseLeftButton {
public:
  virtual ~TraMouseLeftButton() = default;
  virtual void Down(TraMouseEvent& event) {}
  virtual void Up(TraMouseEvent& event) {}
};

class TraMouseMove {
public:
  virtual ~TraMouseMove() = default;
  virtual void Move(TraMouseEvent& event) {}
};
