#include "Pile1DVert.h"

namespace rempart {

int PileCase::Picture() const {
  switch (action) {
    case Action::Up: return done ? PicUpDone : PicUp;
    case Action::Back: return done ? PicBackDone : PicBack;
    case Action::Right: return done ? PicRightDone : PicRight;
    case Action::Left: return done ? PicLeftDone : PicLeft;
    case Action::None: break;
  }
  return PicEmptySlot;
}

bool Pile1DVert::Push(Action a) {
  if (count_ == kSlots) return false;
  Slot(count_).action = a;
  Slot(count_).done = false;
  ++count_;
  return true;
}

bool Pile1DVert::Pop() {
  if (count_ == 0) return false;
  --count_;
  Slot(count_).action = Action::None;
  Slot(count_).done = false;
  return true;
}

void Pile1DVert::Clear() {
  for (PileCase& slot : slots_) {
    slot.action = Action::None;
    slot.done = false;
  }
  count_ = 0;
}

void Pile1DVert::Place(int x) {
  for (int i = 0; i < kSlots; ++i) Slot(i).Place(kSlotSize, kSlotSize, x, kSlotSize * i);
}

}  // namespace rempart
