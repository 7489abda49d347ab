#pragma once
#include <algorithm>

namespace orpello {

// Snaps a coordinate to the nearest grid line ("repose le clic sur un trait
// horizontal ou vertical"): origin `o`, lines every `pitch`, at most `upper`
// cells from the origin.
struct ReposeLeClicSur1TraitHouV {
  static int Snap(int v, int o, int pitch, int half, int lower, int upper) {
    if (pitch <= 0) return o;
    return o + pitch * std::clamp((v - o + half) / pitch, lower, std::max(lower, upper));
  }
};

}  // namespace orpello
