#include "SteppedTimers.h"

#include <algorithm>

void SteppedTimers::Start(TWindow* window, int id, int milliseconds) {
  Stop(window, id);
  timers_.push_back({window, id, std::max(1, milliseconds), now_ + std::max(1, milliseconds)});
}

void SteppedTimers::Stop(TWindow* window, int id) {
  std::erase_if(timers_, [&](const Timer& t) { return t.window == window && t.id == id; });
}

bool SteppedTimers::Running(TWindow* window, int id) const {
  return std::any_of(timers_.begin(), timers_.end(), [&](const Timer& t) { return t.window == window && t.id == id; });
}

void SteppedTimers::Step(int milliseconds) {
  const long long end = now_ + milliseconds;
  for (;;) {
    auto next = std::min_element(timers_.begin(), timers_.end(), [](const Timer& a, const Timer& b) { return a.due < b.due; });
    if (next == timers_.end() || next->due > end) break;
    now_ = next->due;
    next->due += next->interval;
    TWindow* window = next->window;
    const int id = next->id;
    Tick(window, id);  // may start or stop timers
  }
  now_ = end;
}
