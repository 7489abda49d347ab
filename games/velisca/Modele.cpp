#include "Modele.h"

namespace velisca {

void Modele::Place(const ToClic& grille, int width, int height) {
  const int left = grille.GapAfterLastColumn();
  band_.Place(left, 0, width, height, QPoint((left + width) / 2 - 41, height / 2 - 41), kSize);
}

void Modele::Advance(ToClic& grille) {
  ++grille.offset;
  target_ = &grille.Square(kOrder[grille.offset % kSquares]);
  band_.Modele().forme = target_->forme;
}

}  // namespace velisca
