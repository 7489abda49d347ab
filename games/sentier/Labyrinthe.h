#pragma once
#include "CabaneCase.h"
#include "CapucinenRougeCase.h"
#include "Direction.h"
#include "Effet.h"
#include "FleurCase.h"
#include "LoupCase.h"
#include "Mode.h"
#include "ToClic2D.h"

#include <functional>
#include <string>
#include <vector>

namespace sentier {

// The rules of the forest the child builds and then walks: the girl in red,
// her hut, five flowers, five wolves and a path cut through the trees. Every
// cell whose look changes is handed to `redraw`.
class Labyrinthe {
public:
  explicit Labyrinthe(foret::ToClic2D& board) : board_(board) {}

  // A new game on a forest of `rows` x `columns` trees laid in a drawing area
  // of `width` x `height`: nothing built, every counter nil, no mode.
  void NewGame(int rows, int columns, int width, int height);
  // A world from rows of text, one character a cell: T tree, '.' path,
  // F flower, W wolf, P the girl in red, H the hut; the flowers and wolves
  // found are the ones sown and hidden. No mode.
  void Load(const std::vector<std::string>& rows, int width, int height);

  // Asks for mode `m`; on Demande::Confirm the mode changes only by Confirm.
  Demande Ask(Mode m);
  // The child said the world is finished: play mode `m` starts.
  void Confirm(Mode m) { mode_ = m; }

  // A press on `cell`, by mode.
  Effet Press(foret::CaseForet& cell);
  // An arrow key released.
  Effet Arrow(Direction d);

  Mode CurrentMode() const { return mode_; }
  int ShockCount() const { return shockCount_; }
  const CapucinenRougeCase& Girl() const { return girl_; }
  const CabaneCase& Hut() const { return hut_; }
  FleurCase& Flowers() { return flowers_; }
  LoupCase& Wolves() { return wolves_; }
  foret::ToClic2D& Board() { return board_; }

  std::function<void(foret::CaseForet&)> redraw;

private:
  void Become(foret::CaseForet& cell, foret::Kind kind);
  // Moves `piece` from its cell (which becomes a tree) onto the tree `cell`.
  void Put(foret::CaseForet*& piece, foret::CaseForet& cell, foret::Kind kind);
  // Sows or takes back a flower or a wolf.
  Effet Toggle(foret::CaseForet& cell, foret::Kind kind, int& placed, int limit);
  bool IsNear(const foret::CaseForet& cell) const;
  Effet Step(foret::CaseForet& target);
  Effet Shoot(foret::CaseForet& target);
  void Reset();

  foret::ToClic2D& board_;
  Mode mode_ = Mode::None;
  int shockCount_ = 0;
  CapucinenRougeCase girl_;
  CabaneCase hut_;
  FleurCase flowers_;
  LoupCase wolves_;
};

}  // namespace sentier
