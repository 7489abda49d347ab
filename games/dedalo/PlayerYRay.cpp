#include "PlayerYRay.h"
#include "RayGeometry.h"

#include <algorithm>
#include <cstdlib>

namespace dedalo {
using namespace ray;

void PlayerYRay::SetExponent(int s) {
  // From 4 (texture coordinates shift by s - 2) to 12 (N * N stays well within an int).
  s = std::clamp(s, 4, 12);
  s_ = s;
  n_ = 1 << s;
}

PlayerYRay::Texels PlayerYRay::TexelsOf(const Textures& textures) {
  Texels t{};
  for (int k = 0; k < 6; ++k) {
    const QImage& picture = textures.Picture(static_cast<Surface>(k));
    t.bits[k] = reinterpret_cast<const QRgb*>(picture.constBits());
    t.stride[k] = picture.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    t.width[k] = picture.width();
    t.height[k] = picture.height();
  }
  return t;
}

PlayerYRay::Hit PlayerYRay::Trace(int i, int j, const Player& player, const Textures& textures) const {
  return TraceWith(i, j, SlopesOf(i, j), player, TexelsOf(textures));
}

PlayerYRay::Slopes PlayerYRay::SlopesOf(int i, int j) const {
  // The middle row and column have no floor, ceiling or side exit.
  const int n = n_, aj = std::abs(j), ai = std::abs(i);
  return {j != 0 ? (n * n) / aj : 0, j != 0 ? (i * n) / aj : 0, i != 0 ? (n * n) / ai : 0,
          i != 0 ? (j * n) / ai : 0};
}

PlayerYRay::Hit PlayerYRay::TraceWith(int i, int j, const Slopes& slopes, const Player& player,
                                      const Texels& texels) const {
  const int s = s_;
  const int face = player.facing;
  const int fx = kForward[face][0], fy = kForward[face][1];
  const int rx = kRight[face][0], ry = kRight[face][1];
  const int side = j > 0 ? 1 : -1;
  const int sideCompass = j > 0 ? (face + 3) % 4 : (face + 1) % 4;
  const auto [sideForward, sideUp, vertForward, vertSide] = slopes;

  const long long ex = static_cast<long long>(player.px) << s, ey = static_cast<long long>(player.py) << s;
  long long f = ex * fx + ey * fy, r = ex * rx + ey * ry, z = 0;
  const Piece* room = player.room;
  Surface surface = Floor;
  for (int guard = 0; room && guard < 4 * kMaxRooms; ++guard) {
    const long long ahead = Far(*room, fx, fy) - f;
    long long travel = ahead, dr = (ahead * j) >> s, dz = (ahead * i) >> s;
    int exitCompass = face;
    if (j != 0) {
      const long long across = side > 0 ? Far(*room, rx, ry) - r : r + Far(*room, -rx, -ry);
      const long long toSide = (across * sideForward) >> s;
      if (toSide <= ahead) {  // at an exact corner, the side wall
        travel = toSide;
        dr = side * across;
        dz = (across * sideUp) >> s;
        exitCompass = sideCompass;
      }
    }
    const long long zc = z + dz;
    if (zc < room->ceiling && zc > room->floor) {
      f += travel;
      r += dr;
      z = zc;
      if (const Piece* next = room->link[exitCompass]) {
        room = next;
        continue;
      }
      surface = static_cast<Surface>(exitCompass);  // the wall on that side of the room
      break;
    }
    // The ray meets the ceiling or the floor before any wall.
    const long long rise = i > 0 ? room->ceiling - z : z - room->floor;
    f += (rise * vertForward) >> s;
    r += (rise * vertSide) >> s;
    z = i > 0 ? room->ceiling : room->floor;
    surface = i > 0 ? Ceiling : Floor;
    break;
  }
  const long long X = f * fx + r * rx, Y = f * fy + r * ry;
  return {surface, X, Y, z, Sample(texels, surface, X, Y, z, s)};
}

QRect PlayerYRay::Area(QSize size) const {
  const int N = n_, bottom = std::max(size.height() - 3, 2 * N - 1);
  return QRect(2, bottom - 2 * N + 1, 2 * N, 2 * N).intersected(QRect(QPoint(0, 0), size));
}

}  // namespace dedalo
