#pragma once
#include "CaseForet.h"

namespace sentier {

// Where the girl in red stands, once she is placed.
struct CapucinenRougeCase {
  foret::CaseForet* cell = nullptr;
  bool Placed() const { return cell != nullptr; }
};

}  // namespace sentier
