#include "KeyboardLocks.h"

#ifdef TAVRENO_XKB_LOCKS
#include "XkbLockWatcher.h"
#endif

#include <algorithm>
#include <vector>

namespace {
std::optional<LockState>& TestState() {
  static std::optional<LockState> state;
  return state;
}
std::vector<TKeyboardLocks*>& Watchers() {
  static std::vector<TKeyboardLocks*> watchers;
  return watchers;
}
}  // namespace

TKeyboardLocks::TKeyboardLocks(std::function<void(const LockState&)> changed) : changed_(std::move(changed)) {
#ifdef TAVRENO_XKB_LOCKS
  source_ = XkbLockWatcher::Start([this](const LockState& told) {
    told_ = told;
    if (!TestState()) Set(told);
  });
  if (auto* xkb = static_cast<XkbLockWatcher*>(source_.get())) told_ = xkb->State();
#endif
  state_ = TestState() ? *TestState() : told_;
  Watchers().push_back(this);
}

TKeyboardLocks::~TKeyboardLocks() { std::erase(Watchers(), this); }

void TKeyboardLocks::Set(const LockState& state) {
  if (state == state_) return;
  state_ = state;
  if (changed_) changed_(state_);
}

void TKeyboardLocks::SetForTesting(std::optional<LockState> state) {
  TestState() = state;
  for (TKeyboardLocks* w : Watchers()) w->Set(state ? *state : w->told_);
}
