#include "Course.h"

#include "GameState.h"
#include "Random.h"

#include <algorithm>

namespace visado {

int RowCount(int level) { return 3 + 2 * std::clamp(level, 0, kLevels - 1); }

void Course::NewGame(int level, int width, int height) {
  const int n = RowCount(level);
  k = 0;
  burstLeft_ = 0;
  leaf_ = -1;
  row.Place(n, width);
  centre.Place(kCentreSide, kCentreSide, width / 2 - kCentreSide / 2, height / 2 - kCentreSide / 2);
  // The road lies one picture below 4/5 of the height; the tree stands on it,
  // nearer the start the more pictures there are to look through.
  const double ground = 0.8 * height;
  tacot.x = previousX = 0;
  tacot.y = static_cast<int>(ground);
  arbre.x = static_cast<int>(width - (kSide + 0.75 * kSide * n));
  arbre.y = static_cast<int>(ground - (Arbre::kSide - kSide));
  roadY = static_cast<int>(ground + kSide);
  source.offset = Random::Draw(Source::kCount);
  for (int i = 0; i < n; ++i) row.Cell(i).picture = source.Picture(i);
  centre.picture = row.Cell(Random::Draw(n)).picture;
}

StartOutcome Course::Start() {
  if (jeu_.phase == PhaseFinished) return StartOutcome::Over;
  if (jeu_.phase == PhaseInProgress) return StartOutcome::Ignored;
  jeu_.phase = PhaseInProgress;
  return StartOutcome::Started;
}

bool Course::Tick() {
  if (jeu_.phase != PhaseInProgress || Bursting() || Falling()) return false;
  burstLeft_ = kBurstSteps;
  return true;
}

StepOutcome Course::Step() {
  if (jeu_.phase != PhaseInProgress || !Bursting()) {
    burstLeft_ = 0;
    return StepOutcome::Stopped;
  }
  --burstLeft_;
  previousX = tacot.x;
  ++k;
  tacot.x = tacot.step * k;
  if (tacot.x < arbre.x) return StepOutcome::Moved;
  jeu_.phase = PhaseFinished;
  burstLeft_ = 0;
  leaf_ = 0;
  return StepOutcome::Arrived;
}

int Course::NextLeaf() { return Falling() ? leaf_++ : -1; }

PressOutcome Course::Press(QPoint p) {
  if (jeu_.phase == PhaseNotStarted) return PressOutcome::NotStarted;
  if (jeu_.phase != PhaseInProgress) return PressOutcome::Over;
  const int hit = row.Hit(p);
  if (hit < 0) return PressOutcome::Gap;
  row.lastClick = hit;
  jeu_.phase = PhaseFinished;
  burstLeft_ = 0;
  return row.Cell(hit).picture == centre.picture ? PressOutcome::Right : PressOutcome::Wrong;
}

}  // namespace visado
