#pragma once
// A game with a planted fault, to prove that the soak catches one: a press on
// its board writes one element past the end of an array on the heap. Nothing
// happens that a child could see; only a sanitizer notices.
#include "TestGame.h"

#include <memory>

namespace broken {

class TBrokenWindow : public testgame::TMainWindowSuite {
public:
  TBrokenWindow();
  static const GameConfig& Config() { return testgame::TMainWindowSuite::Config(); }

protected:
  void EvLButtonDown(unsigned flags, QPoint point) override;

private:
  int size_ = 8;
  std::unique_ptr<int[]> counts_;
};

using TBrokenApp = ::TMyAppCumMenuSuite<TBrokenWindow>;

}  // namespace broken
