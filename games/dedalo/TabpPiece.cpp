#include "TabpPiece.h"

namespace dedalo {

int CellIndex(int c) {
  if (c >= 0) return c / kCell;
  return c / kCell - 1;
}

void Piece::Scale(int s) {
  west = static_cast<long long>(kCell * x) << s;
  east = static_cast<long long>(kCell * x + kCell) << s;
  south = static_cast<long long>(kCell * y) << s;
  north = static_cast<long long>(kCell * y + kCell) << s;
  ceiling = 16LL << s;
  floor = -(16LL << s);
}

void TabpPiece::Clear() {
  rooms_.clear();
  byCell_.clear();
}

Piece* TabpPiece::At(int x, int y) const {
  const auto it = byCell_.find(Key(x, y));
  return it == byCell_.end() ? nullptr : it->second;
}

bool TabpPiece::CanAdd(int x, int y) const {
  if (Count() >= kMaxRooms || At(x, y)) return false;
  return At(x, y + 1) || At(x, y - 1) || At(x + 1, y) || At(x - 1, y);
}

Piece& TabpPiece::Add(int x, int y) {
  auto room = std::make_unique<Piece>();
  room->x = x;
  room->y = y;
  room->number = Count();
  Piece& added = *room;
  rooms_.push_back(std::move(room));
  byCell_[Key(x, y)] = &added;
  static constexpr int kDelta[4][2] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}};
  for (int d = 0; d < 4; ++d) {
    Piece* next = At(x + kDelta[d][0], y + kDelta[d][1]);
    added.link[d] = next;
    if (next) next->link[(d + 2) % 4] = &added;
  }
  return added;
}

void TabpPiece::Scale(int exponent) {
  for (auto& room : rooms_) room->Scale(exponent);
}

int MoveDirection(int facing, Move move) {
  switch (move) {
    case Forward: return facing;
    case Back: return (facing + 2) % 4;
    case StepRight: return (facing + 3) % 4;
    case StepLeft: return (facing + 1) % 4;
  }
  return facing;
}

}  // namespace dedalo
