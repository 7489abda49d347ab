#include "TabpPoignee.h"

namespace orpello {

int TabpPoignee::PousseCe_pPoigneeInTaPile(Poignee* handle) {
  if (count_ >= kCapacity) {
    if (overflow) overflow("Dépassement de capacité de la pile", "Dans TabpPoignee::PousseCe_pPoigneeInTaPile");
    return kCapacity;
  }
  handles_[static_cast<size_t>(count_)] = handle;
  return count_++;
}

int TabpPoignee::Find(QPoint p) const {
  for (int i = 0; i < count_; ++i)
    if (handles_[static_cast<size_t>(i)]->Contains(p)) return i;
  return count_;
}

}  // namespace orpello
