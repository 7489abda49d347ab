#pragma once
#include "MainWindow.h"
#include "Printer.h"

#include <QString>

namespace plumeta {

// The game's drawing tools: the eraser's radius, the light red pen of its
// circle and the white pen it rubs with, as wide as the eraser.
class TMemDCWindowSuite : public TMemDCWindowBase {
public:
  using TMemDCWindowBase::TMemDCWindowBase;

  int Radius() const { return radius_; }
  // A new radius, and the white pen made again to match it.
  void SetRadius(int r);

  // The nib's ink: a pixel, or a black line `width` wide.
  void DrawInk(TDC& dc, QPoint from, QPoint to, int width);
  // The eraser's circle round `centre`, by exclusive-or: drawn twice it is gone.
  void DrawCircle(TDC& dc, QPoint centre);
  // White from `from` to `to`, 2r wide with round ends: a disc where they meet.
  void DrawRubbing(TDC& dc, QPoint from, QPoint to);

private:
  int radius_ = 18;
  TPen circlePen_{TColor::LtRed, 3};
  TPen rubbingPen_{TColor::White, 2 * 18};
};

// The layer that owns the printer, kept for the whole run.
class TPrinterWindow : public TMemDCWindowSuite {
public:
  using TMemDCWindowSuite::TMemDCWindowSuite;
  TPrinter& Printer() { return printer_; }

private:
  TPrinter printer_{true};
};

}  // namespace plumeta
