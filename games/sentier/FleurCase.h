#pragma once

namespace sentier {

// The flowers sown while building (at most five) and picked while walking.
struct FleurCase {
  static constexpr int kCount = 5;
  int flowersPlaced = 0;
  int flowersPicked = 0;
};

}  // namespace sentier
