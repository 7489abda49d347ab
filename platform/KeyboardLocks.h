#pragma once
#include <QAbstractNativeEventFilter>
#include <functional>
#include <memory>
#include <optional>

// Caps Lock and Num Lock, each on or off, or not known at all.
struct LockState {
  bool known = false;
  bool capsLock = false;
  bool numLock = false;
  friend bool operator==(const LockState&, const LockState&) = default;
};

// Where the status bar learns the lock state: from the display server where it
// tells it (X11, through its keyboard extension, which reports every change),
// from nowhere elsewhere (Wayland, offscreen: the state stays unknown). Tests
// set the state themselves.
class TKeyboardLocks {
public:
  // `changed` hears every change of the state after the first.
  explicit TKeyboardLocks(std::function<void(const LockState&)> changed);
  ~TKeyboardLocks();
  TKeyboardLocks(const TKeyboardLocks&) = delete;
  TKeyboardLocks& operator=(const TKeyboardLocks&) = delete;

  const LockState& State() const { return state_; }

  // Gives every watcher, now and later, `state` as if the display server had
  // told it; nullopt lets the display server speak again.
  static void SetForTesting(std::optional<LockState> state);

private:
  void Set(const LockState& state);

  std::function<void(const LockState&)> changed_;
  LockState state_;
  LockState told_;  // by the display server
  std::unique_ptr<QAbstractNativeEventFilter> source_;
};
