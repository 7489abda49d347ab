#pragma once
#include "BaseToSlip.h"
#include "Glissable.h"
#include "Rangs.h"
#include "Source.h"

#include <QRect>
#include <array>
#include <vector>

namespace motifs {

// The order in which the bar's cells make up a sequence, from the model offset on.
inline constexpr std::array<int, 12> kPatternOrder{1, 5, 4, 10, 11, 6, 2, 0, 9, 3, 8, 7};
constexpr int kColumns = 12;      // of the grid, and cells of the bar
constexpr int kBarEntries = 29;   // catalogue entries the abstract bars run through
constexpr int kPortraits = 29;    // the first of the twelve portraits of the odd levels

// How a dragged picture ends, in the order the cases are tried.
enum class Drop { OnModel, OnBar, NotToFill, OtherRow, WrongPicture, Accepted, RowDone, Won };

// The bar of the sequence games: twelve catalogue pictures and the offset the
// current sequence starts from.
class ToSlip : public BaseToSlip {
public:
  int modelOffset = 0;
};

// The rows of a sequence game: in the current row the model shows a sequence
// of c pictures twice, and the cells to fill must continue it with pictures
// dragged from the bar; four rows make a game.
class Frise {
public:
  Frise() : source_(41, 1) {}
  // The length of the sequences at `level`.
  static int SequenceLength(int level) { return 2 + level / 2; }

  // A new game at `level` in a board area of `width` x `height`: the grid laid
  // out, every cell to fill empty, the first row's bar and model drawn.
  void NewGame(int level, int width, int height);
  // The next row: new bar and model; the filled cells of earlier rows stay.
  void NextRow();

  Zone ZoneAt(QPoint p) const;
  // The picture of bar cell `barCell` let go at `p`: judged, and put in the
  // cell to fill when it fits there.
  Drop Release(QPoint p, int barCell);
  bool RowComplete() const;

  int Length() const { return c_; }
  int CurrentRow() const { return currentRow_; }  // 0 .. 3, the red-framed row
  // The picture cell to fill `j` of the current row must get.
  int Expected(int j) const { return sequence_[static_cast<size_t>(j % c_)]; }
  const std::vector<int>& Sequence() const { return sequence_; }
  int GapX() const { return gapX_; }
  int GapY() const { return gapY_; }
  int X(int column) const { return gapX_ + column * (kCell + gapX_); }
  int Y(int row) const { return gapY_ + row * (kCell + gapY_); }
  QRect GreyZone() const;
  int Width() const { return width_; }

  Modele& Models() { return modele_; }
  const Modele& Models() const { return modele_; }
  ToFill& Fill() { return toFill_; }
  const ToFill& Fill() const { return toFill_; }
  ToSlip& Bar() { return bar_; }
  const ToSlip& Bar() const { return bar_; }
  const Source& Catalogue() const { return source_; }
  const CaseMotif* LastFilled() const { return lastFilled_; }

  // For tests: the row and the bar's and model's offsets set as if drawn.
  void SetUp(int row, int barOffset, int modelOffset);

private:
  // The bar, then the model of the current row, from two random draws.
  void Generate();
  void LayBar(int barOffset);
  void MakeModel(int modelOffset);

  Source source_;
  Modele modele_;
  ToFill toFill_;
  ToSlip bar_;
  std::vector<int> sequence_;
  CaseMotif* lastFilled_ = nullptr;
  int level_ = 0, c_ = 2, currentRow_ = 0;
  int width_ = 0, gapX_ = 0, gapY_ = 0;
};

}  // namespace motifs
