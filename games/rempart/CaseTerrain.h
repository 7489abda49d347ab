#pragma once
#include "Case.h"

namespace rempart {

// Numbers of the pictures in the window's table.
enum Picture {
  PicAttacker = 0,  // the attacker without the ball
  PicDefenderWithBall = 1,
  PicDefender = 2,
  PicGrass = 3,
  PicTrail = 4,  // grass with a red star
  PicUp = 6, PicBack = 7, PicLeft = 8, PicRight = 9,
  PicUpDone = 10, PicBackDone = 11, PicRightDone = 12, PicLeftDone = 13,
  PicEmptySlot = 14,
  PicFirstDialog = 16,  // the six dialog pictures, 16 to 21
  PicGoalWithBall = 22, PicGoal = 23, PicAttackerWithBall = 24,
};

// What a pitch cell holds.
enum class Kind { Defender, DefenderWithBall, Grass, Trail };

inline bool IsDefender(Kind k) { return k == Kind::Defender || k == Kind::DefenderWithBall; }

constexpr int kCellWidth = 43;
constexpr int kCellHeight = 71;

// A cell of the pitch.
class CaseTerrain : public Case {
public:
  int row = 0, column = 0;
  Kind kind = Kind::Grass;

  int Picture() const {
    switch (kind) {
      case Kind::Defender: return PicDefender;
      case Kind::DefenderWithBall: return PicDefenderWithBall;
      case Kind::Trail: return PicTrail;
      case Kind::Grass: break;
    }
    return PicGrass;
  }
};

// The attacker: where it is, where it started (a replay starts there again),
// and whether it still has the ball.
class PlayerCase : public Case {
public:
  int row = 0, column = 0;
  int startRow = 0, startColumn = 0;
  bool ball = true;
  int Picture() const { return ball ? PicAttackerWithBall : PicAttacker; }
};

// The goal at the top of the pitch, above its sky strip and its green strip.
class But : public Case {
public:
  static constexpr int kWidth = 137, kHeight = 55, kSky = 32;
  bool ballIn = false;
  int Picture() const { return ballIn ? PicGoalWithBall : PicGoal; }
};

}  // namespace rempart
