#pragma once
#include "AfiNHoriCase_1ToClic.h"
#include "Arbre.h"
#include "CaseToAfi.h"
#include "Source.h"
#include "Tacot.h"

#include <QPoint>

class JeuANNiv;

namespace visado {

inline constexpr int kLevels = 6;
inline constexpr int kBurstSteps = 10;  // steps of the jalopy per tick of the race
inline constexpr int kCentreSide = 79;  // placing size of the centre cell

// Pictures in the row at `level`: 3, 5, 7, ... 13.
int RowCount(int level);

enum class StartOutcome { Started, Ignored, Over };
enum class PressOutcome { NotStarted, Gap, Wrong, Right, Over };
enum class StepOutcome { Stopped, Moved, Arrived };

// The race (course), without a window: a row of pictures, the picture to find
// in the centre, and a jalopy driving toward a tree. The phase is the game
// state's: 0 ready, 1 racing, 2 over. The race advances by bursts of steps, one
// burst per tick; the jalopy reaching the tree starts the leaf fall.
class Course {
public:
  explicit Course(JeuANNiv& jeu) : jeu_(jeu) {}

  // A new game at `level` on a board of `width` x `height`: every place, the
  // jalopy back at 0, the row taken from the catalogue at a random offset and
  // the centre picture one of the row's, at random.
  void NewGame(int level, int width, int height);

  // The start command: the race begins in phase 0 only.
  StartOutcome Start();
  // A tick of the race clock: true when a burst of steps begins, which only
  // happens in a race with no burst and no leaf fall still running.
  bool Tick();
  // One step of the running burst. Stopped when no burst runs or the race is
  // over; Arrived when the jalopy reaches the tree, which ends the game and
  // starts the leaf fall.
  StepOutcome Step();
  bool Bursting() const { return burstLeft_ > 0; }
  // The next tree picture of the leaf fall (0 .. 8), or -1 once all are shown.
  int NextLeaf();
  bool Falling() const { return leaf_ >= 0 && leaf_ < Arbre::kPictures; }
  // A left press in phase 0 or 1; a picture of the row ends the game.
  PressOutcome Press(QPoint p);

  AfiNHoriCase_1ToClic row;
  CaseToAfi centre;
  Source source;
  Tacot tacot;
  Arbre arbre;
  int roadY = 0;
  int k = 0;          // steps made since the start
  int previousX = 0;  // the jalopy's place before the last step

private:
  JeuANNiv& jeu_;
  int burstLeft_ = 0;
  int leaf_ = -1;  // next picture of the leaf fall; -1 while the tree stands
};

}  // namespace visado
