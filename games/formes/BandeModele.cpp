#include "BandeModele.h"

#include "AppCumMenu.h"
#include "DC.h"
#include "GameWindow.h"
#include "Globals.h"

namespace formes {

void BandeModele::Place(int left, int top, int right, int bottom, QPoint modelAt, int size) {
  band_ = QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
  modele_.Place(size, size, modelAt.x(), modelAt.y());
}

void BandeModele::SetCaption(const QString& text, QPoint at) {
  caption_ = text;
  captionAt_ = at;
}

void BandeModele::Fill(TDC& dc) const {
  dc.FillRect(band_.left(), band_.top(), band_.right() + 1, band_.bottom() + 1, gGameWindow->Tools().ltGrayBrush);
}

void BandeModele::Fill() {
  gGameWindow->DrawBoth([this](TDC& dc) { Fill(dc); });
}

void BandeModele::Draw(TDC& dc) {
  Fill(dc);
  if (!caption_.isEmpty()) {
    dc.SelectObject(gApp ? gApp->SharedFont() : TMyAppCumMenu::MakeSharedFont());
    dc.SetBkMode(OPAQUE);
    dc.SetBkColor(TColor::LtGray);
    dc.SetTextColor(TColor::Black);
    dc.TextOut(captionAt_.x(), captionAt_.y(), caption_);
  }
  modele_.Draw(dc);
}

void BandeModele::Draw() {
  gGameWindow->DrawBoth([this](TDC& dc) { Draw(dc); });
}

}  // namespace formes
