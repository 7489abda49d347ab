#include "Grille.h"

#include <algorithm>

namespace calco {

Motif MotifOf(int model) { return model < 12 ? Motif{5, 5, 2} : Motif{9, 3, 1}; }

int Grille::Scale(int count, int block, int width, int height) {
  const int pattern = count * block;
  int s = width / (2 * pattern + 4);
  // Both grids and the line after the model, (2·count + 1)·c + 1 pixels across,
  // and the line under the grids, count·c + 1 down, stay inside the area.
  s = std::min(s, (width - 1) / ((2 * count + 1) * block));
  s = std::min(s, (height - 1) / (count * block));
  return std::max(1, s);
}

void Grille::Prepare(int model, int width, int height) {
  const Motif m = MotifOf(model);
  count = m.count;
  block = m.block;
  offset = m.offset;
  scale = Scale(count, block, width, height);
  cell = scale * block;
  last = nullptr;
  for (int r = 0; r < count; ++r)
    for (int k = 0; k < count; ++k) CellAt(r, k).Place(cell, cell, k * cell, r * cell);
}

Press Grille::Locate(QPoint p, const QImage& model) {
  column = p.x() / cell;
  row = p.y() / cell;
  last = nullptr;
  if (column >= count && row >= count) return Press::BeyondBoth;
  if (column >= count) return Press::RightOfGrid;
  if (row >= count) return Press::BelowGrid;
  last = &CellAt(row, column);
  return IsWhite(ModelColour(model, row, column)) ? Press::White : Press::Coloured;
}

QRgb Grille::ModelColour(const QImage& model, int r, int k) const {
  return model.pixel(block / 2 + k * block, block / 2 + r * block);
}

bool Grille::Matches(const QImage& board) const {
  const int shift = (count + 1) * cell;
  for (int r = 0; r < count; ++r) {
    for (int k = 0; k < count; ++k) {
      const int x = cell / 2 + k * cell, y = cell / 2 + r * cell;
      if ((board.pixel(x, y) & 0xffffffu) != (board.pixel(x + shift, y) & 0xffffffu)) return false;
    }
  }
  return true;
}

}  // namespace calco
