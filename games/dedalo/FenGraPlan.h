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
  // Shows the player where it now stands, drawing again only around its old
  // and new places when the rest of the plan is unchanged since the last
  // full drawing (a turn or a step); otherwise draws the whole window.
  void ShowPlayer();

  // Called with the plan cell of a left press in the client area.
  std::function<void(int cx, int cy)> cellClicked;

protected:
  void PaintClient(TDC& dc) override;
  void EvClientLButtonDown(unsigned flags, QPoint point) override;
  void Dragging(const QRect& from, const QRect& to) override;

private:
  void DrawPlayer(TDC& dc);
  // What the player's marker and strokes cover, with room for the pen.
  QRect PlayerArea() const;

  const TabpPiece& rooms_;
  const Player& player_;
  QPoint origin_;  // of the plan, in window coordinates
  // The client area as last drawn in full, before the player (kept once the
  // player has first moved); and where the player was drawn on it.
  bool keepRooms_ = false;
  QImage rooms_image_;
  QRect rooms_area_;
  QRect player_shown_;
};

}  // namespace dedalo
