#pragma once
#include "BaseToSlip.h"
#include "Glissable.h"
#include "Source.h"

#include <QLine>
#include <array>

namespace nevado {

constexpr int kMaxArms = 7;  // model cells, and cells to fill, at the last level
constexpr int kMotifs = 27;  // catalogue entries 1 .. 27

// How a dragged motif ends, in the order the cases are tried.
enum class Drop { OnModel, OnBar, Elsewhere, Placed, Won, Wrong };

// The snowflake: c model motifs round a circle, each joined by a diameter of
// its own colour to the cell to fill opposite it, and a bar of 2c consecutive
// motifs in two columns at the left and right edges. A drop on a cell to fill
// is always taken; the flake is judged once every cell to fill holds a motif.
class Flocon {
public:
  Flocon() : source_(28, 0) {}
  static int Arms(int level) { return level + 2; }

  // A new flake at `level` in a board area of `width` x `height`: everything
  // laid out from the area, the bar and the models drawn, the cells emptied.
  void NewGame(int level, int width, int height);

  motifs::Zone ZoneAt(QPoint p) const;
  // The motif of bar cell `barCell` let go at `p`.
  Drop Release(QPoint p, int barCell);
  // Cell to fill `i` shows the motif of model `i`.
  bool Matches(int i) const { return toFill_[static_cast<size_t>(i)].picture == modele_[static_cast<size_t>(i)].picture; }

  int Count() const { return c_; }
  int Gap() const { return gap_; }
  int Radius() const { return radius_; }
  QPoint Centre() const { return centre_; }
  // Diameter `i`, from the centre of cell to fill `i` to that of model `i`.
  QLine Diameter(int i) const;
  motifs::CaseMotif& Model(int i) { return modele_[static_cast<size_t>(i)]; }
  const motifs::CaseMotif& Model(int i) const { return modele_[static_cast<size_t>(i)]; }
  motifs::CaseMotif& Fill(int i) { return toFill_[static_cast<size_t>(i)]; }
  const motifs::CaseMotif& Fill(int i) const { return toFill_[static_cast<size_t>(i)]; }
  motifs::BaseToSlip& Bar() { return bar_; }
  const motifs::BaseToSlip& Bar() const { return bar_; }
  const motifs::Source& Catalogue() const { return source_; }
  int ModelOffset() const { return modelOffset_; }
  int LastFilled() const { return lastFilled_; }  // the cell to fill of the last drop taken

private:
  void Lay(int width, int height);
  static QPoint CentreOf(const motifs::CaseMotif& cell) { return {cell.left + 24, cell.top + 24}; }

  motifs::Source source_;
  motifs::BaseToSlip bar_;
  std::array<motifs::CaseMotif, kMaxArms> modele_, toFill_;
  int c_ = 2, gap_ = 0, radius_ = 0, modelOffset_ = 0, lastFilled_ = -1;
  QPoint centre_;
};

}  // namespace nevado
