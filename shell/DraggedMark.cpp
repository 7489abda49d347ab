#include "DraggedMark.h"

#include "GameWindow.h"

#include <algorithm>

void DraggedMark::Show(TGameWindow& window, int index, QPoint corner, QSize size) {
  Wipe(window);
  const QRect area = window.DrawingArea();
  const QPoint at(std::clamp(corner.x(), 0, std::max(0, area.width() - size.width())),
                  std::clamp(corner.y(), 0, std::max(0, area.height() - size.height())));
  rect_ = QRect(at, size);
  TClientDC dc(window);
  dc.BitBlt(at.x(), at.y(), size.width(), size.height(), window.PictureDC(index), 0, 0, SRCCOPY);
}

void DraggedMark::Wipe(TGameWindow& window) {
  if (!Shown()) return;
  TClientDC dc(window);
  dc.BitBlt(rect_.x(), rect_.y(), rect_.width(), rect_.height(), window.MemDC(), rect_.x(), rect_.y(), SRCCOPY);
  rect_ = QRect();
}
