#pragma once
#include "Case.h"
#include "Direction.h"

namespace oruga {

// What a tile holds.
enum Kind { Body = 6, Grass = 7, Tree = 8, Head = 9, TailUp = 10, TailDown = 11, TailRight = 12, TailLeft = 13, Sweet = 14 };

constexpr int kTileSize = 29;

// A tile of the board. A tile of the caterpillar knows its neighbours toward
// the head and toward the tail, and the direction in which the head left it.
class Tuile : public Case {
public:
  Direction direction = Direction::Up;
  int row = 0, column = 0;
  Tuile* towardHead = nullptr;
  Tuile* towardTail = nullptr;
  int kind = Grass;

  bool IsTail() const { return kind >= TailUp && kind <= TailLeft; }
  // The picture that shows this tile's kind.
  int Picture() const { return kind == Grass ? 6 : kind == Body ? 7 : kind; }
};

// The holders of the head tile and of the tail tile.
struct SnakeHead {
  Tuile* tile = nullptr;
};
struct SnakeTail {
  Tuile* tile = nullptr;
};

}  // namespace oruga
