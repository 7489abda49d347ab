#pragma once
#include "Case.h"

class TDC;
class TGameWindow;

namespace formes {

// A cell that shows one form: its picture is the entry `forme` of the game
// window's picture table.
class CaseForme : public Case {
public:
  int forme = 0;

  // Draws the form's picture on `dc` only.
  void Draw(TGameWindow& window, TDC& dc) { DrawPicture(window, dc, forme); }
  // Draws it on the window and on the off-screen copy.
  void Draw(TGameWindow& window) { DrawPicture(window, forme); }
};

}  // namespace formes
