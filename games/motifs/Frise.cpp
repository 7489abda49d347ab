#include "Frise.h"

#include "Random.h"

namespace motifs {

void Frise::NewGame(int level, int width, int height) {
  level_ = level;
  c_ = SequenceLength(level);
  width_ = width;
  gapX_ = (width - kColumns * kCell) / 13;
  gapY_ = (height - 6 * kCell) / 7;
  currentRow_ = 0;
  lastFilled_ = nullptr;
  modele_.used = 2 * c_;
  toFill_.used = kColumns - 2 * c_;
  for (int r = 0; r < kRows; ++r)
    for (int j = 0; j < kRowCells; ++j) {
      CaseMotif& m = modele_.At(r, j);
      m.row = r, m.column = j;
      m.Lay(X(j), Y(r));
      m.Clear();
      CaseMotif& f = toFill_.At(r, j);
      f.row = r, f.column = j;
      f.Lay(X(2 * c_ + j), Y(r));
      f.Clear();
    }
  bar_.SetCount(kColumns);
  for (int i = 0; i < kColumns; ++i) bar_.At(i).Lay(X(i), Y(5));
  bar_.picked = -1;
  Generate();
}

void Frise::NextRow() {
  ++currentRow_;
  lastFilled_ = nullptr;
  Generate();
}

void Frise::Generate() {
  const int barOffset = level_ % 2 == 0 ? Random::Draw(kBarEntries) : 0;
  LayBar(barOffset);
  MakeModel(Random::Draw(kColumns));
}

void Frise::SetUp(int row, int barOffset, int modelOffset) {
  currentRow_ = row;
  LayBar(barOffset);
  MakeModel(modelOffset);
}

void Frise::LayBar(int barOffset) {
  source_.offset = barOffset;
  for (int i = 0; i < kColumns; ++i) {
    const int entry = level_ % 2 == 0 ? (i + barOffset) % kBarEntries : kPortraits + i;
    bar_.At(i).picture = source_.Picture(entry);
  }
}

void Frise::MakeModel(int modelOffset) {
  bar_.modelOffset = modelOffset;
  sequence_.assign(static_cast<size_t>(c_), kEmpty);
  for (int i = 0; i < c_; ++i) {
    const int picture = bar_.At(kPatternOrder[static_cast<size_t>((i + modelOffset) % kColumns)]).picture;
    sequence_[static_cast<size_t>(i)] = picture;
    modele_.At(currentRow_, i).picture = picture;
    modele_.At(currentRow_, i + c_).picture = picture;
  }
}

QRect Frise::GreyZone() const {
  return QRect(QPoint(gapX_ / 2, gapY_ / 2), QPoint(X(2 * c_ - 1) + kCell + gapX_ / 2 - 1, Y(3) + kCell + gapY_ / 2 - 1));
}

Zone Frise::ZoneAt(QPoint p) const {
  if (modele_.Hit(p)) return OnModel;
  if (toFill_.Hit(p)) return OnToFill;
  if (bar_.CellAt(p) >= 0) return OnBar;
  return Nothing;
}

Drop Frise::Release(QPoint p, int barCell) {
  if (modele_.Hit(p)) return Drop::OnModel;
  if (bar_.CellAt(p) >= 0) return Drop::OnBar;
  const CaseMotif* hit = toFill_.Hit(p);
  if (!hit) return Drop::NotToFill;
  if (hit->row != currentRow_) return Drop::OtherRow;
  const int picture = bar_.At(barCell).picture;
  if (Expected(hit->column) != picture) return Drop::WrongPicture;
  CaseMotif& cell = toFill_.At(hit->row, hit->column);
  cell.picture = picture;
  lastFilled_ = &cell;
  if (!RowComplete()) return Drop::Accepted;
  return currentRow_ == kRows - 1 ? Drop::Won : Drop::RowDone;
}

bool Frise::RowComplete() const {
  for (int j = 0; j < toFill_.used; ++j)
    if (toFill_.At(currentRow_, j).picture != Expected(j)) return false;
  return true;
}

}  // namespace motifs
