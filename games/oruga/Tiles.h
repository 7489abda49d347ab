#pragma once
#include "Board.h"

namespace oruga {

// What a tile holds.
enum Kind { Body = 6, Grass = 7, Tree = 8, Head = 9, TailUp = 10, TailDown = 11, TailRight = 12, TailLeft = 13, Sweet = 14 };
// Where the head goes: up, down, right, left.
enum Direction { Up = 0, Down = 1, Right = 2, Left = 3 };

constexpr int kTileSize = 29;

// A tile of the board. A tile of the caterpillar knows its neighbours toward
// the head and toward the tail, and the direction in which the head left it.
class Case : public ::Case {
public:
  int direction = Up;
  int row = 0, column = 0;
  Case* towardHead = nullptr;
  Case* towardTail = nullptr;
  int kind = Grass;

  bool IsTail() const { return kind >= TailUp && kind <= TailLeft; }
  // The picture that shows this tile's kind.
  int Picture() const { return kind == Grass ? 6 : kind == Body ? 7 : kind; }
};

// The holders of the head tile and of the tail tile.
struct SnakeHead {
  Case* tile = nullptr;
};
struct SnakeTail {
  Case* tile = nullptr;
};

}  // namespace oruga
