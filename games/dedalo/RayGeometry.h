#pragma once
// What the view's two walks share: the facings' vectors, a room's far bounds
// and the texel a hit point shows.
#include "TabpPiece.h"
#include "Textures.h"

#include <QRgb>
#include <algorithm>

namespace dedalo::ray {
// Unit vectors of the four facings, and of the direction to their right.
constexpr int kForward[4][2] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}};
constexpr int kRight[4][2] = {{0, -1}, {1, 0}, {0, 1}, {-1, 0}};

// The texel of a hit point on a surface, with one past the last column or row
// taken as the last.
template <class Texels>
[[gnu::always_inline]] inline QRgb Sample(const Texels& texels, Surface surface, long long X, long long Y, long long Z, int s) {
  long long u = 0, v = 0;
  switch (surface) {
    case NorthWall: u = ((X >> (s - 1)) + 224) & 511; v = 64 - (Z >> (s - 2)); break;
    case SouthWall: u = (224 - (X >> (s - 1))) & 511; v = 64 - (Z >> (s - 2)); break;
    case EastWall: u = 512 - ((Y >> (s - 1)) & 511); v = 64 - (Z >> (s - 2)); break;
    case WestWall: u = (Y >> (s - 1)) & 511; v = 64 - (Z >> (s - 2)); break;
    case Ceiling: u = ((X >> (s - 2)) + 256) & 511; v = (Y >> (s - 2)) & 511; break;
    case Floor: u = ((X >> (s - 2)) + 256) & 511; v = 512 - ((Y >> (s - 2)) & 511); break;
  }
  u = std::clamp<long long>(u, 0, texels.width[surface] - 1);
  v = std::clamp<long long>(v, 0, texels.height[surface] - 1);
  return texels.bits[surface][v * texels.stride[surface] + u];
}

// A room's far bound along an axis given as a unit vector (dx, dy).
inline long long Far(const Piece& room, int dx, int dy) {
  if (dx > 0) return room.east;
  if (dx < 0) return -room.west;
  if (dy > 0) return room.north;
  return -room.south;
}
}  // namespace dedalo::ray
