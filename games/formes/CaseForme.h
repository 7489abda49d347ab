#pragma once
#include "Board.h"

class TDC;

namespace formes {

// A cell that shows one form: its picture is the entry `forme` of the game
// window's picture table.
class CaseForme : public Case {
public:
  int forme = 0;

  // Draws the form's picture on `dc` only.
  void Draw(TDC& dc) { DrawPicture(dc, forme); }
  // Draws it on the window and on the off-screen copy.
  void Draw() { DrawPicture(forme); }
};

}  // namespace formes
