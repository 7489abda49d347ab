#pragma once
#include "Bitmap.h"
#include "DC.h"
#include "DrawingArea.h"
#include "GameConfig.h"
#include "GameWindow.h"

#include <QRect>


// Memory layer: the fixed drawing area, its off-screen copy (white at first),
// from which the window repaints, and the eight drawing tools.
template <class Base>
class TMemDCWindow : public Base {
public:
  explicit TMemDCWindow(const GameConfig& config)
      : Base(config), area_(ComputeDrawingArea(config.marginRight, config.marginBottom,
                                               QSize(config.reserveRight, config.reserveBottom))),
        copy_(area_.width(), area_.height()), copyDC_(copy_) {  // the copy starts white
    this->SetScreenSize(area_.size());
  }

  QRect DrawingArea() const override { return area_; }
  TMemoryDC& MemDC() override { return copyDC_; }
  const DrawingTools& Tools() const override { return tools_; }

  void Paint(TDC& dc, const QRect& rect) override {
    dc.BitBlt(rect.left(), rect.top(), rect.width(), rect.height(), copyDC_, rect.left(), rect.top(), SRCCOPY);
  }

private:
  QRect area_;
  TBitmap copy_;
  TMemoryDC copyDC_;
  DrawingTools tools_;
};
