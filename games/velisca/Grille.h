#pragma once
#include "BandeModele.h"
#include "CaseForme.h"

#include <QPoint>
#include <array>

class TDC;

namespace velisca {

inline constexpr int kRows = 4, kColumns = 5, kSquares = kRows * kColumns;
inline constexpr int kSize = 83;       // a square and its picture
inline constexpr int kFoundSize = 79;  // the found picture
// The order in which the squares become the target, from a random place in it.
inline constexpr std::array<int, kSquares> kOrder{1, 5, 4, 16, 18, 15, 12, 0, 19, 3, 8, 17, 14, 10, 11, 6, 2, 7, 9, 13};

// A square of the grid. Its form k is picture k; once found it shows picture
// k + 20, the same form marked as done.
class Carre : public formes::CaseForme {
public:
  int row = 0, column = 0;
  bool found = false;

  int FoundPicture() const { return forme + kSquares; }
  // Raised like a button, as every square waits.
  void DrawRaised(TDC& dc);
  // Pressed in, while the button is down on it.
  void DrawPressed(TDC& dc);
  // White all round, covering a red frame drawn earlier, with the found picture.
  void DrawFound(TDC& dc);
  // On a light red frame: the square the child should have chosen.
  void DrawFramed(TDC& dc);
  // Raised or found, as the square stands.
  void DrawSettled(TDC& dc) { found ? DrawFound(dc) : DrawRaised(dc); }
};

// The grid of 4 x 5 squares, gx apart across and gy apart down, and where the
// sequence of targets stands.
class ToClic {
public:
  ToClic();
  // Lays the squares out with the gaps gx and gy.
  void Place(int gx, int gy);
  Carre& Square(int k) { return squares_[k]; }
  const Carre& Square(int k) const { return squares_[k]; }
  // The first square, in row order, that strictly contains `p`, or none.
  Carre* SquareAt(QPoint p);
  int FoundCount() const;
  void ClearFound();
  // x of the middle of the gap after the fifth column.
  int GapAfterLastColumn() const;

  int offset = 0;            // place in the sequence of targets
  Carre* lastHit = nullptr;  // the square of the last press

private:
  std::array<Carre, kSquares> squares_;
  int gx_ = 0;
};

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
