#pragma once

namespace sentier {

// The wolves hidden while building (at most five) and shot while hunting.
struct LoupCase {
  static constexpr int kCount = 5;
  int wolvesPlaced = 0;
  int wolvesHunted = 0;
};

}  // namespace sentier
