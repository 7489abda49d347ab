#include "Escalier.h"

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
  firstChangedStep_ = kSteps;
}

void Escalier::ResetSteps() {
  for (CaseMarche& s : steps_) s.look = PlainStep;
  figure_ = kSteps - 1;
  steps_[figure_].look = FigureOnStep;
}

void Escalier::SetStep(int i, int look) {
  if (steps_[i].look == look) return;
  steps_[i].look = look;
  firstChangedStep_ = std::min(firstChangedStep_, i);
}

void Escalier::SetPlace(int i, int look) {
  places_[i].look = look;
  if (placeChanged) placeChanged(places_[i]);
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
        firstChangedStep_ = 0;
        move = Move::LapEnded;
      } else {
        move = Move::Won;
      }
    }
  }
  if (firstChangedStep_ < kSteps && stepsChanged) stepsChanged(firstChangedStep_);
  firstChangedStep_ = kSteps;
  return move;
}

}  // namespace peldano
