#pragma once
#include "Entier.h"
#include "Carre.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <array>
#include <functional>
#include <string>
#include <vector>

namespace orpello {

constexpr int kLevels = 4;
inline constexpr std::array<int, kLevels> kCellsPerSide{6, 8, 10, 12};
constexpr int kFieldSize = 17;  // rows and columns that exist; only n of each are shown

enum Operation { Add = 0, Multiply = 1 };

// A framed span of cells: rows first..end - 1, columns first..end - 1.
struct Span {
  int firstRow = 0, endRow = 0, firstColumn = 0, endColumn = 0;
};

// The result of a frame: the cells counted and their sum or product, exact.
struct Framed {
  int cells = 0;
  Entier value;
  bool TooSmall(int minCells) const { return cells < minCells; }
};

// How a declaration was taken.
enum class Declared { Wrong, Cheat, Right };
struct Declaration {
  Declared outcome = Declared::Wrong;
  int row = 0, column = 0;
  int gain = 0;                 // nuggets added (Right) or taken away (Wrong)
  std::vector<int> thresholds;  // the treasure thresholds passed, in order (Right)
};

// The field: the cells, their generation, the grid's geometry and the rules of
// framing and declaring.
class Grille {
public:
  Grille();

  static constexpr int minCells = 2;
  int operation = Add;  // kept from one game to the next

  // The grid's geometry for `level` in a drawing area of `width` x `height`.
  void SetLevel(int level, int width, int height);
  int N() const { return n_; }
  int Half() const { return half_; }
  int Pitch() const { return pitch_; }
  int X0() const { return x0_; }
  int Y0() const { return y0_; }
  QRect CellRect(int row, int column) const;

  Carre& Cell(int row, int column) { return cells_[row][column]; }
  const Carre& Cell(int row, int column) const { return cells_[row][column]; }

  // Fills the whole field from `next` (one raw draw per cell, row by row), then
  // turns every shown cell's neighbourhood into its nugget count; clears
  // every found flag.
  void Generate(const std::function<int()>& next);
  // Sets the shown cells from rows of digits, for tests.
  void Load(const std::vector<std::string>& rows);
  static int ClassOf(int sum);

  // The start hints of `level`, marked found; returns them.
  std::vector<QPoint> RevealHints(int level);  // (column, row)
  // The cell nearest to `p`: the one under it, or the border cell nearest.
  QPoint CellAt(QPoint p) const;  // (column, row)

  Framed Compute(const Span& span) const;
  // Declares `d` nuggets for the cell (column, row); the treasure changes.
  Declaration Declare(QPoint cell, int d, int& treasure);
  void RevealAll();

  // The chest's size for a treasure of `t`.
  static QSize ChestSize(int t);
  static QString Digits(const Entier& v) { return QString::fromStdString(v.ToString()); }

private:
  std::array<std::array<Carre, kFieldSize>, kFieldSize> cells_;
  int n_ = kCellsPerSide[0];
  int half_ = 0, pitch_ = 0, x0_ = 0, y0_ = 0;
};

}  // namespace orpello
