#include "Balade.h"

#include <cstdlib>

namespace foret {

void Balade::Lay(const std::vector<std::string>& rows, bool letters, int width, int height) {
  board_.Load(rows, letters);
  board_.Place(width, height);
  child_ = wolf_ = hut_ = nullptr;
  for (int r = 0; r < board_.Rows(); ++r)
    for (int c = 0; c < board_.Columns(); ++c) {
      CaseForet& cell = board_.Cell(r, c);
      if (cell.kind == Kind::Child) child_ = &cell;
      if (cell.kind == Kind::Wolf) wolf_ = &cell;
      if (cell.kind == Kind::Hut) hut_ = &cell;
    }
}

void Balade::Become(CaseForet* cell, Kind kind) {
  if (!cell) return;
  cell->kind = kind;
  if (redraw) redraw(*cell);
}

Pas Balade::Step(CaseForet& target) {
  if (target.kind == Kind::Letters) return Pas::Letters;
  if (target.kind == Kind::Forest || &target == child_) {
    Become(wolf_, Kind::Path);
    wolf_ = child_;
    Become(wolf_, Kind::Wolf);
    child_ = nullptr;
    return Pas::Stumbled;
  }
  if (target.kind == Kind::Wolf) {
    Become(child_, Kind::Path);
    child_ = nullptr;
    return Pas::IntoWolf;
  }
  if (target.kind == Kind::Hut) {
    Become(wolf_, Kind::Path);
    wolf_ = child_;
    Become(wolf_, Kind::Path);  // the wolf stays at the door, out of the picture
    child_ = &target;
    Become(child_, Kind::ChildAtHome);
    return Pas::Home;
  }
  Walk(target);
  return Pas::Walked;
}

void Balade::Walk(CaseForet& target) {
  Become(wolf_, Kind::Path);
  wolf_ = child_;
  Become(wolf_, Kind::Wolf);
  child_ = &target;
  Become(child_, Kind::Child);
}

CaseForet* Balade::Beside(Direction d) { return child_ ? board_.Beside(*child_, d) : nullptr; }

bool Balade::IsNear(const CaseForet& cell) const {
  return child_ && std::abs(cell.row - child_->row) <= 1 && std::abs(cell.column - child_->column) <= 1;
}

}  // namespace foret
