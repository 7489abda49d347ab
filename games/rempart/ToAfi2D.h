#pragma once
#include "CaseTerrain.h"

#include <string>
#include <vector>

namespace rempart {

// A programmed move of the attacker.
enum class Action { None, Up, Back, Right, Left };

// How one move of the attacker ended. Every outcome but Moved ends the run.
enum class Outcome { Moved, Goal, GoalLine, Centre, RightEdge, LeftEdge, Tackled };

constexpr int kMaxRows = 5;
constexpr int kMaxColumns = 11;
constexpr int kPatterns = 55;  // the defender pattern repeats every 55 cells

// True when the pattern puts a defender at position `k` (0 to 54).
bool DefenderInPattern(int k);

// The pitch (To: a family of cells, Afi: shown, 2D: rows and columns), with the
// attacker and the goal: a new game, the moves and the replay.
class ToAfi2D {
public:
  ToAfi2D();

  // A new pitch for `level` (0 to 3): defenders from a random pattern offset,
  // the attacker on a random free cell of the bottom row.
  void NewGame(int level);
  // The pitch of a new game whose pattern offset is `offset`, before the
  // attacker is placed.
  void LayDefenders(int level, int offset);
  // Sets up a pitch from rows of text, for tests: '.' grass, 'X' defender,
  // 'x' defender with the ball, '*' trail, 'A' the attacker with the ball on
  // grass (also its start), 'a' the attacker without it. n rows need 2n + 1
  // columns.
  void Load(const std::vector<std::string>& rows);
  // Three defenders side by side across the goal mouth: the outer two leave.
  void OpenGoalMouth();
  // An attacker with a defender above it and a defender or the edge on either
  // side: both cells beside it that lie on the pitch become grass.
  void MakeRoom();
  // Lays the goal and the cells in a drawing area `width` wide; returns the margin.
  int Place(int width);

  // One move of the attacker.
  Outcome Step(Action a);
  // The same pitch again: the attacker back on its start with the ball, the
  // trail and the defender's ball gone, the goal empty.
  void Replay();

  int Rows() const { return rows_; }
  int Columns() const { return columns_; }
  int Offset() const { return offset_; }
  int Margin() const { return margin_; }
  bool InMouth(int column) const { return column >= rows_ - 1 && column <= rows_ + 1; }
  CaseTerrain& Cell(int r, int c) { return cells_[r * kMaxColumns + c]; }
  const CaseTerrain& Cell(int r, int c) const { return cells_[r * kMaxColumns + c]; }
  PlayerCase& Attacker() { return attacker_; }
  const PlayerCase& Attacker() const { return attacker_; }
  But& Goal() { return goal_; }
  const But& Goal() const { return goal_; }

private:
  void PlaceAttacker(int row, int column);
  // A defender or the edge of the pitch at (row, column).
  bool Blocked(int row, int column) const;

  std::vector<CaseTerrain> cells_;
  int rows_ = 2, columns_ = 5, offset_ = 0, margin_ = 0;
  PlayerCase attacker_;
  But goal_;
};

}  // namespace rempart
