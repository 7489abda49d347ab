#pragma once
#include "BandeModele.h"
#include "ToClic.h"

#include <array>

namespace velisca {

// The order in which the squares become the target, from a random place in it.
inline constexpr std::array<int, kSquares> kOrder{1, 5, 4, 16, 18, 15, 12, 0, 19, 3, 8, 17, 14, 10, 11, 6, 2, 7, 9, 13};

// The model band at the right and the square to find.
class Modele {
public:
  // The band from the gap after the grid to the right edge, the model in its middle.
  void Place(const ToClic& grille, int width, int height);
  // The next square of the sequence becomes the target and its form the model.
  void Advance(ToClic& grille);
  Carre* Target() const { return target_; }
  formes::BandeModele& Band() { return band_; }

private:
  formes::BandeModele band_;
  Carre* target_ = nullptr;
};

}  // namespace velisca
