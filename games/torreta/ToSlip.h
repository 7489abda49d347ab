#pragma once
#include "BaseToSlip.h"

#include <array>
#include <string>
#include <vector>

namespace torreta {

// The columns at each level, the example's included.
inline constexpr std::array<int, 5> kColumns{4, 5, 6, 7, 8};

// What a press on the board does.
enum class Press { Nothing, ExampleDisc, Blocked, Drag };
// How a dragged disc ends when it is let go, in the order the cases are tried.
enum class Drop { None, Outside, Home, OntoDisc, OntoExample, OwnColumn, Moved, Won };

// The discs and their rules: a disc on top of its stack is dragged to another
// playing column, where it slides down onto the stack, until a playing column
// holds the example's discs in the example's order, the top slot empty.
class ToSlip : public BaseToSlip {
public:
  // A new board for `level`: every playing column filled at random below its
  // top slot, the example made of discs taken from the playing columns, and
  // drawn again while a playing column already matches it.
  void NewGame(int level, int width, int height);
  // Sets up a board from rows of text, top row first, for tests: '0' to '5'
  // discs, '.' empty, the last column the example; a '|' is skipped.
  void Load(const std::vector<std::string>& rows, int width, int height);

  // A press at `p`: a disc on top of its stack is picked up.
  Press Pick(QPoint p);
  // The picked disc let go at `p`: it moves, or goes back to its slot.
  Drop Release(QPoint p);
  // The picked disc put back in its slot, as if let go outside every column.
  void Cancel() { picked = nullptr; }
  bool Dragging() const { return picked != nullptr; }

  // Some playing column holds, slot for slot, what the example holds.
  bool Solved() const;
  // The board as text, in the letters Load reads, with a '|' before the example.
  std::vector<std::string> Text() const;

private:
  void Generate();
  bool Matches(int column) const;
};

}  // namespace torreta
