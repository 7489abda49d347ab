#pragma once
#include "Tuile.h"

#include <QPoint>
#include <array>
#include <functional>
#include <string>
#include <vector>

namespace oruga {

// The columns of the board at each level; there are three rows fewer.
inline constexpr std::array<int, 6> kColumns{9, 12, 15, 18, 20, 21};
constexpr int kMaxRows = 21;
constexpr int kMaxColumns = 24;

// How a move ended.
enum class Outcome { None, Crawled, Grew, Won, Backwards, HitTree, BitBody, BitTail };

// The board: every tile made once, laid out for each new game, and the rules
// of the caterpillar's moves. Tiles whose look changes are handed to `redraw`.
class Grille {
public:
  Grille();

  // Lays a new board for `level` in a drawing area of `width` x `height`.
  void NewGame(int level, int width, int height);
  // Sets up a board from rows of text, for tests: '.' grass, 'T' tree, 'S' sweet,
  // 'H' head, 'B' body, 'Q' tail; the caterpillar runs from Q through adjacent B to H.
  void Load(const std::vector<std::string>& rows, int width, int height);

  Outcome Move(Direction d);
  // The direction a click on `tile` asks for, if any.
  bool DirectionOfClick(const Tuile& tile, Direction& d) const;
  // The tile under `p` (strict test), or nullptr.
  Tuile* TileAt(QPoint p);

  int Rows() const { return rows_; }
  int Columns() const { return columns_; }
  Tuile& Tile(int r, int c) { return tiles_[r * kMaxColumns + c]; }
  const Tuile& Tile(int r, int c) const { return tiles_[r * kMaxColumns + c]; }
  SnakeHead& TheHead() { return head_; }
  SnakeTail& TheTail() { return tail_; }
  int SweetsLeft() const;
  int Length() const;

  std::function<void(Tuile&)> redraw;

private:
  void Place(int width, int height);
  void Crawl(Tuile& target);
  void Grow(Tuile& target);
  void Redraw(Tuile* tile) {
    if (tile && redraw) redraw(*tile);
  }

  std::vector<Tuile> tiles_;
  int rows_ = 0, columns_ = 0;
  SnakeHead head_;
  SnakeTail tail_;
  int lastRow_ = 0, lastColumn_ = 0;
  Tuile* lastTarget_ = nullptr;
};

}  // namespace oruga
