#include "Glisse.h"

#include "BaseToSlip.h"
#include "GameWindow.h"
#include "Keys.h"

namespace motifs {

void TraMouseLeftButtonGlisse::Down(TraMouseEvent&, QPoint p) { g_.Down(p); }
void TraMouseLeftButtonGlisse::Up(TraMouseEvent&, QPoint p) { g_.Up(p); }
void TraMouseMoveGlisse::Move(TraMouseEvent&, QPoint p, unsigned flags) { g_.Move(p, flags); }

Glisse::Glisse(TGameWindow& window, Glissable& game) : w_(window), game_(game) {
  mouse_.left = &left_;
  mouse_.move = &move_;
}

QPoint Glisse::MarkCorner(QPoint p) const { return p - game_.Bar().offset; }

void Glisse::Down(QPoint p) {
  if (game_.Busy()) return;
  if (Dragging()) Cancel();
  mouse_.under = game_.Press(p);
  if (mouse_.under != OnBar) return;
  BaseToSlip& bar = game_.Bar();
  const int i = bar.CellAt(p);
  if (i < 0) return;
  const CaseMotif& cell = bar.At(i);
  bar.picked = i;
  bar.offset = p - QPoint(cell.left, cell.top);
  // The copy shows the cell empty, to wipe the moving picture with; the
  // window still shows the picture where it was taken.
  w_.MemDC().BitBlt(cell.left, cell.top, kCell, kCell, w_.PictureDC(kEmpty), 0, 0, SRCCOPY);
  mouse_.mode = motifs::Dragging;
  mark_.Show(w_, cell.picture, MarkCorner(p), QSize(kCell, kCell));
}

void Glisse::Move(QPoint p, unsigned flags) {
  if (game_.Busy() || !Dragging()) return;
  if (!(flags & MK_LBUTTON)) {
    Cancel();
    return;
  }
  mark_.Show(w_, game_.Bar().At(game_.Bar().picked).picture, MarkCorner(p), QSize(kCell, kCell));
}

void Glisse::Up(QPoint p) {
  if (game_.Busy() || !Dragging()) return;
  mouse_.mode = Idle;
  mark_.Wipe(w_);
  BaseToSlip& bar = game_.Bar();
  const int i = bar.picked;
  bar.picked = -1;
  game_.Dropped(p, i);
}

void Glisse::Cancel() {
  mouse_.mode = Idle;
  mark_.Wipe(w_);
  BaseToSlip& bar = game_.Bar();
  if (bar.picked >= 0) {
    CaseMotif& cell = bar.At(bar.picked);
    cell.DrawPicture(w_, cell.picture);
  }
  bar.picked = -1;
}

void Glisse::Reset() {
  mouse_.Reset();
  mark_.Forget();
  game_.Bar().picked = -1;
}

}  // namespace motifs
