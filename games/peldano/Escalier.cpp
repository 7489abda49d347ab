#include "Escalier.h"

#include "DC.h"
#include "GameWindow.h"
#include "Globals.h"

#include <algorithm>

namespace peldano {

void Escalier::Reset(int top) {
  for (int i = 0; i < kPlaces; ++i) {
    places_[i].Place(kStepWidth, kStepHeight, 49 + 49 * i, top - 22);
    places_[i].look = EmptyPlace;
  }
  for (int i = 0; i < kSteps; ++i) steps_[i].Place(kStepWidth, kStepHeight, 294 + 32 * i, top + 22 * i);
  place_ = kPlaces;
  lap_ = -1;
  ResetSteps();
  stepsChanged_ = kSteps;
}

void Escalier::ResetSteps() {
  for (CaseMarche& s : steps_) s.look = PlainStep;
  figure_ = kSteps - 1;
  steps_[figure_].look = FigureOnStep;
}

void Escalier::SetStep(int i, int look) {
  if (steps_[i].look == look) return;
  steps_[i].look = look;
  stepsChanged_ = std::min(stepsChanged_, i);
}

void Escalier::SetPlace(int i, int look) {
  places_[i].look = look;
  gGameWindow->DrawBoth([this, i](TDC& dc) { places_[i].Draw(dc); });
}

Move Escalier::Advance() {
  Move move = Move::Climbed;
  SetStep(figure_, PlainStep);
  if (figure_ > 0) {
    --figure_;
    SetStep(figure_, FigureOnStep);
  } else {
    if (place_ < kPlaces) SetPlace(place_, EmptyPlace);
    --place_;
    SetPlace(place_, FilledPlace);
    move = Move::Walked;
    if (place_ == lap_ + 1) {
      if (place_ != kPlaces - 1) {
        place_ = kPlaces;
        ++lap_;
        ResetSteps();
        stepsChanged_ = 0;
        move = Move::LapEnded;
      } else {
        move = Move::Won;
      }
    }
  }
  // The steps overlap: each covers the lower right of the one before and is
  // covered by the one after, so a changed step is drawn again with every
  // step after it, in the order the whole staircase is drawn.
  if (stepsChanged_ < kSteps) {
    const int from = stepsChanged_;
    gGameWindow->DrawBoth([this, from](TDC& dc) { DrawSteps(dc, from); });
  }
  stepsChanged_ = kSteps;
  return move;
}

void Escalier::DrawSteps(TDC& dc, int from) {
  for (int i = from; i < kSteps; ++i) steps_[i].Draw(dc);
}

void Escalier::Draw(TDC& dc) {
  for (CaseMarche& p : places_) p.Draw(dc);
  DrawSteps(dc, 0);
}

}  // namespace peldano
