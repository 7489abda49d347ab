#include "Masque.h"

#include "Frise.h"
#include "GameWindow.h"
#include "Services.h"

namespace cadenza {

void Masque::Tick(TGameWindow& w, const motifs::Frise& frise, int count) {
  if (!hiding_) return;
  Services::Beep();
  const motifs::CaseMotif& cell = frise.Models().At(frise.CurrentRow(), index_);
  w.DrawBoth([&](TDC& dc) {
    dc.BitBlt(cell.left, cell.top, motifs::kCell, motifs::kCell, w.PictureDC(motifs::kEmpty), 0, 0, SRCCOPY);
  });
  if (++index_ >= count) {
    hiding_ = false;
    index_ = 0;
  }
}

}  // namespace cadenza
