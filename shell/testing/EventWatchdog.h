#pragma once
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

// Watches one event at a time from a thread of its own: an event still running
// after the limit means the program hangs, and then nothing on the main thread
// can report it. The watchdog prints what it was told about the event (the seed
// and the last events, so that the run can be replayed) and ends the process.
class EventWatchdog {
public:
  explicit EventWatchdog(std::chrono::milliseconds limit);
  ~EventWatchdog();
  EventWatchdog(const EventWatchdog&) = delete;
  EventWatchdog& operator=(const EventWatchdog&) = delete;

  // An event starts; `context` is printed if it never ends.
  void Begin(std::string context);
  void End();

private:
  void Watch();

  const std::chrono::milliseconds limit_;
  std::mutex mutex_;
  std::condition_variable wake_;
  bool stop_ = false;
  bool running_ = false;
  std::chrono::steady_clock::time_point started_;
  std::string context_;
  std::thread thread_;
};
