#pragma once
#include "Window.h"

#include <vector>

// Window timers whose ticks the test steps: nothing ticks until Step is called.
class SteppedTimers : public TimerDriver {
public:
  void Start(TWindow* window, int id, int milliseconds) override;
  void Stop(TWindow* window, int id) override;
  // Advances the clock by `milliseconds`, delivering every tick that falls due, in order.
  void Step(int milliseconds);
  bool Running(TWindow* window, int id) const;

private:
  struct Timer {
    TWindow* window;
    int id;
    int interval;
    long long due;
  };
  std::vector<Timer> timers_;
  long long now_ = 0;
};
