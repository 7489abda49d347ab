#pragma once
#include <QPoint>

namespace reseau {

// The keyboard cursor's mark: where it was last drawn, or nowhere. It is drawn
// by exclusive-or, so drawing it again where it is erases it.
struct Curseur {
  static constexpr int kNowhere = 9999;
  QPoint at{kNowhere, kNowhere};
  bool Shown() const { return at.x() != kNowhere; }
  void Forget() { at = QPoint(kNowhere, kNowhere); }
};

}  // namespace reseau
