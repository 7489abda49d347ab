#include "Plume.h"

#include <algorithm>
#include <cmath>

namespace plumeta {
namespace {
constexpr float kPi = 3.1416f;     // the angle's degrees are taken with this value of pi
constexpr float kTiny = 1e-12f;    // keeps a vertical stroke's slope finite
constexpr float kStep = 0.125f;    // the share of the way the nib goes at each move
}  // namespace

int Plume::Width(float dx, float dy) {
  const float slope = dy / (std::fabs(dx) + kTiny);
  const float angle = std::atan(slope) * 180.0f / kPi + 90.0f;
  return std::max(2, static_cast<int>(std::sqrt(std::max(angle, 0.0f))));
}

Plume::Ink Plume::Move(QPoint pointer) {
  const float px = static_cast<float>(pointer.x()), py = static_cast<float>(pointer.y());
  if (!down_) {
    down_ = true;
    x_ = px;
    y_ = py;
    return {Mark::Dot, pointer, pointer, 1};
  }
  const float dx = px - x_, dy = py - y_;
  const float nx = x_ + dx * kStep, ny = y_ + dy * kStep;
  const Ink ink{Mark::Line, QPoint(static_cast<int>(x_), static_cast<int>(y_)),
                QPoint(static_cast<int>(nx), static_cast<int>(ny)), Width(dx, dy)};
  x_ = nx;
  y_ = ny;
  return ink;
}

}  // namespace plumeta
