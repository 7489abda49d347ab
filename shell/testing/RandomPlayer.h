#pragma once
#include <QPoint>
#include <QRect>
#include <chrono>
#include <deque>
#include <random>
#include <string>
#include <vector>

class GameHarness;

// What a run of the random player saw: how many events it played, the slowest
// one, and the first failure, worded so that the run can be replayed.
struct PlayReport {
  int events = 0;
  double slowestMs = 0;
  std::string slowestEvent;
  bool ok = true;
  std::string failure;
};

// Plays a game at random through the harness, for finding crashes, hangs and
// slow events, not for winning. Gentle by default: clicks, drags and moves in
// the drawing area, the keys and commands it is given, stepped timers, and it
// never quits; where the window has scroll bars it clicks their arrows and
// pages, drags their thumbs and turns the wheel over them. Hostile on request: every button and double clicks, drags that
// leave the window far and end outside it, keys of every kind (and presses or
// releases without their pair), every command of the window by its menu item,
// its button and its id, unknown ids, the close box, and dialogs answered both
// ways; when the child's "yes" quits the program it is started again. Each
// event is timed; one slower than the limit ends the run as a failure that
// names the seed and the last events.
class RandomPlayer {
public:
  RandomPlayer(GameHarness& harness, unsigned seed) : harness_(harness), seed_(seed), rng_(seed) {}
  void SetCommands(std::vector<int> commands) { commands_ = std::move(commands); }
  void SetKeys(std::vector<int> keys) { keys_ = std::move(keys); }
  void SetHostile(bool hostile) { hostile_ = hostile; }
  // Rectangles of the drawing area where the game's input matters most: half
  // of the points fall inside one of them.
  void SetAims(std::vector<QRect> aims) { aims_ = std::move(aims); }
  void SetEventLimit(std::chrono::milliseconds limit) { limit_ = limit; }
  // An event still running after this long stops the whole process, printing
  // the seed and the last events: a hang would otherwise stop nothing.
  void SetHangLimit(std::chrono::milliseconds limit) { hangLimit_ = limit; }

  // Plays `steps` events; the messages shown along the way are discarded.
  PlayReport Play(int steps);
  // Every event of the last Play, in order, as text.
  const std::vector<std::string>& Events() const { return events_; }

private:
  int Pick(int count) { return count > 0 ? std::uniform_int_distribution<int>(0, count - 1)(rng_) : 0; }
  QPoint Point();
  QPoint FarPoint();
  int AnyKey();
  int AnyCommand();
  void Step();
  void HostileStep();
  bool ScrollStep();
  void Log(std::string event) { events_.push_back(std::move(event)); }
  std::string Tail() const;

  GameHarness& harness_;
  unsigned seed_;
  std::mt19937 rng_;
  std::vector<int> commands_;
  std::vector<int> keys_;
  std::vector<QRect> aims_;
  bool hostile_ = false;
  std::chrono::milliseconds limit_{1000};
  std::chrono::milliseconds hangLimit_{30000};
  std::vector<std::string> events_;
};
