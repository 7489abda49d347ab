#pragma once
#include "Ecran.h"
#include "Frise.h"
#include "FriseTexts.h"
#include "Glisse.h"
#include "JeuFrise.h"

#include <functional>

class TDC;
class TGameWindow;

namespace motifs {

// Shows `m` with picture `picture` and an OK button.
void Say(TGameWindow& w, const Message& m, int picture);

// The board screen of the sequence games: presses, releases and moves go to the
// drag layer; it answers them with the rules' outcomes, draws the whole board
// and writes the counts.
class FriseEcran : public Ecran, public Glissable {
public:
  FriseEcran(TGameWindow& w, JeuFrise& jeu, const FriseTexts& texts);

  void LButtonDown(QPoint p) override { glisse_.Mouse().LButtonDown(p); }
  void LButtonUp(QPoint p) override { glisse_.Mouse().LButtonUp(p); }
  void MouseMove(QPoint p, unsigned flags) override { glisse_.Mouse().MouseMove(p, flags); }
  // The white screen, the grey zone, the cells to fill, the bar, the red frame,
  // the texts and the models, in that order on both surfaces.
  void DrawAll() override;
  // Every object of a new game reset, in order: counts, board, drag.
  void NewGame();

  Zone Press(QPoint p) override;
  BaseToSlip& Bar() override { return frise_.Bar(); }
  void Dropped(QPoint p, int barCell) override;
  bool Busy() const override { return busy && busy(); }

  Frise& Board() { return frise_; }
  Glisse& Drag() { return glisse_; }
  // Run at the end of every full redraw; and, while it says so, the mouse does nothing.
  std::function<void()> afterRedraw;
  std::function<bool()> busy;

private:
  void DrawGreyZone(TDC& dc);
  void DrawRedFrame(TDC& dc);
  void DrawCells(TDC& dc, bool models);

  TGameWindow& w_;
  JeuFrise& jeu_;
  const FriseTexts& texts_;
  Frise frise_;
  Glisse glisse_{w_, *this};
};

}  // namespace motifs
