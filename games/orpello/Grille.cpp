#include "Grille.h"

#include <algorithm>

namespace orpello {

namespace {
// The treasure thresholds a right declaration may pass, in the order their notices show.
constexpr int kThresholds[] = {0, 10, 20, 50, 100, 200, 500};
}  // namespace

Grille::Grille() {
  for (int r = 0; r < kFieldSize; ++r)
    for (int c = 0; c < kFieldSize; ++c) {
      cells_[r][c].row = r;
      cells_[r][c].column = c;
    }
}

void Grille::SetLevel(int level, int width, int height) {
  n_ = kCellsPerSide[static_cast<size_t>(std::clamp(level, 0, kLevels - 1))];
  half_ = height / (2 * n_ + 4);
  pitch_ = 2 * half_;
  x0_ = (width - n_ * pitch_) / 2;
  y0_ = pitch_;
}

QRect Grille::CellRect(int row, int column) const {
  return QRect(x0_ + column * pitch_, y0_ + row * pitch_, pitch_, pitch_);
}

int Grille::ClassOf(int sum) { return std::clamp((sum - 1) / 5, 0, 9); }

void Grille::Generate(const std::function<int()>& next) {
  for (auto& row : cells_)
    for (Carre& cell : row) {
      cell.value = std::max(0, next() % 13 - 3);
      cell.found = 0;
    }
  // Every sum is taken from the raw values before any cell gets its class.
  auto raw = [this](int r, int c) { return cells_[r][c].value; };
  auto block = [&](int r0, int r1, int c0, int c1) {
    int s = 0;
    for (int r = r0; r <= r1; ++r)
      for (int c = c0; c <= c1; ++c) s += raw(r, c);
    return s;
  };
  for (int r = 1; r < n_; ++r)
    for (int c = 1; c < n_; ++c) cells_[r][c].neighbourhoodSum = block(r - 1, r + 1, c - 1, c + 1);
  // Edge cells see six raw values and corner cells four: they are weighted up
  // to compare with the nine of an inner cell.
  for (int r = 1; r < n_; ++r) cells_[r][0].neighbourhoodSum = static_cast<int>(block(r - 1, r + 1, 0, 1) * 1.667);
  for (int c = 1; c < n_; ++c) cells_[0][c].neighbourhoodSum = static_cast<int>(block(0, 1, c - 1, c + 1) * 1.667);
  cells_[0][0].neighbourhoodSum = static_cast<int>(block(0, 1, 0, 1) * 2.25);
  for (int r = 0; r < n_; ++r)
    for (int c = 0; c < n_; ++c) cells_[r][c].value = ClassOf(cells_[r][c].neighbourhoodSum);
}

void Grille::Load(const std::vector<std::string>& rows) {
  for (int r = 0; r < n_ && r < static_cast<int>(rows.size()); ++r)
    for (int c = 0; c < n_ && c < static_cast<int>(rows[r].size()); ++c) {
      cells_[r][c].value = rows[r][c] - '0';
      cells_[r][c].found = 0;
    }
}

std::vector<QPoint> Grille::RevealHints(int level) {
  const int a = n_ / 2 - 1;
  std::vector<QPoint> hints;
  if (level == 0) hints = {QPoint(a + 1, a), QPoint(a, a), QPoint(a + 1, a + 1)};
  if (level == 1) hints = {QPoint(a, a), QPoint(a + 1, a + 1)};
  if (level == 2) hints = {QPoint(a + 1, a + 1)};
  for (QPoint h : hints) cells_[h.y()][h.x()].found = 1;
  return hints;
}

QPoint Grille::CellAt(QPoint p) const {
  if (pitch_ <= 0) return QPoint(0, 0);
  return QPoint(std::clamp((p.x() - x0_) / pitch_, 0, n_ - 1), std::clamp((p.y() - y0_) / pitch_, 0, n_ - 1));
}

Framed Grille::Compute(const Span& span) const {
  Framed f;
  f.value = operation == Multiply ? 1 : 0;
  for (int r = std::max(0, span.firstRow); r < std::min(n_, span.endRow); ++r)
    for (int c = std::max(0, span.firstColumn); c < std::min(n_, span.endColumn); ++c) {
      ++f.cells;
      if (operation == Multiply)
        f.value *= static_cast<std::uint32_t>(cells_[r][c].value);
      else
        f.value += static_cast<std::uint32_t>(cells_[r][c].value);
    }
  return f;
}

Declaration Grille::Declare(QPoint at, int d, int& treasure) {
  Declaration result;
  result.column = at.x();
  result.row = at.y();
  Carre& cell = cells_[at.y()][at.x()];
  if (d != cell.value) {
    treasure -= d;
    result.outcome = Declared::Wrong;
    result.gain = d;
    cell.found = 1;  // its value is shown now: it can no longer be won
    return result;
  }
  if (cell.found) {
    result.outcome = Declared::Cheat;
    return result;
  }
  int gain = std::max(1, d);
  if (operation == Multiply) gain *= gain;
  const int old = treasure;
  treasure += gain;
  for (int t : kThresholds)
    if (old <= t && t < treasure) result.thresholds.push_back(t);
  cell.found = 1;
  result.outcome = Declared::Right;
  result.gain = gain;
  return result;
}

void Grille::RevealAll() {
  for (int r = 0; r < n_; ++r)
    for (int c = 0; c < n_; ++c) cells_[r][c].found = 1;
}

QSize Grille::ChestSize(int t) { return QSize(std::max(14, t * 485 / 286 + 8), std::max(29, t + 26)); }

}  // namespace orpello
