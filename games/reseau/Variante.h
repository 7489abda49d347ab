#pragma once
#include "ToClic2D.h"

#include <QSize>
#include <array>
#include <vector>

class TDC;
class TPen;

namespace reseau {

// The four rectangles of the board.
enum class Quadrant { NorWst, NorEst, SudWst, SudEst };

// A rectangle where the child draws, and how its drawing lies against the model.
struct Copie {
  Quadrant where;
  Miroir miroir;
};

// What makes one lattice game of the family: its lattices, level table,
// models, words and axes. The model always lies in the upper-left rectangle.
struct Variante {
  std::array<int, 4> columns;                         // dot columns N at each level
  int (*rows)(int columns);                           // dot rows for N columns
  int maxRows, maxColumns;                            // the size of each lattice's node table
  std::array<std::array<const char*, 3>, 4> models;   // by level and exercise, as ToClic2D::LoadModel reads them
  std::vector<Copie> copies;                          // in the order a click tries them
  const char* modelTitle;                             // a click on the model
  std::array<const char*, 3> modelLines;              // (nullptr: no such line)
  const char* missLine;                               // a click on no lattice
  const char* oneErrorLine;                           // a comparison that finds one error
  // The axes between the rectangles, with `pen`, on a board of `size`.
  void (*drawAxes)(TDC& dc, const TPen& pen, QSize size);
};

}  // namespace reseau
