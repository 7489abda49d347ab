#include "EventWatchdog.h"

#include <cstdio>
#include <cstdlib>

EventWatchdog::EventWatchdog(std::chrono::milliseconds limit) : limit_(limit), thread_([this] { Watch(); }) {}

EventWatchdog::~EventWatchdog() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stop_ = true;
  }
  wake_.notify_all();
  thread_.join();
}

void EventWatchdog::Begin(std::string context) {
  std::lock_guard<std::mutex> lock(mutex_);
  running_ = true;
  started_ = std::chrono::steady_clock::now();
  context_ = std::move(context);
}

void EventWatchdog::End() {
  std::lock_guard<std::mutex> lock(mutex_);
  running_ = false;
}

void EventWatchdog::Watch() {
  std::unique_lock<std::mutex> lock(mutex_);
  while (!stop_) {
    wake_.wait_for(lock, std::chrono::milliseconds(100));
    if (running_ && std::chrono::steady_clock::now() - started_ > limit_) {
      std::fprintf(stderr, "\nHANG: an event has run for more than %lld ms\n%s\n",
                   static_cast<long long>(limit_.count()), context_.c_str());
      std::fflush(stderr);
      std::_Exit(3);
    }
  }
}
