#pragma once
#include "MainWindow.h"
#include "ScrollBar.h"

namespace felino {

// Scroll bar ids.
enum : int { kVerticalBar = 100, kHorizontalBar = 101 };

// The layer that owns the two scroll bars, laid against the drawing area: the
// vertical one (the row) down its right edge, the horizontal one (the column)
// below it. Both reach a little beyond the area, into the room the game
// reserves there. A move by the child reaches ScrollBarChanged.
class TScrollBarWindow : public TMemDCWindowBase {
public:
  explicit TScrollBarWindow(const GameConfig& config)
      : TMemDCWindowBase(config),
        vertical_(this, kVerticalBar, QRect(Width() - 18, 0, 20, Height() + 29), Qt::Vertical),
        horizontal_(this, kHorizontalBar, QRect(0, Height() + 12, Width() - 18, 20), Qt::Horizontal) {
    for (TScrollBar* bar : {&vertical_, &horizontal_}) {
      bar->SetLineStep(kStep);
      bar->SetOnChange([this](int id) { ScrollBarChanged(id); });
    }
  }

  TScrollBar& Vertical() { return vertical_; }
  TScrollBar& Horizontal() { return horizontal_; }
  // Ranges and page sizes as a new game wants them.
  void SetBarRanges(int min, int page) {
    vertical_.SetRange(min, Height() - min);
    horizontal_.SetRange(min, Width() - 45);
    vertical_.SetPageSize(page);
    horizontal_.SetPageSize(page);
  }

protected:
  virtual void ScrollBarChanged(int id) = 0;

private:
  static constexpr int kStep = 33;  // an arrow click moves one cell
  int Width() const { return DrawingArea().width(); }
  int Height() const { return DrawingArea().height(); }

  TScrollBar vertical_;
  TScrollBar horizontal_;
};

}  // namespace felino
