#pragma once
#include <QPoint>

#include <array>
#include <string>
#include <vector>

namespace alveolo {

// The table of cells is 20 x 20; the board is the big hexagon inside it.
constexpr int kTable = 20;
constexpr int kLevelCount = 6;
// Mines at each level; the board has level + 2 cells on each side.
inline constexpr std::array<int, kLevelCount> kMines{1, 3, 8, 12, 18, 24};

// A cell's picture: 42 x 48 pixels, a pointy-topped hexagon on black.
constexpr int kCellWidth = 42;
constexpr int kCellHeight = 48;

// The pictures of the cells, by index.
enum Image {
  ImageNumber0 = 0,  // .. ImageNumber0 + 6: a revealed safe cell and its count
  ImageFlag = 7,
  ImageMine = 8,
  ImageCleared = 9,  // loaded with the others, never shown
  ImageExplodedFlag = 10,
  ImageExploded = 11,
  ImageMask = 12,
  ImageHidden = 13,
  ImageCount = 14,
};

// One cell of the board.
struct Hexag {
  int row = 0, col = 0;
  bool inside = false;
  bool mine = false;
  bool revealed = false;
  bool exploded = false;
  bool flagged = false;
  int image = ImageHidden;

  // Top-left corner of the picture: each row sits half a cell to the right of
  // the row above and overlaps it by 12 pixels.
  QPoint TopLeft() const { return QPoint(42 * col + 21 * row, 36 * row); }
  QPoint Centre() const { return TopLeft() + QPoint(21, 24); }
  // The picture that shows this cell, given the mines among its neighbours.
  int ChooseImage(int minesAround) const;
};

// What a hint found, in the order the rules are tried.
enum class Rule {
  None,
  Demine,      // every mine around is flagged and some hidden cell around is safe
  LastPlace,   // one mine around, one hidden cell around, no flag: the mine is there
  SecondMine,  // two mines around, one flagged, one more hidden cell: the other mine is there
};

struct Hint {
  Rule rule = Rule::None;
  const Hexag* cell = nullptr;
};

// The whole table of cells, the last cell pointed at and the mines of this game.
class TabpHexag {
public:
  TabpHexag();

  // A new board for `level` (0 to 5): every cell made anew, then the level's
  // mines placed by random draws of a row and a column.
  void NewGame(int level);
  // Sets up a board from its rows, for tests: 2 n - 1 rows for a board of n
  // cells a side, each listing the row's cells from the left: '.' a hidden safe
  // cell, '*' a hidden mine, 'f' a flag on a safe cell, 'F' a flag on a mine,
  // 'o' a revealed safe cell. Returns false, with the board unchanged, when
  // the rows do not fit a board of 2 to 7 cells a side.
  bool Load(const std::vector<std::string>& rows);

  int Size() const { return size_; }  // cells on each side of the big hexagon
  int MineCount() const { return mineCount_; }
  bool Inside(int row, int col) const;
  Hexag& At(int row, int col) { return cells_[row * kTable + col]; }
  const Hexag& At(int row, int col) const { return cells_[row * kTable + col]; }

  // The cell under a point of the drawing area, or nullptr; remembers its row
  // and column.
  Hexag* CellAt(QPoint p);
  int LastRow() const { return lastRow_; }
  int LastCol() const { return lastCol_; }

  // Counts over the neighbours of `h` that are on the board.
  int Neighbours(const Hexag& h) const;
  int MinesAround(const Hexag& h) const;
  int FlagsAround(const Hexag& h) const;
  int RevealedAround(const Hexag& h) const;

  // Every safe cell revealed.
  bool AllSafeRevealed() const;
  // After a loss: every cell shown.
  void RevealAll();
  // Hidden safe cells with no mine around: where a first hint may open.
  std::vector<Hexag*> QuietCells();
  // The first cell, row by row, for which a rule applies; rule 1 is tried over
  // the whole board before rule 2, and rule 2 before rule 3.
  Hint FindHint() const;

  // Calls `f` for every cell of the board, row by row.
  template <class F>
  void ForEachCell(F f) {
    for (int r = 0; r <= 2 * size_ - 2; ++r)
      for (int c = 0; c <= 2 * size_ - 2; ++c)
        if (At(r, c).inside) f(At(r, c));
  }

private:
  void MakeCells(int level);
  template <class F>
  int CountAround(const Hexag& h, F test) const;

  std::array<Hexag, kTable * kTable> cells_;
  int size_ = 3;
  int mineCount_ = 0;
  int lastRow_ = -1, lastCol_ = -1;
};

// The red outline that circles a cell and its six neighbours.
struct HelpPointer {
  static constexpr int kHalfWidth = 33;
  static constexpr int kOuterHalfWidth = 66;
  static constexpr int kHalfHeight = 57;  // 33 times the square root of 3
  QPoint centre;
  bool shown = false;
};

}  // namespace alveolo
