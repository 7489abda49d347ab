#include "ToSlip.h"

#include "Random.h"

#include <algorithm>

namespace torreta {

void ToSlip::NewGame(int level, int width, int height) {
  Layout(kColumns[std::clamp(level, 0, static_cast<int>(kColumns.size()) - 1)], width, height);
  do Generate();
  while (Solved());
}

void ToSlip::Generate() {
  for (int c = 0; c < columns_; ++c) At(0, c).kind = kEmpty;
  for (int r = 1; r < rows_; ++r)
    for (int c = 0; c < Example(); ++c) At(r, c).kind = Random::Draw(kKinds);
  // Row i of the example copies a disc of column i, from any of its filled rows.
  for (int i = 1; i < rows_; ++i) At(i, Example()).kind = At(Random::Draw(rows_ - 1) + 1, i).kind;
}

void ToSlip::Load(const std::vector<std::string>& rows, int width, int height) {
  std::vector<std::string> clean;
  for (const std::string& row : rows) {
    std::string s = row;
    s.erase(std::remove(s.begin(), s.end(), '|'), s.end());
    clean.push_back(s);
  }
  Layout(clean.empty() ? 0 : static_cast<int>(clean[0].size()), width, height);
  for (int r = 0; r < rows_ && r < static_cast<int>(clean.size()); ++r)
    for (int c = 0; c < columns_ && c < static_cast<int>(clean[r].size()); ++c) {
      const char k = clean[r][c];
      At(r, c).kind = k >= '0' && k < '0' + kKinds ? k - '0' : kEmpty;
    }
}

Press ToSlip::Pick(QPoint p) {
  picked = nullptr;
  CaseDisque* s = SlotAt(p);
  if (!s || s->Empty()) return Press::Nothing;
  if (s->column == Example()) return Press::ExampleDisc;
  if (s->row > 0 && !At(s->row - 1, s->column).Empty()) return Press::Blocked;
  picked = s;
  offset = p - QPoint(s->left, s->top);
  return Press::Drag;
}

Drop ToSlip::Release(QPoint p) {
  CaseDisque* from = picked;
  picked = nullptr;
  if (!from) return Drop::None;
  target = TargetAt(p);
  if (!target) return Drop::Outside;
  if (target == from) return Drop::Home;
  if (!target->Empty()) return Drop::OntoDisc;
  if (target->column == Example()) return Drop::OntoExample;
  if (target->column == from->column) return Drop::OwnColumn;
  while (target->row + 1 < rows_ && At(target->row + 1, target->column).Empty())
    target = &At(target->row + 1, target->column);
  target->kind = from->kind;
  from->kind = kEmpty;
  return Solved() ? Drop::Won : Drop::Moved;
}

bool ToSlip::Matches(int column) const {
  for (int r = 0; r < rows_; ++r)
    if (At(r, column).kind != At(r, Example()).kind) return false;
  return true;
}

bool ToSlip::Solved() const {
  for (int c = 0; c < Example(); ++c)
    if (Matches(c)) return true;
  return false;
}

std::vector<std::string> ToSlip::Text() const {
  std::vector<std::string> rows;
  for (int r = 0; r < rows_; ++r) {
    std::string row;
    for (int c = 0; c < columns_; ++c) {
      if (c == Example()) row += '|';
      row += At(r, c).Empty() ? '.' : static_cast<char>('0' + At(r, c).kind);
    }
    rows.push_back(row);
  }
  return rows;
}

}  // namespace torreta
