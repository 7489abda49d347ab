#pragma once
#include "Case.h"

namespace foret {

// What a cell of the forest holds.
enum class Kind { Forest, Hut, Letters, Wolf, Child, ChildAtHome, Path, Flower };

constexpr int kCellSize = 29;

// A cell of the forest board: its place in the grid and what it holds.
class CaseForet : public Case {
public:
  int row = 0, column = 0;
  Kind kind = Kind::Forest;
};

}  // namespace foret
