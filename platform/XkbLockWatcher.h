#pragma once
#include "KeyboardLocks.h"

#include <QAbstractNativeEventFilter>
#include <cstdint>
#include <functional>
#include <memory>

struct xcb_connection_t;

// The lock state as an X server's keyboard extension reports it: read once,
// then followed through the extension's state events, which Qt's event loop
// hands to this filter. No polling.
class XkbLockWatcher : public QAbstractNativeEventFilter {
public:
  // The watcher of the application's X connection, or nullptr where the
  // application does not run on X11 or the server has no keyboard extension.
  static std::unique_ptr<QAbstractNativeEventFilter> Start(std::function<void(const LockState&)> changed);
  ~XkbLockWatcher() override;

  LockState State() const;
  bool nativeEventFilter(const QByteArray& type, void* message, qintptr* result) override;

private:
  XkbLockWatcher(xcb_connection_t* connection, uint8_t firstEvent, std::function<void(const LockState&)> changed);
  // Which real modifier Num Lock locks, as the keymap says.
  void ReadNumLockMask();

  xcb_connection_t* connection_;
  uint8_t firstEvent_;
  uint8_t device_ = 0;
  uint8_t numMask_ = 0;
  uint8_t locked_ = 0;  // the locked modifiers
  std::function<void(const LockState&)> changed_;
};
