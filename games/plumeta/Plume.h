#pragma once
#include <QPoint>

namespace plumeta {

// The broad-nibbed pen. It follows the pointer with a little delay: each move
// with the button down brings the nib one eighth of the way to the pointer, and
// the ink is thick going down the page, thin going up. Its point is kept in
// single precision, as the nib creeps by fractions of a pixel.
class Plume {
public:
  // What a move leaves on the page.
  enum class Mark { Nothing, Dot, Line };
  struct Ink {
    Mark mark = Mark::Nothing;
    QPoint from, to;  // pixel coordinates, truncated
    int width = 0;
  };

  // A move with the button up: the pen leaves the paper.
  void Lift() { down_ = false; }
  // A move with the button down to `pointer`: the first one sets a single
  // pixel under it; each next one draws the nib's way towards it.
  Ink Move(QPoint pointer);

  bool OnPaper() const { return down_; }
  float X() const { return x_; }
  float Y() const { return y_; }

  // The width of ink for a move of (dx, dy): the square root of the stroke's
  // angle in degrees, from 0 straight up the page to 180 straight down, and at
  // least 2.
  static int Width(float dx, float dy);

private:
  bool down_ = false;
  float x_ = 0, y_ = 0;
};

}  // namespace plumeta
