#pragma once
#include "Window.h"

#include <QRect>
#include <QString>

// A child window with a caption bar and a sizing border, drawn into its own
// screen. The user moves it by its caption and sizes it by its border or its
// corners, always inside its parent; what lies under it stays in the parent's
// screen and shows again when it moves away. The client area, inside the
// frame, is the derived class's to draw.
class TCaptionedWindow : public TWindow {
public:
  TCaptionedWindow(QWidget* parent, const QString& caption);

  QRect ClientRect() const;
  // The part of the parent the window is kept in when the user moves or sizes
  // it (by default the whole parent).
  void SetRoom(const QRect& room) { room_ = room; }
  // Draws the client area and the frame again, at the window's present size.
  // A window not shown yet is drawn when it shows, once, at the size it
  // shows at.
  void Repaint();
  void Paint(TDC& dc, const QRect& area) override;

  static constexpr int kBorder = 4;    // the sizing border's thickness
  static constexpr int kCaption = 20;  // the caption bar's height
  static constexpr int kCorner = 16;   // how far along an edge a corner's grip reaches
  static constexpr int kMinimumWidth = 120;
  static constexpr int kMinimumHeight = 2 * kBorder + kCaption + 40;

protected:
  // Draws the client area; the frame is drawn over whatever spills out of it.
  virtual void PaintClient(TDC& dc) {}
  // A left press in the client area, in window coordinates.
  virtual void EvClientLButtonDown(unsigned flags, QPoint point) {}
  // The user is about to move or size the window from `from` to `to` (parent
  // coordinates); the window is drawn again at its new size right after.
  virtual void Dragging(const QRect& from, const QRect& to) {}

  void EvLButtonDown(unsigned flags, QPoint point) override;
  void EvMouseMove(unsigned flags, QPoint point) override;
  void EvLButtonUp(unsigned flags, QPoint point) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;

private:
  // What a point of the window grips: edges of the border (a corner grips two),
  // or the caption.
  enum Grip : unsigned { None = 0, Left = 1, Top = 2, Right = 4, Bottom = 8, Caption = 16 };
  unsigned GripAt(QPoint point) const;
  static TCursor GripCursor(unsigned grip);
  // Where the drag puts the window when the pointer is at `pointer` (parent coordinates).
  QRect Dragged(QPoint pointer) const;
  void DrawFrame(TDC& dc);

  QString caption_;
  unsigned grip_ = None;
  QPoint grabbedAt_;    // the pointer at the press, in parent coordinates
  QRect grabbedFrame_;  // the window at the press
  QRect room_;
  bool drawWhenShown_ = false;
};
