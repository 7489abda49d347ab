#pragma once
#include "Case.h"

#include <array>
#include <functional>

namespace peldano {

inline constexpr int kStepWidth = 49, kStepHeight = 76;
inline constexpr int kSteps = 9, kPlaces = 5;
inline constexpr int kFirstStepPicture = 5;  // the four looks follow the five forms

// The looks of a step or a platform place, in picture order.
enum Look { PlainStep = 0, FilledPlace = 1, FigureOnStep = 2, EmptyPlace = 3 };

// A step of the staircase or a place of the platform, 49 x 76.
class CaseMarche : public Case {
public:
  int look = PlainStep;
  // The picture that shows this look.
  int Picture() const { return kFirstStepPicture + look; }
};

// What a correct answer did to the figure.
enum class Move { Climbed, Walked, LapEnded, Won };

// The nine steps, descending to the right from the platform, and the five
// places of the platform at their top, with the figure that climbs the steps
// and then walks the platform, one step per correct answer. Each lap leaves
// one figure on the platform, from the leftmost place to the rightmost.
class Escalier {
public:
  // Everything as at the start: plain steps with the figure on the lowest
  // (step 8), empty places; `top` is the y of step 0.
  void Reset(int top);
  // One correct answer: the figure moves one step up or one place on; what
  // changed is reported to the callbacks below.
  Move Advance();

  CaseMarche& Step(int i) { return steps_[i]; }
  const CaseMarche& Step(int i) const { return steps_[i]; }
  CaseMarche& Place(int i) { return places_[i]; }
  const CaseMarche& Place(int i) const { return places_[i]; }
  int FigureStep() const { return figure_; }
  int FigurePlace() const { return place_; }  // kPlaces while on the staircase
  int Lap() const { return lap_; }            // -1 during the first lap

  // Told, during an answer, of each place whose look it changed, in turn.
  std::function<void(CaseMarche& place)> placeChanged;
  // Told, at the end of an answer that changed steps, of the lowest step to
  // show again (step 0 when a lap ends and the staircase starts afresh). The
  // steps overlap: each covers the lower right of the one before and is
  // covered by the one after, so that step is shown again with every step
  // after it, in order.
  std::function<void(int firstStep)> stepsChanged;

private:
  void SetStep(int i, int look);
  void SetPlace(int i, int look);
  void ResetSteps();

  std::array<CaseMarche, kSteps> steps_;
  std::array<CaseMarche, kPlaces> places_;
  int figure_ = kSteps - 1;
  int place_ = kPlaces;
  int lap_ = -1;
  int firstChangedStep_ = kSteps;  // kSteps while no step changed
};

}  // namespace peldano
