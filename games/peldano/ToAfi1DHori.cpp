#include "ToAfi1DHori.h"

namespace peldano {

void ToAfi1DHori::Place(int width, int height) {
  const int g = (width - 6 * kFormSize) / 5;
  for (int i = 0; i < kForms; ++i) {
    cells_[i].forme = i;
    cells_[i].Place(kFormSize, kFormSize, g + i * (g + kFormSize), height - g / 2 - kFormSize);
  }
  lastHit = -1;
}

formes::CaseForme* ToAfi1DHori::CellAt(QPoint p) {
  for (int i = 0; i < kForms; ++i)
    if (cells_[i].Contains(p)) {
      lastHit = i;
      return &cells_[i];
    }
  return nullptr;
}

void ToAfi1DHori::Draw(TGameWindow& window, TDC& dc) {
  for (formes::CaseForme& c : cells_) c.Draw(window, dc);
}

}  // namespace peldano
