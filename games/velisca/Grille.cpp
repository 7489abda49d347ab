#include "Grille.h"

#include "DC.h"
#include "GameWindow.h"
#include "Globals.h"

namespace velisca {
namespace {
void Line(TDC& dc, const TPen& pen, int x0, int y0, int x1, int y1) {
  dc.SelectObject(pen);
  dc.MoveTo(x0, y0);
  dc.LineTo(x1, y1);
}
}  // namespace

void Carre::DrawRaised(TDC& dc) {
  const DrawingTools& t = gGameWindow->Tools();
  const int x = left, y = top;
  dc.BitBlt(x + 1, y + 1, kSize, kSize, gGameWindow->PictureDC(forme), 0, 0, SRCCOPY);
  Line(dc, t.ltGrayPen, x + 1, y + 1, x + 83, y + 1);
  Line(dc, t.ltGrayPen, x + 1, y + 1, x + 1, y + 83);
  Line(dc, t.whitePen, x, y, x + 83, y);
  Line(dc, t.whitePen, x, y, x, y + 83);
  Line(dc, t.grayPen, x + 82, y + 82, x, y + 82);
  Line(dc, t.grayPen, x + 82, y + 82, x + 82, y);
  Line(dc, t.blackPen, x + 83, y + 83, x, y + 83);
  Line(dc, t.blackPen, x + 83, y + 83, x + 83, y);
}

void Carre::DrawPressed(TDC& dc) {
  const DrawingTools& t = gGameWindow->Tools();
  const int x = left, y = top;
  dc.BitBlt(x + 2, y + 2, kSize - 1, kSize - 1, gGameWindow->PictureDC(forme), 0, 0, SRCCOPY);
  Line(dc, t.whitePen, x + 2, y + 2, x + 83, y + 2);
  Line(dc, t.whitePen, x + 2, y + 2, x + 2, y + 83);
  Line(dc, t.ltGrayPen, x + 1, y + 1, x + 83, y + 1);
  Line(dc, t.ltGrayPen, x + 1, y + 1, x + 1, y + 83);
  Line(dc, t.blackPen, x, y, x + 83, y);
  Line(dc, t.blackPen, x, y, x, y + 83);
  Line(dc, t.ltGrayPen, x + 82, y + 82, x, y + 82);
  Line(dc, t.ltGrayPen, x + 82, y + 82, x + 82, y);
  Line(dc, t.whitePen, x + 83, y + 83, x, y + 83);
  Line(dc, t.whitePen, x + 83, y + 83, x + 83, y);
}

void Carre::DrawFound(TDC& dc) {
  // The white covers exactly what a red frame covers, so no ring of it stays.
  dc.FillRect(left - 3, top - 3, left + 90, top + 90, gGameWindow->Tools().whiteBrush);
  dc.BitBlt(left + 4, top + 4, kFoundSize, kFoundSize, gGameWindow->PictureDC(FoundPicture()), 0, 0, SRCCOPY);
}

void Carre::DrawFramed(TDC& dc) {
  dc.FillRect(left - 3, top - 3, left + 90, top + 90, gGameWindow->Tools().ltRedBrush);
  dc.BitBlt(left + 2, top + 2, kSize, kSize, gGameWindow->PictureDC(forme), 0, 0, SRCCOPY);
}

ToClic::ToClic() {
  for (int k = 0; k < kSquares; ++k) {
    squares_[k].forme = k;
    squares_[k].row = k / kColumns;
    squares_[k].column = k % kColumns;
  }
}

void ToClic::Place(int gx, int gy) {
  gx_ = gx;
  for (Carre& c : squares_) c.Place(kSize, kSize, gx + c.column * (gx + kSize), gy + c.row * (gy + kSize));
}

Carre* ToClic::SquareAt(QPoint p) {
  for (Carre& c : squares_)
    if (c.Contains(p)) return &c;
  return nullptr;
}

int ToClic::FoundCount() const {
  int n = 0;
  for (const Carre& c : squares_) n += c.found;
  return n;
}

void ToClic::ClearFound() {
  for (Carre& c : squares_) c.found = false;
}

int ToClic::GapAfterLastColumn() const {
  const int fifth = gx_ + (kColumns - 1) * (gx_ + kSize), sixth = gx_ + kColumns * (gx_ + kSize);
  return (fifth + sixth + kSize) / 2;
}

void Modele::Place(const ToClic& grille, int width, int height) {
  const int left = grille.GapAfterLastColumn();
  band_.Place(left, 0, width, height, QPoint((left + width) / 2 - 41, height / 2 - 41), kSize);
}

void Modele::Advance(ToClic& grille) {
  ++grille.offset;
  target_ = &grille.Square(kOrder[grille.offset % kSquares]);
  band_.Modele().forme = target_->forme;
}

}  // namespace velisca
