#include "Case.h"

#include "GameWindow.h"

void Case::DrawPicture(TGameWindow& window, TDC& dc, int index) {
  picture = index;
  lastDrawn = &window.PictureDC(index);
  dc.BitBlt(left, top, width, height, *lastDrawn, 0, 0, SRCCOPY);
}

void Case::DrawPicture(TGameWindow& window, int index) {
  window.DrawBoth([&](TDC& dc) { DrawPicture(window, dc, index); });
}
