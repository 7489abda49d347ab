#pragma once
#include "CaptionedWindow.h"
#include "TabpPiece.h"

#include <functional>

namespace dedalo {

// The plan: a captioned child window that shows the rooms from above and the
// player, and adds a room where the child clicks. The child moves it and sizes
// it; sizing it shows more or less of the plan around what it showed.
class TFenGraPlan : public TCaptionedWindow {
public:
  TFenGraPlan(QWidget* parent, const TabpPiece& rooms, const Player& player);

  // Places the window (outer size) in its parent; the plan's origin follows.
  void Place(int x, int y, int width, int height);
  // The plan position of a point of the window, and the reverse.
  QPoint ToPlan(QPoint window) const;
  QPoint FromPlan(QPoint plan) const;
  // A room's number as the plan writes it: at least two digits.
  static QString RoomLabel(int number) { return QString::asprintf("%.2d", number); }

  // Called with the plan cell of a left press in the client area.
  std::function<void(int cx, int cy)> cellClicked;

protected:
  void PaintClient(TDC& dc) override;
  void EvClientLButtonDown(unsigned flags, QPoint point) override;
  void Dragging(const QRect& from, const QRect& to) override;

private:
  const TabpPiece& rooms_;
  const Player& player_;
  QPoint origin_;  // of the plan, in window coordinates
};

}  // namespace dedalo
