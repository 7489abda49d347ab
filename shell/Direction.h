#pragma once
#include "Keys.h"

#include <optional>

// The four directions of the arrow keys, in the order the games' tables use.
enum class Direction { Up, Down, Right, Left };

// The direction of an arrow key; none for any other key.
inline std::optional<Direction> ArrowDirection(int key) {
  switch (key) {
    case VK_UP: return Direction::Up;
    case VK_DOWN: return Direction::Down;
    case VK_RIGHT: return Direction::Right;
    case VK_LEFT: return Direction::Left;
    default: return std::nullopt;
  }
}
