#pragma once
#include "Cursor.h"

#include <QPoint>

namespace felino {

// What lies under the pointer: 0 nothing, 1 the row marker's band only, 2 the
// column marker's band only, 3 both. A band is the 21 pixels right of (or below)
// its bar's position plus one.
class EcranPourMouseMove {
public:
  enum : int { Rien = 0, SurRangee = 1, SurColonne = 2, SurLesDeux = 3 };
  int code = Rien;

  static int HoverCode(QPoint p, int hpos, int vpos) {
    const bool onColumn = hpos + 1 < p.x() && p.x() < hpos + 23;
    const bool onRow = vpos + 1 < p.y() && p.y() < vpos + 23;
    return (onRow ? SurRangee : 0) | (onColumn ? SurColonne : 0);
  }
  static TCursor Pointer(int code) {
    switch (code) {
      case SurRangee: return TCursor::SizeNS;
      case SurColonne: return TCursor::SizeWE;
      case SurLesDeux: return TCursor::Cross;
      default: return TCursor::Arrow;
    }
  }
};

}  // namespace felino
