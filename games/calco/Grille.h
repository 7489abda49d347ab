#pragma once
#include "Case.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <array>

namespace calco {

inline constexpr int kModels = 20;
inline constexpr int kModelSize = 29;  // a model picture, 29 x 29 pixels
inline constexpr int kMaxCount = 9;

// How a model's pattern lies in its picture: count x count blocks of `block`
// pixels, from (offset, offset).
struct Motif {
  int count;
  int block;
  int offset;
};
// Models 0 to 11 are 5 x 5 blocks of 5 pixels, 12 to 19 are 9 x 9 blocks of 3.
Motif MotifOf(int model);

// What a press on the board comes to.
enum class Press {
  BeyondBoth,   // right of the work grid and below it
  RightOfGrid,  // right of the work grid
  BelowGrid,    // below the work grid
  Coloured,     // on a cell the model colours
  White,        // on a cell that must stay white
};

// The work grid at the upper left and the enlarged model one column of cells
// to its right, laid out for a drawing area; then where a press falls.
class Grille {
public:
  // The largest scale at which the pattern, read `block` pixels a cell,
  // stands at the usual share of the width, lowered until both grids and
  // their last lines fit `width` x `height`; never below 1.
  static int Scale(int count, int block, int width, int height);

  // Lays the grids out for `model` in a drawing area of `width` x `height`.
  void Prepare(int model, int width, int height);

  int count = 5;
  int block = 5;    // b: pixels of a model cell in the model picture
  int scale = 1;    // s: screen pixels of a model picture's pixel
  int cell = 5;     // c: screen pixels of a cell, s x b
  int offset = 2;   // where the pattern starts in the model picture
  int column = 0, row = 0;  // of the last press
  Case* last = nullptr;     // the cell of the last press, if it is in the grid

  int Pattern() const { return count * block; }
  // From (0, 0) to (count·c, count·c).
  QRect WorkGrid() const { return QRect(0, 0, count * cell, count * cell); }
  // The stretched pattern, one column of cells right of the work grid.
  QRect ModelArea() const { return QRect((count + 1) * cell, 0, count * cell, count * cell); }
  Case& CellAt(int r, int k) { return cells_[r * kMaxCount + k]; }

  // Where the press at `p` falls; it records its column and row, and its cell
  // when it is in the grid. `model` is the model's picture.
  Press Locate(QPoint p, const QImage& model);
  // The model's colour of cell (r, k), read from its picture at the block's
  // first pixel: b/2 equals the pattern's offset, so the half block lands there.
  QRgb ModelColour(const QImage& model, int r, int k) const;
  // Whether every cell of the work grid shows, at its centre, the colour the
  // enlarged model shows at the same place.
  bool Matches(const QImage& board) const;

private:
  std::array<Case, kMaxCount * kMaxCount> cells_;
};

// Whether `rgb` is white, red, green and blue all 255.
inline bool IsWhite(QRgb rgb) { return qRed(rgb) == 255 && qGreen(rgb) == 255 && qBlue(rgb) == 255; }

}  // namespace calco
