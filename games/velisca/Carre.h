#pragma once
#include "CaseForme.h"

namespace velisca {

inline constexpr int kRows = 4, kColumns = 5, kSquares = kRows * kColumns;
inline constexpr int kSize = 83;       // a square and its picture
inline constexpr int kFoundSize = 79;  // the found picture

// A square of the grid. Its form k is picture k; once found it shows picture
// k + 20, the same form marked as done. The game window draws it raised,
// pressed, found or framed.
class Carre : public formes::CaseForme {
public:
  int row = 0, column = 0;
  bool found = false;

  int FoundPicture() const { return forme + kSquares; }
};

}  // namespace velisca
