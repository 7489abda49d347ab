#pragma once
#include "GameHarness.h"

#include <QRect>
#include <functional>
#include <memory>
#include <string>
#include <vector>

struct GameConfig;

// A program the soak plays: how to start it, its config (for its level
// commands) and, where the player could not reach a part of it by chance, the
// rectangles of the drawing area to aim at.
struct SoakGame {
  std::string name;
  std::function<std::unique_ptr<GameHarness>(const GameHarness::Options&)> start;
  std::function<const GameConfig&()> config;
  std::vector<QRect> aims;
  // The child may drag the game's windows partly out of the drawing area, as
  // long as a grip of each caption stays inside it.
  bool framesMove = false;
};

// Every game of the suite.
std::vector<SoakGame> SoakGames();
// Games that exist to prove the soak catches faults; never played unless named.
std::vector<SoakGame> FaultyGames();
