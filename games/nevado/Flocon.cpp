#include "Flocon.h"

#include "Random.h"

#include <cmath>
#include <numbers>

namespace nevado {

using motifs::kCell;

void Flocon::NewGame(int level, int width, int height) {
  c_ = Arms(level);
  Lay(width, height);
  source_.offset = 1 + Random::Draw(kMotifs);
  for (int n = 0; n < 2 * c_; ++n) {
    const int entry = source_.offset + n;
    bar_.At(n).picture = source_.Picture(entry <= kMotifs ? entry : entry - kMotifs);
  }
  modelOffset_ = Random::Draw(2 * c_);
  for (int i = 0; i < c_; ++i) {
    Model(i).picture = bar_.At((i + modelOffset_) % (2 * c_)).picture;
    Fill(i).Clear();
  }
  lastFilled_ = -1;
}

namespace {
// The sine and cosine of a quarter turn are a hair off zero; truncated as they
// are, they would set a vertical arm one pixel aside. Noise that small goes.
double Snap(double v) { return std::round(v * 1e6) / 1e6; }
}  // namespace

// The bar down both edges of the area, the flake in its middle, so that every
// cell lies inside the area whatever the screen.
void Flocon::Lay(int width, int height) {
  gap_ = (height - kCell * c_) / (c_ + 1);
  bar_.SetCount(2 * c_);
  for (int r = 0; r < c_; ++r)
    for (int k = 0; k < 2; ++k) bar_.At(2 * r + k).Lay(gap_ / 2 + k * (width - kCell - gap_), gap_ + r * (kCell + gap_));
  centre_ = QPoint(width / 2, height / 2);
  radius_ = static_cast<int>(0.35 * height);
  const int positions = 2 * c_;
  for (int p = 0; p < positions; ++p) {
    const double angle = 2 * std::numbers::pi * p / positions;
    const int x = static_cast<int>(centre_.x() + Snap(radius_ * std::cos(angle)));
    const int y = static_cast<int>(centre_.y() + Snap(radius_ * std::sin(angle)));
    motifs::CaseMotif& cell = p < c_ ? Model(p) : Fill(p - c_);
    cell.column = p < c_ ? p : p - c_;
    cell.Lay(x - 24, y - 24);
  }
}

QLine Flocon::Diameter(int i) const { return QLine(CentreOf(Fill(i)), CentreOf(Model(i))); }

motifs::Zone Flocon::ZoneAt(QPoint p) const {
  for (int i = 0; i < c_; ++i)
    if (Model(i).Contains(p)) return motifs::OnModel;
  for (int i = 0; i < c_; ++i)
    if (Fill(i).Contains(p)) return motifs::OnToFill;
  return bar_.CellAt(p) >= 0 ? motifs::OnBar : motifs::Nothing;
}

Drop Flocon::Release(QPoint p, int barCell) {
  switch (ZoneAt(p)) {
    case motifs::OnModel:
      return Drop::OnModel;
    case motifs::OnBar:
      return Drop::OnBar;
    case motifs::Nothing:
      return Drop::Elsewhere;
    case motifs::OnToFill:
      break;
  }
  int i = 0;
  while (!Fill(i).Contains(p)) ++i;
  Fill(i).picture = bar_.At(barCell).picture;
  lastFilled_ = i;
  bool full = true, right = true;
  for (int j = 0; j < c_; ++j) {
    full = full && Fill(j).picture != motifs::kEmpty;
    right = right && Matches(j);
  }
  if (!full) return Drop::Placed;
  return right ? Drop::Won : Drop::Wrong;
}

}  // namespace nevado
