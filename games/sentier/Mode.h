#pragma once

namespace sentier {

// What the child is doing: nothing yet, one of the five steps of building the
// world, walking or hunting in it, or done (the girl in red is home).
enum class Mode { None, Girl, Hut, Flowers, Wolves, Path, Walk, Hunt, Won };

inline bool IsBuilding(Mode m) { return m >= Mode::Girl && m <= Mode::Path; }
inline bool IsPlaying(Mode m) { return m == Mode::Walk || m == Mode::Hunt; }

}  // namespace sentier
