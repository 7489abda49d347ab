#include "BrokenGame.h"

namespace broken {

TBrokenWindow::TBrokenWindow() : counts_(new int[size_]()) {}

void TBrokenWindow::EvLButtonDown(unsigned flags, QPoint point) {
  testgame::TMainWindowSuite::EvLButtonDown(flags, point);
  counts_[size_] += point.x();  // one past the end
}

}  // namespace broken
