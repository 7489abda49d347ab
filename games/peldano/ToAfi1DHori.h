#pragma once
#include "CaseForme.h"

#include <QPoint>
#include <array>

class TDC;
class TGameWindow;

namespace peldano {

inline constexpr int kForms = 5;
inline constexpr int kFormSize = 79;

// The bottom row (ToAfi1DHori: forms to display in one dimension,
// horizontally): the five forms in order, and the last one hit.
class ToAfi1DHori {
public:
  // Spreads the five forms along the bottom of a `width` x `height` area.
  void Place(int width, int height);
  formes::CaseForme& Cell(int i) { return cells_[i]; }
  // The form under `p` (strict test), which becomes the last one hit; or none.
  formes::CaseForme* CellAt(QPoint p);
  // The five forms, with `window`'s pictures, on `dc` only.
  void Draw(TGameWindow& window, TDC& dc);
  int lastHit = -1;

private:
  std::array<formes::CaseForme, kForms> cells_;
};

}  // namespace peldano
