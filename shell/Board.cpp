#include "Board.h"

#include "GameWindow.h"
#include "Globals.h"

void Case::DrawPicture(TDC& dc, int index) {
  picture = index;
  lastDrawn = &gGameWindow->PictureDC(index);
  dc.BitBlt(left, top, width, height, *lastDrawn, 0, 0, SRCCOPY);
}

void Case::DrawPicture(int index) {
  gGameWindow->DrawBoth([&](TDC& dc) { DrawPicture(dc, index); });
}

void TraMouseEvent::LButtonDown() {
  if (left) left->Down(*this);
}
void TraMouseEvent::LButtonUp() {
  if (left) left->Up(*this);
}
void TraMouseEvent::MouseMove() {
  if (move) move->Move(*this);
}
