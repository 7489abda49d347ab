#pragma once
#include "CaseForet.h"

namespace sentier {

// Where the hut stands, once it is built.
struct CabaneCase {
  foret::CaseForet* cell = nullptr;
  bool Placed() const { return cell != nullptr; }
};

}  // namespace sentier
