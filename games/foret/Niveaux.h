#pragma once
#include <algorithm>
#include <array>

namespace foret {

// The size of the forest at each level: rows are three quarters of the
// columns, rounded down.
struct Niveau {
  int columns, rows;
};
inline constexpr std::array<Niveau, 4> kNiveaux{{{9, 6}, {12, 9}, {15, 11}, {18, 13}}};

// The size at `level`, the nearest level's outside the table.
constexpr Niveau NiveauOf(int level) { return kNiveaux[std::clamp(level, 0, static_cast<int>(kNiveaux.size()) - 1)]; }

}  // namespace foret
