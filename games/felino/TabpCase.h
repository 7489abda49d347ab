#pragma once
#include "Case.h"

#include <QPoint>
#include <QStringList>
#include <array>

namespace felino {

constexpr int kSide = 10;       // cells per row and per column
constexpr int kCellSize = 33;   // pixels, also the scroll bars' page and arrow step
constexpr int kRangeMin = 25;   // the scroll bars' smallest position
constexpr int kPictureSize = 29;

// Heat of a cell, by the larger of its row and column distances to the cat.
enum Heat : int { Cold = 0, Tepid = 1, Hot = 2, Burning = 3, TheCat = 4 };

// The bar position that stands on column (or row) `index`.
constexpr int PositionOf(int index) { return kRangeMin + kCellSize * index; }
// The column (or row) a bar position points to; may lie outside 0 to 9.
constexpr int IndexOf(int position) { return (position - kRangeMin + 2) / kCellSize; }

// A hiding place: a cell of the board with its row, column and heat.
class Cachette : public Case {
public:
  int row = 0, column = 0;
  int heat = Cold;
};

// The board: where the cat hides, the heat of every cell, the chosen cell and
// the tries.
class TabpCase {
public:
  TabpCase();

  // Hides the cat under (column, row), indices taken modulo 10: every cell
  // cold, then 1, 2 and 3 at distances 3, 2 and 1, and 4 under the cat.
  void Hide(int column, int row);
  // A board from ten rows of heat digits, for tests; the cat is where the 4 is.
  static TabpCase Load(const QStringList& rows);
  // The heat digits, one row per line.
  QStringList Heats() const;

  // Chooses the cell the bar positions point to. An index outside 0 to 9 leaves
  // the choice as it was and answers false.
  bool Choose(int hpos, int vpos);
  // A new game: no try yet and cell (0, 0) chosen.
  void ResetChoice();
  // Looks under the chosen cell: one try more; answers its heat.
  int Look();

  Cachette& At(int column, int row) { return cells_[static_cast<size_t>(row * kSide + column)]; }
  const Cachette& At(int column, int row) const { return cells_[static_cast<size_t>(row * kSide + column)]; }
  Cachette& Chosen() { return At(column_, row_); }
  int Column() const { return column_; }
  int Row() const { return row_; }
  int PreviousColumn() const { return previousColumn_; }
  int PreviousRow() const { return previousRow_; }
  int CatColumn() const { return catColumn_; }
  int CatRow() const { return catRow_; }
  int Tries() const { return tries_; }

private:
  std::array<Cachette, kSide * kSide> cells_;
  int column_ = 0, row_ = 0;
  int previousColumn_ = 0, previousRow_ = 0;
  int catColumn_ = 0, catRow_ = 0;
  int tries_ = 0;
};

}  // namespace felino
