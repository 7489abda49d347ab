#include "Grille.h"

#include <algorithm>

namespace corrido {

void Grille::Reset(int areaWidth, int areaHeight, int size, int half) {
  Lay(std::max(1, areaHeight / size - 1), std::max(1, areaWidth / size), size, half);
}

bool Grille::Load(const std::vector<std::string>& rows, int size, int half) {
  if (rows.empty() || rows[0].empty()) return false;
  for (const std::string& row : rows)
    if (row.size() != rows[0].size() || row.find_first_not_of(".|-+") != std::string::npos) return false;
  Lay(static_cast<int>(rows.size()), static_cast<int>(rows[0].size()), size, half);
  for (int r = 0; r < rows_; ++r)
    for (int c = 0; c < columns_; ++c) {
      const char w = rows[r][c];
      Cell(r, c).leftWall = w == '|' || w == '+';
      Cell(r, c).topWall = w == '-' || w == '+';
    }
  for (int r = 0; r < rows_; ++r)
    for (int c = 0; c < columns_; ++c) Reopen(r, c);
  return true;
}

void Grille::Lay(int rows, int columns, int size, int half) {
  rows_ = rows;
  columns_ = columns;
  cells_.assign(static_cast<size_t>(rows_) * columns_, Cellule{});
  for (int r = 0; r < rows_; ++r)
    for (int c = 0; c < columns_; ++c) {
      Cellule& cell = Cell(r, c);
      cell.row = r;
      cell.column = c;
      cell.reached = c == 0;
      cell.centreX = c * size + half;
      cell.centreY = r * size + half;
      cell.Place(size, size, c * size, r * size);
    }
  ways_.assign(cells_.size(), 0);
  for (int r = 0; r < rows_; ++r)
    for (int c = 0; c < columns_; ++c) Reopen(r, c);
  // A fresh maze compares its first guarded wall with the open board.
  currentCount_ = previousCount_ = rows_ * columns_ - 1;
  trueCount_ = currentCount_;
  reachKnown_ = false;
  stamp_.assign(cells_.size(), 0);
  stampNow_ = 0;
}

void Grille::SetL(int r, int c, bool on) {
  if (!InBoard(r, c)) return;
  Cell(r, c).leftWall = on;
  Reopen(r, c);
  if (c > 0) Reopen(r, c - 1);
}

void Grille::SetT(int r, int c, bool on) {
  if (!InBoard(r, c)) return;
  Cell(r, c).topWall = on;
  Reopen(r, c);
  if (r > 0) Reopen(r - 1, c);
}

void Grille::Reopen(int r, int c) {
  unsigned char ways = 0;
  if (Open(r, c, -1, 0)) ways |= kUp;
  if (Open(r, c, 1, 0)) ways |= kDown;
  if (Open(r, c, 0, 1)) ways |= kRight;
  if (Open(r, c, 0, -1)) ways |= kLeft;
  ways_[static_cast<size_t>(r) * columns_ + c] = ways;
}

bool Grille::LeftWallAllowed(int r, int c) const {
  if (L(r, c)) return false;
  if (L(r, c + 1) && T(r, c) && T(r + 1, c)) return false;          // would close (r, c)
  if (L(r, c - 1) && T(r, c - 1) && T(r + 1, c - 1)) return false;  // would close (r, c - 1)
  return true;
}

bool Grille::TopWallAllowed(int r, int c) const {
  if (T(r, c)) return false;
  if (L(r - 1, c) && L(r - 1, c + 1) && T(r - 1, c)) return false;  // would close (r - 1, c)
  if (L(r, c) && L(r, c + 1) && T(r + 1, c)) return false;          // would close (r, c)
  return true;
}

bool Grille::Open(int r, int c, int dr, int dc) const {
  const int nr = r + dr, nc = c + dc;
  if (!InBoard(nr, nc)) return false;
  if (dr < 0) return !T(r, c);
  if (dr > 0) return !T(nr, nc);
  if (dc > 0) return !L(nr, nc);
  return !L(r, c);
}

namespace {
constexpr int kSteps[4][2] = {{-1, 0}, {1, 0}, {0, 1}, {0, -1}};
}

int Grille::FloodFill() {
  previousCount_ = currentCount_;
  for (Cellule& cell : cells_) cell.label = 0;
  const int cr = rows_ / 2, cc = columns_ / 2;
  int count = 0;
  std::vector<int>& queue = queueA_;
  queue.clear();  // a flood fill grows its queue as it goes
  Cell(cr, cc).label = 1;
  queue.push_back(cr * columns_ + cc);
  for (size_t head = 0; head < queue.size(); ++head) {
    const int cell = queue[head];
    const int next = cells_[cell].label + 1;
    ForEachWay(cell, [&](int n) {
      if (cells_[n].label != 0) return false;
      cells_[n].label = next;
      ++count;
      queue.push_back(n);
      return false;
    });
  }
  currentCount_ = count;
  trueCount_ = count;
  reachKnown_ = true;
  return count;
}

int Grille::FloodFillByPasses() {
  previousCount_ = currentCount_;
  for (Cellule& cell : cells_) cell.label = 0;
  Cell(rows_ / 2, columns_ / 2).label = 1;
  int count = 0;
  bool labelled = true;
  for (int pass = 1; labelled; ++pass) {
    labelled = false;
    for (int r = 0; r < rows_; ++r)
      for (int c = 0; c < columns_; ++c) {
        if (Cell(r, c).label != pass) continue;
        for (const auto& s : kSteps) {
          if (!Open(r, c, s[0], s[1]) || Cell(r + s[0], c + s[1]).label != 0) continue;
          Cell(r + s[0], c + s[1]).label = pass + 1;
          ++count;
          labelled = true;
        }
      }
  }
  currentCount_ = count;
  trueCount_ = count;
  reachKnown_ = true;
  return count;
}

int Grille::LossIfClosed(int ar, int ac, int br, int bc, int limit) {
  // Two searches from either side of the passage, one cell at a time each; if
  // they meet, nothing is cut off; if one side runs out first, it is the part
  // cut off, unless it holds the centre.
  if (++stampNow_ == 0) {
    std::fill(stamp_.begin(), stamp_.end(), 0);
    stampNow_ = 2;
  }
  const unsigned sideA = ++stampNow_;
  const unsigned sideB = ++stampNow_;
  const int centre = (rows_ / 2) * columns_ + columns_ / 2;
  // Each side queues a cell at most once: queues as long as the board (and one
  // more, for the place written past a full queue's end) need no growing, and
  // the walk below runs on plain arrays.
  const size_t cells = cells_.size() + 1;
  if (queueA_.size() < cells) queueA_.resize(cells);
  if (queueB_.size() < cells) queueB_.resize(cells);
  int* const queueA = queueA_.data();
  int* const queueB = queueB_.data();
  unsigned* const stamp = stamp_.data();
  const unsigned char* const ways = ways_.data();
  const int columns = columns_;
  queueA[0] = ar * columns + ac;
  queueB[0] = br * columns + bc;
  stamp[queueA[0]] = sideA;
  stamp[queueB[0]] = sideB;
  int headA = 0, tailA = 1, headB = 0, tailB = 1;
  // One cell of one side: true when one of its open ways leads to the other
  // side. Without a branch per way (which way is open is what a processor
  // cannot guess, and a wrong guess cost most of the search): a closed way
  // looks at the cell itself, which is already this side's, and every way's
  // cell is written to the queue, which moves on only for a new one.
  const auto expand = [=](int* queue, int& head, int& tail, unsigned mine, unsigned theirs) __attribute__((always_inline)) {
    const int cell = queue[head++];
    const unsigned open = ways[cell];
    const int offset[4] = {-columns, columns, 1, -1};
    static_assert(kUp == 1 && kDown == 2 && kRight == 4 && kLeft == 8, "the ways in the order of `offset`");
    bool met = false;
    for (int k = 0; k < 4; ++k) {
      const int n = cell + (offset[k] & -static_cast<int>((open >> k) & 1u));
      const unsigned seen = stamp[n];
      met |= seen == theirs;
      const bool fresh = (seen != mine) & (seen != theirs);
      stamp[n] = seen == theirs ? seen : mine;
      queue[tail] = n;
      tail += fresh;
    }
    return met;
  };
  while (headA < tailA && headB < tailB)
    if (expand(queueA, headA, tailA, sideA, sideB) || expand(queueB, headB, tailB, sideB, sideA)) return 0;
  const bool aDone = headA == tailA;
  const int* const cut = aDone ? queueA : queueB;
  const int lost = aDone ? tailA : tailB;
  if (stamp[centre] == (aDone ? sideA : sideB)) return -1;  // the centre's side is the one closed in
  if (lost > limit) return -1;
  for (int k = 0; k < lost; ++k) cells_[size_t(cut[k])].label = 0;
  return lost;
}

void Grille::Unguarded(Wall wall, int r, int c) {
  if (!reachKnown_) return;
  const int nr = wall == Wall::Left ? r : r - 1, nc = wall == Wall::Left ? c - 1 : c;
  // An edge, or a passage away from the centre's part: nothing reachable changes.
  if (!InBoard(r, c) || !InBoard(nr, nc) || Cell(r, c).label == 0) return;
  const int lost = LossIfClosed(r, c, nr, nc, rows_ * columns_);
  if (lost < 0) {
    reachKnown_ = false;
    return;
  }
  trueCount_ -= lost;
}

bool Grille::Guarded(Wall wall, int r, int c, int tolerance) {
  const bool hadWall = wall == Wall::Left ? L(r, c) : T(r, c);
  auto set = [&](bool on) { wall == Wall::Left ? SetL(r, c, on) : SetT(r, c, on); };
  const int stored = currentCount_;

  // The local search answers only for a wall that closes an open passage
  // between two cells whose reachability is known; all else runs a flood fill.
  const int nr = wall == Wall::Left ? r : r - 1, nc = wall == Wall::Left ? c - 1 : c;
  const bool passage = InBoard(r, c) && InBoard(nr, nc) && !hadWall;
  bool filled = false;
  if (!plainGuard_ && reachKnown_ && (!passage || Cell(r, c).label == 0)) {
    // Nothing reachable changes: no passage, or one away from the centre's part.
    set(true);
    previousCount_ = stored;
    currentCount_ = trueCount_;
  } else if (!plainGuard_ && reachKnown_) {
    set(true);
    const int slack = trueCount_ - (stored - tolerance);
    const int lost = slack < 0 ? -1 : LossIfClosed(r, c, nr, nc, slack);
    previousCount_ = stored;
    if (lost < 0) {
      currentCount_ = -1;  // more lost than allowed: refused below
    } else {
      trueCount_ -= lost;
      currentCount_ = trueCount_;
    }
  } else {
    set(true);
    plainGuard_ ? FloodFillByPasses() : FloodFill();
    filled = true;
    previousCount_ = stored;
  }

  if (currentCount_ < 0 || previousCount_ - currentCount_ > tolerance) {
    set(false);
    currentCount_ = previousCount_;
    // The labels of a flood fill with the wall, or an old wall taken away,
    // no longer tell what is reachable.
    if (filled || hadWall) reachKnown_ = false;
    return false;
  }
  return true;
}

}  // namespace corrido
