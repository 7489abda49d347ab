#include "ToAfi2D.h"

#include "Random.h"

#include <algorithm>

namespace rempart {

bool DefenderInPattern(int k) {
  static constexpr int kDefenders[] = {0, 2, 5, 9, 12, 16, 21, 25, 30, 36, 41, 47, 54};
  return std::find(std::begin(kDefenders), std::end(kDefenders), k) != std::end(kDefenders);
}

ToAfi2D::ToAfi2D() : cells_(kMaxRows * kMaxColumns) {
  for (int r = 0; r < kMaxRows; ++r)
    for (int c = 0; c < kMaxColumns; ++c) {
      Cell(r, c).row = r;
      Cell(r, c).column = c;
    }
}

void ToAfi2D::LayDefenders(int level, int offset) {
  rows_ = std::clamp(level, 0, kMaxRows - 2) + 2;
  columns_ = 2 * rows_ + 1;
  offset_ = offset;
  goal_.ballIn = false;
  for (int r = 0; r < rows_; ++r)
    for (int c = 0; c < columns_; ++c)
      Cell(r, c).kind = DefenderInPattern((c + r * columns_ + offset) % kPatterns) ? Kind::Defender : Kind::Grass;
  OpenGoalMouth();
}

void ToAfi2D::OpenGoalMouth() {
  if (IsDefender(Cell(0, rows_ - 1).kind) && IsDefender(Cell(0, rows_).kind) && IsDefender(Cell(0, rows_ + 1).kind)) {
    Cell(0, rows_ - 1).kind = Kind::Grass;
    Cell(0, rows_ + 1).kind = Kind::Grass;
  }
}

void ToAfi2D::MakeRoom() {
  const int row = attacker_.row, column = attacker_.column;
  if (row == 0 || !IsDefender(Cell(row - 1, column).kind) || !Blocked(row, column - 1) || !Blocked(row, column + 1))
    return;
  for (int c : {column - 1, column + 1})
    if (c >= 0 && c < columns_) Cell(row, c).kind = Kind::Grass;
}

bool ToAfi2D::Blocked(int row, int column) const {
  return column < 0 || column >= columns_ || IsDefender(Cell(row, column).kind);
}

void ToAfi2D::NewGame(int level) {
  LayDefenders(level, Random::Draw(kPatterns));
  // Every bottom row of the pattern has grass, so the draw ends.
  int column = 0;
  do column = Random::Draw(columns_);
  while (Blocked(rows_ - 1, column));
  PlaceAttacker(rows_ - 1, column);
  MakeRoom();
}

void ToAfi2D::PlaceAttacker(int row, int column) {
  attacker_.row = attacker_.startRow = row;
  attacker_.column = attacker_.startColumn = column;
  attacker_.ball = true;
}

void ToAfi2D::Load(const std::vector<std::string>& rows) {
  rows_ = std::clamp(static_cast<int>(rows.size()), 2, kMaxRows);
  columns_ = 2 * rows_ + 1;
  goal_.ballIn = false;
  for (int r = 0; r < rows_; ++r)
    for (int c = 0; c < columns_; ++c) {
      const char ch = r < static_cast<int>(rows.size()) && c < static_cast<int>(rows[r].size()) ? rows[r][c] : '.';
      Kind& kind = Cell(r, c).kind;
      kind = ch == 'X' ? Kind::Defender : ch == 'x' ? Kind::DefenderWithBall : ch == '*' ? Kind::Trail : Kind::Grass;
      if (ch == 'A' || ch == 'a') {
        PlaceAttacker(r, c);
        attacker_.ball = ch == 'A';
      }
    }
}

int ToAfi2D::Place(int width) {
  const int pitch = kCellWidth * columns_;
  // The pitch, the stack and the right edge are three equal margins apart; a
  // pitch too wide for the area starts at its left edge.
  margin_ = std::max(0, (width - pitch - 29) / 3);
  goal_.Place(But::kWidth, But::kHeight, margin_ + pitch / 2 - But::kWidth / 2, 0);
  for (int r = 0; r < rows_; ++r)
    for (int c = 0; c < columns_; ++c)
      Cell(r, c).Place(kCellWidth, kCellHeight, margin_ + kCellWidth * c, But::kHeight + kCellHeight * r);
  return margin_;
}

Outcome ToAfi2D::Step(Action a) {
  int r = attacker_.row, c = attacker_.column;
  switch (a) {
    case Action::Up:
      if (r == 0) {
        if (!InMouth(c)) return Outcome::GoalLine;
        goal_.ballIn = true;
        attacker_.ball = false;
        return Outcome::Goal;
      }
      --r;
      break;
    case Action::Back:
      if (r == rows_ - 1) return Outcome::Centre;
      ++r;
      break;
    case Action::Right:
      if (c == columns_ - 1) return Outcome::RightEdge;
      ++c;
      break;
    case Action::Left:
      if (c == 0) return Outcome::LeftEdge;
      --c;
      break;
    case Action::None:
      return Outcome::Moved;
  }
  CaseTerrain& target = Cell(r, c);
  if (IsDefender(target.kind)) {
    // The attacker stays where it was, and the defender shows the ball.
    attacker_.ball = false;
    target.kind = Kind::DefenderWithBall;
    return Outcome::Tackled;
  }
  Cell(attacker_.row, attacker_.column).kind = Kind::Trail;
  attacker_.row = r;
  attacker_.column = c;
  return Outcome::Moved;
}

void ToAfi2D::Replay() {
  for (int r = 0; r < rows_; ++r)
    for (int c = 0; c < columns_; ++c) {
      Kind& kind = Cell(r, c).kind;
      if (kind == Kind::Trail) kind = Kind::Grass;
      if (kind == Kind::DefenderWithBall) kind = Kind::Defender;
    }
  PlaceAttacker(attacker_.startRow, attacker_.startColumn);
  goal_.ballIn = false;
}

}  // namespace rempart
