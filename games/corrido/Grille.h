#pragma once
#include "Case.h"

#include <string>
#include <vector>

namespace corrido {

// A cell of the maze: a wall along its left side and along its top side, whether
// a path may start there, and its flood-fill distance from the centre cell.
class Cellule : public Case {
public:
  bool leftWall = false;
  bool topWall = false;
  bool reached = false;
  int label = 0;
  int row = 0, column = 0;
  int centreX = 0, centreY = 0;
};

// The maze: a board of cells sized to the drawing area, and the reachability
// count that keeps added walls from cutting it into closed parts.
class Grille {
public:
  // A new board of cells of `size` pixels (half cell `half`) for the area, open
  // everywhere, column 0 reached.
  void Reset(int areaWidth, int areaHeight, int size, int half);
  // Sets up a board from rows of text, for tests, one letter a cell: '.' no
  // wall, '|' a wall on its left side, '-' a wall along its top, '+' both.
  // Returns false, with the board unchanged, for rows of unequal length or
  // with other letters.
  bool Load(const std::vector<std::string>& rows, int size, int half);

  int Rows() const { return rows_; }
  int Columns() const { return columns_; }
  bool InBoard(int r, int c) const { return r >= 0 && r < rows_ && c >= 0 && c < columns_; }
  Cellule& Cell(int r, int c) { return cells_[static_cast<size_t>(r) * columns_ + c]; }
  const Cellule& Cell(int r, int c) const { return cells_[static_cast<size_t>(r) * columns_ + c]; }

  // Walls; outside the board there is never a wall, and setting one there does nothing.
  bool L(int r, int c) const { return InBoard(r, c) && Cell(r, c).leftWall; }
  bool T(int r, int c) const { return InBoard(r, c) && Cell(r, c).topWall; }
  void SetL(int r, int c, bool on);
  void SetT(int r, int c, bool on);
  bool LeftWallAllowed(int r, int c) const;
  bool TopWallAllowed(int r, int c) const;

  // Flood fill from the centre cell: labels every reachable cell with its
  // distance + 1 and returns the number reached, the centre not counted. One
  // pass over a queue; the previous count becomes the current one first.
  int FloodFill();
  // The same labels and count found pass by pass, rescanning the board each pass.
  int FloodFillByPasses();

  // Sets a wall and keeps it only if it costs at most `tolerance` reachable
  // cells against the stored count; otherwise takes it away again.
  enum class Wall { Left, Top };
  bool Guarded(Wall wall, int r, int c, int tolerance);
  // When set, every guarded wall runs a whole flood fill instead of the local search.
  void SetPlainGuard(bool plain) { plainGuard_ = plain; }

  int PreviousCount() const { return previousCount_; }
  int CurrentCount() const { return currentCount_; }
  // A wall just set without a guard where there was none: the cells it cuts
  // off from the centre are found by a search around it, or, when the centre's
  // own side is the smaller, the known reachable set is dropped (the next
  // guarded wall fills the whole board again).
  void Unguarded(Wall wall, int r, int c);

private:
  void Lay(int rows, int columns, int size, int half);
  bool Open(int r, int c, int dr, int dc) const;
  // The open ways out of each cell, kept with the walls, so that the searches
  // step from cell to cell without bounds checks.
  enum : unsigned char { kUp = 1, kDown = 2, kRight = 4, kLeft = 8 };
  void Reopen(int r, int c);
  // Calls `visit` with each cell one open step from `cell` until it returns
  // true; returns whether one did.
  template <class Visit>
  bool ForEachWay(int cell, Visit visit) const {
    const unsigned char ways = ways_[static_cast<size_t>(cell)];
    return ((ways & kUp) && visit(cell - columns_)) || ((ways & kDown) && visit(cell + columns_)) ||
           ((ways & kRight) && visit(cell + 1)) || ((ways & kLeft) && visit(cell - 1));
  }
  // Cells lost from the centre's part if the open passage a-b were closed, or -1
  // when more than `limit` would be (or the centre's own side is the smaller).
  int LossIfClosed(int ar, int ac, int br, int bc, int limit);

  std::vector<Cellule> cells_;
  std::vector<unsigned char> ways_;
  int rows_ = 0, columns_ = 0;
  int previousCount_ = 0, currentCount_ = 0;
  bool plainGuard_ = false;
  // The cells reachable from the centre, known after a flood fill and kept up
  // to date by accepted guarded walls.
  bool reachKnown_ = false;
  int trueCount_ = 0;
  std::vector<unsigned> stamp_;
  unsigned stampNow_ = 0;
  std::vector<int> queueA_, queueB_;
};

}  // namespace corrido
