#include "Grille.h"

#include "Random.h"

#include <algorithm>

namespace oruga {
namespace {
bool IsSweetBlock(int level, int b) {
  if (level <= 1) return b % 4 == 3;
  return b == 0 || b == 2 || b == 5 || b == 9 || b == 14 || b == 20 || b == 27;
}

int TailKindFor(Direction d) { return TailUp + static_cast<int>(d); }
}  // namespace

Grille::Grille() : tiles_(kMaxRows * kMaxColumns) {
  for (int r = 0; r < kMaxRows; ++r)
    for (int c = 0; c < kMaxColumns; ++c) {
      Tile(r, c).row = r;
      Tile(r, c).column = c;
    }
}

void Grille::Place(int width, int height) {
  // Centred, less half a tile; a board larger than the room starts at its top
  // left corner, so that its first rows and columns show.
  const int x0 = std::max(0, (width - kTileSize * columns_ - kTileSize) / 2);
  const int y0 = std::max(0, (height - kTileSize * rows_ - kTileSize) / 2);
  for (int r = 0; r < rows_; ++r)
    for (int c = 0; c < columns_; ++c) {
      Tuile& t = Tile(r, c);
      t.Place(kTileSize, kTileSize, x0 + kTileSize * c, y0 + kTileSize * r);
      t.kind = Grass;
      t.direction = Direction::Up;
      t.towardHead = t.towardTail = nullptr;
    }
  lastTarget_ = nullptr;
}

void Grille::NewGame(int level, int width, int height) {
  level = std::clamp(level, 0, static_cast<int>(kColumns.size()) - 1);
  columns_ = kColumns[level];
  rows_ = columns_ - 3;
  Place(width, height);

  const int k = Random::Draw(32);
  for (int i = 2; i < rows_; i += 3)
    for (int j = 2; j < columns_; j += 3) {
      const int r = i - Random::Draw(3);
      const int c = j - Random::Draw(3);
      const int b = (k + i * columns_ + j) % 32;
      Tile(r, c).kind = IsSweetBlock(level, b) ? Sweet : Tree;
    }

  const int m = columns_ / 2, rc = rows_ / 2;
  Tuile& head = Tile(rc - 1, m);
  Tuile& body = Tile(rc, m);
  Tuile& tail = Tile(rc + 1, m);
  head.kind = Head;
  body.kind = Body;
  tail.kind = TailUp;
  head.direction = body.direction = tail.direction = Direction::Up;
  head.towardTail = &body;
  body.towardHead = &head;
  body.towardTail = &tail;
  tail.towardHead = &body;
  tail.towardTail = &Tile(rc + 2, m);
  head_.tile = &head;
  tail_.tile = &tail;
}

void Grille::Load(const std::vector<std::string>& rows, int width, int height) {
  rows_ = std::min(static_cast<int>(rows.size()), kMaxRows);
  columns_ = rows.empty() ? 0 : std::min(static_cast<int>(rows[0].size()), kMaxColumns);
  Place(width, height);
  Tuile* tail = nullptr;
  for (int r = 0; r < rows_; ++r)
    for (int c = 0; c < columns_ && c < static_cast<int>(rows[r].size()); ++c) {
      Tuile& t = Tile(r, c);
      switch (rows[r][c]) {
        case 'T': t.kind = Tree; break;
        case 'S': t.kind = Sweet; break;
        case 'H': t.kind = Head; head_.tile = &t; break;
        case 'B': t.kind = Body; break;
        case 'Q': t.kind = TailUp; tail = &t; break;
        default: break;
      }
    }
  tail_.tile = tail;
  // Follow the caterpillar from its tail to its head.
  static constexpr int kStep[4][2] = {{-1, 0}, {1, 0}, {0, 1}, {0, -1}};
  for (Tuile* at = tail; at && at->kind != Head;) {
    // A body tile goes on the chain before the head does.
    Tuile* next = nullptr;
    for (int want : {Body, Head})
      for (int d = 0; d < 4 && !next; ++d) {
        const int r = at->row + kStep[d][0], c = at->column + kStep[d][1];
        if (r < 0 || r >= rows_ || c < 0 || c >= columns_) continue;
        Tuile& n = Tile(r, c);
        if (n.kind == want && !n.towardTail && &n != at->towardTail) {
          next = &n;
          at->direction = static_cast<Direction>(d);
        }
      }
    if (!next) break;
    at->towardHead = next;
    next->towardTail = at;
    at = next;
  }
  if (tail) tail->kind = TailKindFor(tail->direction);
  if (head_.tile && head_.tile->towardTail) head_.tile->direction = head_.tile->towardTail->direction;
}

int Grille::SweetsLeft() const {
  int n = 0;
  for (int r = 0; r < rows_; ++r)
    for (int c = 0; c < columns_; ++c) n += Tile(r, c).kind == Sweet;
  return n;
}

int Grille::Length() const {
  int n = 0;
  for (const Tuile* t = head_.tile; t && n <= kMaxRows * kMaxColumns; t = t->towardTail) {
    ++n;
    if (t == tail_.tile) break;
  }
  return n;
}

Tuile* Grille::TileAt(QPoint p) {
  for (int r = 0; r < rows_; ++r)
    for (int c = 0; c < columns_; ++c)
      if (Tile(r, c).Contains(p)) return &Tile(r, c);
  return nullptr;
}

bool Grille::DirectionOfClick(const Tuile& tile, Direction& d) const {
  const Tuile* head = head_.tile;
  if (!head) return false;
  if (tile.row == head->row - 1) d = Direction::Up;
  else if (tile.row == head->row + 1) d = Direction::Down;
  else if (tile.column == head->column + 1) d = Direction::Right;
  else if (tile.column == head->column - 1) d = Direction::Left;
  else return false;
  return true;
}

Outcome Grille::Move(Direction d) {
  Tuile* head = head_.tile;
  if (!head) return Outcome::None;
  int r = head->row, c = head->column;
  switch (d) {
    case Direction::Up: --r; break;
    case Direction::Down: ++r; break;
    case Direction::Right: ++c; break;
    case Direction::Left: --c; break;
  }
  if (r < 0 || r >= rows_ || c < 0 || c >= columns_) return Outcome::None;
  head->direction = d;
  Tuile& target = Tile(r, c);
  lastRow_ = r;
  lastColumn_ = c;
  lastTarget_ = &target;
  if (target.kind == Tree) return Outcome::HitTree;
  if (&target == head->towardTail) return Outcome::Backwards;
  if (target.kind == Grass) {
    Crawl(target);
    return Outcome::Crawled;
  }
  if (target.kind == Body) return Outcome::BitBody;
  if (target.IsTail()) return Outcome::BitTail;
  if (target.kind == Sweet) {
    Grow(target);
    return SweetsLeft() == 0 ? Outcome::Won : Outcome::Grew;
  }
  return Outcome::None;
}

void Grille::Grow(Tuile& target) {
  Tuile* head = head_.tile;
  head->towardHead = &target;
  target.towardTail = head;
  target.towardHead = nullptr;
  target.kind = Head;
  head->kind = Body;
  head_.tile = &target;
  Redraw(&target);
  Redraw(head);
}

void Grille::Crawl(Tuile& target) {
  Grow(target);
  Tuile* left = tail_.tile;
  Tuile* tail = left->towardHead;
  tail->kind = TailKindFor(tail->direction);
  tail->towardTail = left;
  left->kind = Grass;
  left->towardHead = left->towardTail = nullptr;
  tail_.tile = tail;
  Redraw(tail->towardHead);
  Redraw(tail);
  Redraw(left);
}

}  // namespace oruga
