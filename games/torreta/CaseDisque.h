#pragma once
#include "Case.h"

namespace torreta {

constexpr int kDiscWidth = 90;
constexpr int kDiscHeight = 30;
constexpr int kKinds = 6;      // discs 0 to 5
constexpr int kEmpty = kKinds;  // the kind, and the picture, of an empty slot

// A slot of a column: its place on the board and what it holds, a disc of
// kind 0 to 5 or nothing.
class CaseDisque : public Case {
public:
  int row = 0, column = 0;
  int kind = kEmpty;
  bool Empty() const { return kind == kEmpty; }
};

}  // namespace torreta
