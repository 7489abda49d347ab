#pragma once
#include "Direction.h"
#include "Grille.h"

#include <QPoint>
#include <functional>

namespace corrido {



// The child's path through the maze: where it ends (a cell's centre or half-way
// across a border), the cell it belongs to, and the steps that extend it.
class Run {
public:
  Run(Grille& grille) : grille_(grille) {}

  void SetCellSize(int size, int half) { s_ = size; h_ = half; }
  void Reset();
  // Starts the path at the centre of `cell`.
  void Start(const Cellule& cell);
  bool Started() const { return started_; }

  // Follows the pointer at `p` by at most one half-cell step; returns the cell
  // the step reached, or nullptr when the path did not move.
  Cellule* Follow(QPoint p);
  // One step for an arrow key, from the cell that holds the end.
  Cellule* Key(Direction d);

  QPoint End() const { return end_; }
  int Row() const { return row_; }
  int Column() const { return column_; }
  bool OnBorder() const { return onBorder_; }

  // Hears every segment the path grows by (old end, new end).
  std::function<void(QPoint, QPoint)> drawSegment;

private:
  Cellule* StepTo(QPoint to, bool border, int row, int column, const Cellule& touched);

  Grille& grille_;
  int s_ = 44, h_ = 22;
  bool started_ = false;
  QPoint end_;
  int row_ = 0, column_ = 0;
  bool onBorder_ = false;
};

}  // namespace corrido
