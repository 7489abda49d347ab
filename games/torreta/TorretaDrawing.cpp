#include "TorretaWindow.h"

namespace torreta {
namespace {
// The words of the band and their heights.
struct BandLine {
  int y;
  const char* text;
};
constexpr BandLine kBandLines[] = {{25, "COLONNE"},     {47, "EXEMPLE :"}, {69, "A reproduire"},
                                   {84, "en déplaçant"}, {99, "les disques"}, {114, "au moyen"},
                                   {129, "de glissés"}};
}  // namespace

void TMemDCWindowSuite::DrawBand(TDC& dc, int left) {
  const QRect area = DrawingArea();
  dc.FillRect(left, 0, area.width(), area.height(), Tools().ltGrayBrush);
  dc.SetBkMode(OPAQUE);
  dc.SetBkColor(TColor::LtGray);
  dc.SetTextColor(TColor::Black);
  for (const BandLine& line : kBandLines) dc.TextOut(left + 5, line.y, QString::fromUtf8(line.text));
}

void TMemDCWindowSuite::DrawSlot(TDC& dc, const CaseDisque& slot, int kind) {
  dc.BitBlt(slot.left, slot.top, slot.width, slot.height, PictureDC(kind), 0, 0, SRCCOPY);
}

void TMemDCWindowSuite::DrawSlots(TDC& dc, const ToSlip& board) {
  for (int r = 0; r < board.Rows(); ++r)
    for (int c = 0; c < board.Columns(); ++c)
      if (r > 0 || c != board.Example()) DrawSlot(dc, board.At(r, c), board.At(r, c).kind);
}

void TMemDCWindowSuite::MarkDisc(int kind, QPoint at) {
  TClientDC dc(*this);
  dc.BitBlt(at.x(), at.y(), kDiscWidth, kDiscHeight, PictureDC(kind), 0, 0, SRCCOPY);
}

void TMemDCWindowSuite::WipeDisc(QPoint at) {
  TClientDC dc(*this);
  dc.BitBlt(at.x(), at.y(), kDiscWidth, kDiscHeight, MemDC(), at.x(), at.y(), SRCCOPY);
}

}  // namespace torreta
