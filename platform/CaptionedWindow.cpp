#include "CaptionedWindow.h"

#include "Keys.h"

#include <QResizeEvent>
#include <algorithm>

namespace {
// `v` kept between `low` and `high`; `low` wins when they cross.
int Bound(int v, int low, int high) { return std::max(low, std::min(v, high)); }
}  // namespace

TCaptionedWindow::TCaptionedWindow(QWidget* parent, const QString& caption) : TWindow(parent), caption_(caption) {
  setFocusPolicy(Qt::NoFocus);
}

QRect TCaptionedWindow::ClientRect() const {
  return QRect(kBorder, kBorder + kCaption, width() - 2 * kBorder, height() - 2 * kBorder - kCaption);
}

void TCaptionedWindow::Paint(TDC& dc, const QRect&) {
  PaintClient(dc);
  DrawFrame(dc);
}

void TCaptionedWindow::DrawFrame(TDC& dc) {
  const int w = width(), h = height();
  dc.FillRect(kBorder, kBorder, w - kBorder, kBorder + kCaption, TBrush(TColor(0, 0, 127)));
  dc.SetBkMode(TRANSPARENT);
  dc.SetTextColor(TColor::White);
  dc.SelectObject(TFont(QStringLiteral("Arial"), 15, 700));
  dc.TextOut(kBorder + 6, kBorder + 2, caption_);
  // The border last, over a caption too long for the window.
  const TBrush border(TColor::LtGray);
  dc.FillRect(0, 0, w, kBorder, border);
  dc.FillRect(0, h - kBorder, w, h, border);
  dc.FillRect(0, 0, kBorder, h, border);
  dc.FillRect(w - kBorder, 0, w, h, border);
  dc.SelectObject(TPen(TColor::Gray));
  dc.SelectObject(TBrush::Hollow());
  dc.Rectangle(0, 0, w, h);
}

unsigned TCaptionedWindow::GripAt(QPoint p) const {
  const int w = width(), h = height();
  if (!rect().contains(p)) return None;
  if (p.y() < kBorder || p.y() >= h - kBorder) {
    const unsigned edge = p.y() < kBorder ? Top : Bottom;
    return edge | (p.x() < kCorner ? Left : p.x() >= w - kCorner ? Right : None);
  }
  if (p.x() < kBorder || p.x() >= w - kBorder) {
    const unsigned edge = p.x() < kBorder ? Left : Right;
    return edge | (p.y() < kCorner ? Top : p.y() >= h - kCorner ? Bottom : None);
  }
  return p.y() < kBorder + kCaption ? Caption : None;
}

TCursor TCaptionedWindow::GripCursor(unsigned grip) {
  if (grip == (Left | Top) || grip == (Right | Bottom)) return TCursor::SizeNWSE;
  if (grip == (Right | Top) || grip == (Left | Bottom)) return TCursor::SizeNESW;
  if (grip == Left || grip == Right) return TCursor::SizeWE;
  if (grip == Top || grip == Bottom) return TCursor::SizeNS;
  return TCursor::Arrow;
}

QRect TCaptionedWindow::Dragged(QPoint pointer) const {
  const QPoint d = pointer - grabbedAt_;
  const QRect room = room_.isValid() ? room_ : parentWidget() ? parentWidget()->rect() : grabbedFrame_;
  QRect r = grabbedFrame_;
  if (grip_ == Caption) {
    r.moveTo(Bound(r.left() + d.x(), room.left(), room.right() + 1 - r.width()),
             Bound(r.top() + d.y(), room.top(), room.bottom() + 1 - r.height()));
    return r;
  }
  if (grip_ & Left) r.setLeft(Bound(r.left() + d.x(), room.left(), r.right() + 1 - kMinimumWidth));
  if (grip_ & Right) r.setRight(Bound(r.right() + d.x(), r.left() + kMinimumWidth - 1, room.right()));
  if (grip_ & Top) r.setTop(Bound(r.top() + d.y(), room.top(), r.bottom() + 1 - kMinimumHeight));
  if (grip_ & Bottom) r.setBottom(Bound(r.bottom() + d.y(), r.top() + kMinimumHeight - 1, room.bottom()));
  return r;
}

void TCaptionedWindow::EvLButtonDown(unsigned flags, QPoint point) {
  const unsigned grip = GripAt(point);
  if (grip == None) {
    if (ClientRect().contains(point)) EvClientLButtonDown(flags, point);
    return;
  }
  grip_ = grip;
  grabbedAt_ = pos() + point;
  grabbedFrame_ = geometry();
}

void TCaptionedWindow::EvMouseMove(unsigned flags, QPoint point) {
  if (!(flags & MK_LBUTTON)) grip_ = None;  // a release that went elsewhere ends the drag too
  if (grip_ == None) {
    SetCursorShape(GripCursor(GripAt(point)));
    return;
  }
  const QRect to = Dragged(pos() + point);
  if (to == geometry()) return;
  Dragging(geometry(), to);
  setGeometry(to);
}

void TCaptionedWindow::EvLButtonUp(unsigned, QPoint) { grip_ = None; }

void TCaptionedWindow::Repaint() {
  if (!isVisible()) {
    drawWhenShown_ = true;
    return;
  }
  if (Screen().size() != size()) SetScreenSize(size());
  Invalidate();
}

void TCaptionedWindow::resizeEvent(QResizeEvent*) { Repaint(); }

void TCaptionedWindow::showEvent(QShowEvent*) {
  if (!drawWhenShown_) return;
  drawWhenShown_ = false;
  Repaint();
}
