#include "BandeModele.h"

#include "DC.h"
#include "GameWindow.h"

namespace formes {

void BandeModele::Place(int left, int top, int right, int bottom, QPoint modelAt, int size) {
  band_ = QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
  modele_.Place(size, size, modelAt.x(), modelAt.y());
}

void BandeModele::SetCaption(const QString& text, QPoint at) {
  caption_ = text;
  captionAt_ = at;
}

void BandeModele::Fill(TGameWindow& window, TDC& dc) const {
  dc.FillRect(band_.left(), band_.top(), band_.right() + 1, band_.bottom() + 1, window.Tools().ltGrayBrush);
}

void BandeModele::Fill(TGameWindow& window) {
  window.DrawBoth([this, &window](TDC& dc) { Fill(window, dc); });
}

void BandeModele::Draw(TGameWindow& window, TDC& dc) {
  Fill(window, dc);
  if (!caption_.isEmpty()) {
    dc.SelectObject(window.SharedFont());
    dc.SetBkMode(OPAQUE);
    dc.SetBkColor(TColor::LtGray);
    dc.SetTextColor(TColor::Black);
    dc.TextOut(captionAt_.x(), captionAt_.y(), caption_);
  }
  modele_.Draw(window, dc);
}

void BandeModele::Draw(TGameWindow& window) {
  window.DrawBoth([this, &window](TDC& dc) { Draw(window, dc); });
}

}  // namespace formes
