#pragma once
#include "CaseTerrain.h"
#include "ToAfi2D.h"

#include <array>

namespace rempart {

// A slot of the stack: its action, and whether the run has done it (its arrow
// then shows greyed).
class PileCase : public Case {
public:
  Action action = Action::None;
  bool done = false;
  int Picture() const;
};

// The stack of programmed moves (Pile: stack, 1D: one column, Vert: upright),
// first move at the top.
class Pile1DVert {
public:
  static constexpr int kSlots = 14;
  static constexpr int kSlotSize = 29;

  // Adds `a` after the last move; false when the stack is full.
  bool Push(Action a);
  // Removes the last move; false when the stack is empty.
  bool Pop();
  void Clear();
  // Lays the slots in a column at `x`, from the top.
  void Place(int x);

  int Count() const { return count_; }
  PileCase& Slot(int i) { return slots_[static_cast<size_t>(i)]; }
  const PileCase& Slot(int i) const { return slots_[static_cast<size_t>(i)]; }

private:
  std::array<PileCase, kSlots> slots_;
  int count_ = 0;
};

}  // namespace rempart
