#include "Labyrinthe.h"

#include <cstdlib>

namespace sentier {

using foret::CaseForet;
using foret::Kind;

void Labyrinthe::Reset() {
  mode_ = Mode::None;
  shockCount_ = 0;
  girl_ = {};
  hut_ = {};
  flowers_ = {};
  wolves_ = {};
}

void Labyrinthe::NewGame(int rows, int columns, int width, int height) {
  Reset();
  board_.Clear(rows, columns);
  board_.Place(width, height);
}

void Labyrinthe::Load(const std::vector<std::string>& rows, int width, int height) {
  Reset();
  board_.Clear(static_cast<int>(rows.size()), rows.empty() ? 0 : static_cast<int>(rows[0].size()));
  for (int r = 0; r < board_.Rows(); ++r)
    for (int c = 0; c < board_.Columns() && c < static_cast<int>(rows[r].size()); ++c) {
      CaseForet& cell = board_.Cell(r, c);
      switch (rows[r][c]) {
        case '.': cell.kind = Kind::Path; break;
        case 'F': cell.kind = Kind::Flower; ++flowers_.flowersPlaced; break;
        case 'W': cell.kind = Kind::Wolf; ++wolves_.wolvesPlaced; break;
        case 'P': cell.kind = Kind::Child; girl_.cell = &cell; break;
        case 'H': cell.kind = Kind::Hut; hut_.cell = &cell; break;
        default: cell.kind = Kind::Forest; break;
      }
    }
  board_.Place(width, height);
}

Demande Labyrinthe::Ask(Mode m) {
  if (mode_ == Mode::Won) return Demande::Finished;
  if (IsPlaying(m)) {
    const bool flowers = flowers_.flowersPlaced >= FleurCase::kCount;
    const bool wolves = wolves_.wolvesPlaced >= LoupCase::kCount;
    if (!girl_.Placed()) return Demande::NoGirl;
    if (!hut_.Placed()) return Demande::NoHut;
    if (!flowers && !wolves) return Demande::NoFlowersNorWolves;
    if (!flowers) return Demande::NoFlowers;
    if (!wolves) return Demande::NoWolves;
    if (!IsPlaying(mode_)) return Demande::Confirm;
  } else if (IsPlaying(mode_)) {
    return Demande::Cheat;
  }
  mode_ = m;
  return Demande::Entered;
}

void Labyrinthe::Become(CaseForet& cell, Kind kind) {
  cell.kind = kind;
  if (redraw) redraw(cell);
}

void Labyrinthe::Put(CaseForet*& piece, CaseForet& cell, Kind kind) {
  if (piece) Become(*piece, Kind::Forest);
  piece = &cell;
  Become(cell, kind);
}

Effet Labyrinthe::Toggle(CaseForet& cell, Kind kind, int& placed, int limit) {
  if (cell.kind == kind) {
    --placed;
    Become(cell, Kind::Forest);
    return kind == Kind::Flower ? Effet::FlowerRemoved : Effet::WolfRemoved;
  }
  if (cell.kind != Kind::Forest) return kind == Kind::Flower ? Effet::NotTreeNorFlower : Effet::NotTreeNorWolf;
  if (placed >= limit) return kind == Kind::Flower ? Effet::FlowersFull : Effet::WolvesFull;
  ++placed;
  Become(cell, kind);
  return kind == Kind::Flower ? Effet::FlowerSown : Effet::WolfHidden;
}

Effet Labyrinthe::Press(CaseForet& cell) {
  switch (mode_) {
    case Mode::None: return Effet::Idle;
    case Mode::Won: return Effet::Finished;
    case Mode::Girl:
      if (cell.kind != Kind::Forest) return Effet::GirlNotOnTree;
      Put(girl_.cell, cell, Kind::Child);
      return Effet::GirlPlaced;
    case Mode::Hut:
      if (cell.kind != Kind::Forest) return Effet::HutNotOnTree;
      Put(hut_.cell, cell, Kind::Hut);
      return Effet::HutPlaced;
    case Mode::Flowers: return Toggle(cell, Kind::Flower, flowers_.flowersPlaced, FleurCase::kCount);
    case Mode::Wolves: return Toggle(cell, Kind::Wolf, wolves_.wolvesPlaced, LoupCase::kCount);
    case Mode::Path:
      if (cell.kind == Kind::Forest) {
        Become(cell, Kind::Path);
        return Effet::PathCut;
      }
      if (cell.kind == Kind::Path) {
        Become(cell, Kind::Forest);
        return Effet::TreePlanted;
      }
      return Effet::NotTreeNorPath;
    case Mode::Walk: return IsNear(cell) ? Step(cell) : Effet::Nothing;
    case Mode::Hunt: return IsNear(cell) ? Shoot(cell) : Effet::Nothing;
  }
  return Effet::Nothing;
}

Effet Labyrinthe::Arrow(Direction d) {
  if (mode_ == Mode::Won) return Effet::FinishedKey;
  if (mode_ != Mode::Walk) return Effet::KeysNeedBasket;
  CaseForet* target = girl_.cell ? board_.Beside(*girl_.cell, d) : nullptr;
  return target ? Step(*target) : Effet::Nothing;
}

bool Labyrinthe::IsNear(const CaseForet& cell) const {
  return girl_.cell && std::abs(cell.row - girl_.cell->row) <= 1 && std::abs(cell.column - girl_.cell->column) <= 1;
}

Effet Labyrinthe::Step(CaseForet& target) {
  Effet effet = Effet::Walked;
  switch (target.kind) {
      case Kind::Forest: ++shockCount_; return Effet::Bump;
      case Kind::Wolf: return Effet::Bitten;
      case Kind::Hut: {
        const bool flowers = flowers_.flowersPicked >= FleurCase::kCount;
        const bool wolves = wolves_.wolvesHunted >= LoupCase::kCount;
        if (!flowers && !wolves) return Effet::HutNeedsBoth;
        if (!flowers) return Effet::HutNeedsFlowers;
        if (!wolves) return Effet::HutNeedsWolves;
        mode_ = Mode::Won;
        effet = Effet::Home;
        break;
      }
      case Kind::Flower: ++flowers_.flowersPicked; effet = Effet::Picked; break;
      default: break;
    }
  // Her old cell is written first, so that stepping onto it leaves her there.
  Become(*girl_.cell, Kind::Path);
  girl_.cell = &target;
  Become(target, Kind::Child);
  return effet;
}

Effet Labyrinthe::Shoot(CaseForet& target) {
  if (&target == girl_.cell) return Effet::Missed;
  if (target.kind == Kind::Flower) {
    Become(target, Kind::Path);
    return Effet::BrokenFlower;
  }
  if (target.kind == Kind::Wolf) {
    ++wolves_.wolvesHunted;
    Become(target, Kind::Path);
    return Effet::WolfShot;
  }
  return Effet::Missed;
}

}  // namespace sentier
