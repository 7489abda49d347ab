#pragma once
#include <random>
#include <vector>

class GameHarness;

// Plays a game at random through the harness: clicks, presses, drags, moves,
// keys and commands, with random answers to the dialogs. For finding crashes
// and hangs, not for winning.
class RandomPlayer {
public:
  RandomPlayer(GameHarness& harness, unsigned seed) : harness_(harness), rng_(seed) {}
  void SetCommands(std::vector<int> commands) { commands_ = std::move(commands); }
  void SetKeys(std::vector<int> keys) { keys_ = std::move(keys); }
  // Plays `steps` actions; messages shown along the way are discarded.
  void Play(int steps);

private:
  int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(rng_); }
  void Step();

  GameHarness& harness_;
  std::mt19937 rng_;
  std::vector<int> commands_;
  std::vector<int> keys_;
};
