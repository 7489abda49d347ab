#pragma once
#include "Poignee.h"

#include <QPoint>
#include <array>
#include <functional>

namespace orpello {

// The stack of every handle that answers the mouse ("tableau de pointeurs de poignées").
class TabpPoignee {
public:
  static constexpr int kCapacity = 400;

  // Appends `handle`; returns its index, or kCapacity when the stack is full
  // (then `overflow` is told, with its text and caption).
  int PousseCe_pPoigneeInTaPile(Poignee* handle);
  // The index of the first handle whose box holds `p`, or Count() when none does.
  int Find(QPoint p) const;
  Poignee* At(int index) const { return index >= 0 && index < count_ ? handles_[static_cast<size_t>(index)] : nullptr; }
  int Count() const { return count_; }

  std::function<void(const char* text, const char* caption)> overflow;

private:
  std::array<Poignee*, kCapacity> handles_{};
  int count_ = 0;
};

}  // namespace orpello
