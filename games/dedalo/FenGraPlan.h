#pragma once
#include "TabpPiece.h"
#include "Window.h"

#include <functional>

namespace dedalo {

// The plan: a captioned child window that shows the rooms from above and the
// player, and adds a room where the child clicks.
class TFenGraPlan : public TWindow {
public:
  TFenGraPlan(QWidget* parent, const TabpPiece& rooms, const Player& player);

  // Places the window (outer size) in its parent; the plan's origin follows.
  void Place(int x, int y, int width, int height);
  // Redraws the whole plan.
  void Repaint();
  // The plan position of a point of the window, and the reverse.
  QPoint ToPlan(QPoint window) const;
  QPoint FromPlan(QPoint plan) const;
  QRect ClientRect() const;
  // A room's number as the plan writes it: at least two digits.
  static QString RoomLabel(int number) { return QString::asprintf("%.2d", number); }

  // Called with the plan cell of a left press in the client area.
  std::function<void(int cx, int cy)> cellClicked;

  static constexpr int kBorder = 3;
  static constexpr int kCaption = 20;

protected:
  void EvLButtonDown(unsigned flags, QPoint point) override;

private:
  void DrawCaption(TDC& dc);

  const TabpPiece& rooms_;
  const Player& player_;
  QPoint origin_;  // of the plan, in window coordinates
};

}  // namespace dedalo
