#pragma once

class TGameWindow;

namespace motifs {
class Frise;
}

namespace cadenza {

// The hiding of the first model cells of the current row, one per tick, after
// every full redraw of the board: the cell goes empty on the screen only, its
// picture still the one the cells to fill are judged against.
class Masque {
public:
  bool Hiding() const { return hiding_; }
  int Index() const { return index_; }  // the next cell to hide
  // Called at the end of every full redraw.
  void Start() {
    hiding_ = true;
    index_ = 0;
  }
  // A tick: beeps and empties the next cell, the hiding over after `count` cells.
  void Tick(TGameWindow& w, const motifs::Frise& frise, int count);

private:
  bool hiding_ = false;
  int index_ = 0;
};

}  // namespace cadenza
