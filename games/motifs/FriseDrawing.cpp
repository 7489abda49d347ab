#include "FriseEcran.h"

#include "GameWindow.h"

namespace motifs {

void FriseEcran::DrawGreyZone(TDC& dc) {
  const QRect zone = frise_.GreyZone();
  dc.FillRect(zone.left(), zone.top(), zone.right() + 1, zone.bottom() + 1, w_.Tools().ltGrayBrush);
}

void FriseEcran::DrawRedFrame(TDC& dc) {
  const int y = frise_.Y(frise_.CurrentRow());
  dc.SelectObject(TPen(TColor::LtRed, 4));
  dc.SelectObject(TBrush::Hollow());
  dc.Rectangle(4, y - 4, frise_.Width() - 4, y + kCell + 4);
}

// The cells to fill and the bar, or the models: those of the current row with
// their pictures, the others empty.
void FriseEcran::DrawCells(TDC& dc, bool models) {
  const int row = frise_.CurrentRow();
  for (int r = 0; r < kRows; ++r) {
    if (models) {
      for (int j = 0; j < frise_.Models().used; ++j) {
        CaseMotif& m = frise_.Models().At(r, j);
        dc.BitBlt(m.left, m.top, kCell, kCell, w_.PictureDC(r == row ? m.picture : kEmpty), 0, 0, SRCCOPY);
      }
    } else {
      for (int j = 0; j < frise_.Fill().used; ++j) {
        CaseMotif& f = frise_.Fill().At(r, j);
        f.DrawPicture(w_, dc, f.picture);
      }
    }
  }
  if (models) return;
  for (int i = 0; i < frise_.Bar().Count(); ++i) frise_.Bar().At(i).DrawPicture(w_, dc, frise_.Bar().At(i).picture);
}

}  // namespace motifs
