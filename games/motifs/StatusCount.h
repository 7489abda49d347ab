#pragma once
#include "GameWindow.h"

#include <QString>

namespace motifs {

// A count and its word in a status field, in the bar's number-then-text form.
inline void WriteCount(TGameWindow& w, StatusField field, int n, const char* text) {
  w.WriteStatus(field, QString::asprintf("%d %s   ", n, text));
}

}  // namespace motifs
