#include "Hexag.h"

#include "Random.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <utility>

namespace alveolo {
namespace {
// The six neighbours of (row, col): two in the row above, two beside, two below.
constexpr int kAround[6][2] = {{-1, 0}, {-1, 1}, {0, -1}, {0, 1}, {1, -1}, {1, 0}};
}  // namespace

int Hexag::ChooseImage(int minesAround) const {
  if (exploded) return flagged ? ImageExplodedFlag : ImageExploded;
  if (!revealed) return flagged ? ImageFlag : ImageHidden;
  if (mine) return ImageMine;
  return ImageNumber0 + std::clamp(minesAround, 0, 6);
}

TabpHexag::TabpHexag() { MakeCells(1); }

bool TabpHexag::Inside(int row, int col) const {
  const int last = 2 * size_ - 2;
  return row >= 0 && row <= last && col >= 0 && col <= last && row + col >= size_ - 1 && row + col <= 3 * size_ - 3;
}

void TabpHexag::MakeCells(int level) {
  level = std::clamp(level, 0, kLevelCount - 1);
  size_ = level + 2;
  mineCount_ = 0;
  lastRow_ = lastCol_ = -1;
  for (int r = 0; r < kTable; ++r)
    for (int c = 0; c < kTable; ++c) {
      Hexag& h = At(r, c);
      h = Hexag{};
      h.row = r;
      h.col = c;
      h.inside = Inside(r, c);
    }
}

void TabpHexag::NewGame(int level) {
  MakeCells(level);
  const int wanted = kMines[size_ - 2];
  // Draws until the mine lands on a free cell of the board; the smallest board
  // keeps its centre free. Every board has far more cells than mines.
  while (mineCount_ < wanted) {
    const int r = Random::Draw(kTable);
    const int c = Random::Draw(kTable);
    Hexag& h = At(r, c);
    if (!h.inside || h.mine || (size_ == 2 && r == 1 && c == 1)) continue;
    h.mine = true;
    ++mineCount_;
  }
}

bool TabpHexag::Load(const std::vector<std::string>& rows) {
  const int size = (static_cast<int>(rows.size()) + 1) / 2;
  if (size < 2 || size > kLevelCount + 1 || static_cast<int>(rows.size()) != 2 * size - 1) return false;
  for (int r = 0; r < 2 * size - 1; ++r) {
    const int cells = 2 * size - 1 - std::abs(size - 1 - r);
    if (static_cast<int>(rows[r].size()) != cells ||
        rows[r].find_first_not_of(".*fFo") != std::string::npos)
      return false;
  }
  MakeCells(size - 2);
  for (int r = 0; r < 2 * size - 1; ++r) {
    const int first = std::max(0, size - 1 - r);  // the row's leftmost column
    for (size_t k = 0; k < rows[r].size(); ++k) {
      Hexag& h = At(r, first + static_cast<int>(k));
      const char letter = rows[r][k];
      h.mine = letter == '*' || letter == 'F';
      h.flagged = letter == 'f' || letter == 'F';
      h.revealed = letter == 'o';
      mineCount_ += h.mine;
    }
  }
  return true;
}

Hexag* TabpHexag::CellAt(QPoint p) {
  // Rows are 36 pixels apart; the 5 pixels at the top of a row still belong
  // to the row above, whose lower point reaches into them.
  lastRow_ = (p.y() - 5) / 36;
  const int x = p.x() - 21 * lastRow_ - 1;
  lastCol_ = x < 0 ? -1 : x / 42;
  if (lastRow_ < 0 || lastRow_ >= kTable || lastCol_ < 0 || lastCol_ >= kTable) return nullptr;
  Hexag& h = At(lastRow_, lastCol_);
  return h.inside ? &h : nullptr;
}

template <class F>
int TabpHexag::CountAround(const Hexag& h, F test) const {
  int n = 0;
  for (const auto& d : kAround) {
    const int r = h.row + d[0], c = h.col + d[1];
    if (Inside(r, c) && test(At(r, c))) ++n;
  }
  return n;
}

int TabpHexag::Neighbours(const Hexag& h) const {
  return CountAround(h, [](const Hexag&) { return true; });
}
int TabpHexag::MinesAround(const Hexag& h) const {
  return CountAround(h, [](const Hexag& n) { return n.mine; });
}
int TabpHexag::FlagsAround(const Hexag& h) const {
  return CountAround(h, [](const Hexag& n) { return n.flagged; });
}
int TabpHexag::RevealedAround(const Hexag& h) const {
  return CountAround(h, [](const Hexag& n) { return n.revealed; });
}

bool TabpHexag::AllSafeRevealed() const {
  for (const Hexag& h : cells_)
    if (h.inside && !h.mine && !h.revealed) return false;
  return true;
}

void TabpHexag::RevealAll() {
  ForEachCell([](Hexag& h) { h.revealed = true; });
}

std::vector<Hexag*> TabpHexag::QuietCells() {
  std::vector<Hexag*> quiet;
  ForEachCell([&](Hexag& h) {
    if (!h.mine && !h.revealed && MinesAround(h) == 0) quiet.push_back(&h);
  });
  return quiet;
}

Hint TabpHexag::FindHint() const {
  auto demine = [this](const Hexag& h) {
    const int mines = MinesAround(h);
    return mines == FlagsAround(h) && mines + RevealedAround(h) < Neighbours(h);
  };
  auto lastPlace = [this](const Hexag& h) {
    return MinesAround(h) == 1 && Neighbours(h) - RevealedAround(h) == 1 && FlagsAround(h) == 0;
  };
  // Two mines around, both still hidden since mines show only at the end; the
  // child has flagged one of the two hidden cells, so the other is a mine too.
  auto secondMine = [this](const Hexag& h) {
    if (MinesAround(h) != 2 || Neighbours(h) - RevealedAround(h) != 2 || FlagsAround(h) != 1) return false;
    return CountAround(h, [](const Hexag& n) { return n.flagged && !n.revealed; }) == 1;
  };
  const std::pair<Rule, std::function<bool(const Hexag&)>> rules[] = {
      {Rule::Demine, demine}, {Rule::LastPlace, lastPlace}, {Rule::SecondMine, secondMine}};
  for (const auto& [rule, fits] : rules)
    for (int r = 0; r <= 2 * size_ - 2; ++r)
      for (int c = 0; c <= 2 * size_ - 2; ++c) {
        const Hexag& h = At(r, c);
        if (h.inside && h.revealed && !h.mine && fits(h)) return {rule, &h};
      }
  return {};
}

}  // namespace alveolo
