#pragma once
#include "Cursor.h"

#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>

class QPainter;

// A window with a caption and a sizing border inside another window. The child
// moves it by its caption and sizes it by every edge and corner, with the
// sizing pointers; while it does, the pointer is kept inside the parent, so the
// caption can always be reached again. A press raises it above its siblings and
// makes its caption the active one (navy, white bold text); the others turn
// grey. It paints only what is exposed, so even a very large frame costs no
// image of its size. Frames nest: a frame's client window holds the frames
// inside it, which show only where their parent's client area does. The
// system-menu box opens a menu whose "Fermer" closes the frame, unless the
// frame is made unclosable: then the item shows greyed, and neither it, a
// double click on the box nor a close request closes the frame.
class TChildFrame : public QWidget {
public:
  TChildFrame(QWidget* parent, const QString& caption, bool systemMenu = false);

  static constexpr int kBorder = 4;    // the sizing border's thickness
  static constexpr int kCaption = 19;  // the caption bar's height
  static constexpr int kCorner = 16;   // how far along an edge a corner's grip reaches
  static constexpr int kSystemBox = 15;

  // The smallest and largest size the child may give the frame with the mouse.
  struct TrackSizes {
    QSize minimum{130, 2 * kBorder + kCaption};
    QSize maximum{QWIDGETSIZE_MAX, QWIDGETSIZE_MAX};
  };
  virtual TrackSizes GetMinMaxInfo() const { return {}; }

  QString Caption() const { return caption_; }
  // The caption's font, and where its text starts in the frame.
  static QFont CaptionFont();
  int CaptionTextLeft() const { return kBorder + (systemMenu_ ? kSystemBox + 5 : 3); }
  void SetCaption(const QString& caption);
  bool HasSystemMenu() const { return systemMenu_; }
  QRect SystemMenuBox() const { return QRect(kBorder + 1, kBorder + 2, kSystemBox, kSystemBox); }
  void SetClosable(bool closable) { closable_ = closable; }
  bool IsClosable() const { return closable_; }
  // The id of the system menu's close item.
  static constexpr int kCloseCommand = 0xF060;
  // The window that fills the client area and holds the frames nested inside
  // this one (made at the first call; it then covers what PaintClient paints).
  QWidget* ClientWindow();
  // The client area, inside the border and below the caption, in frame coordinates.
  QRect ClientRect() const;
  bool IsActive() const { return active_; }
  // Makes this frame the one active frame of its window and raises it among its siblings.
  void Activate();

  // Size and place setters that neither activate the frame nor change its order.
  void SetFrameSize(QSize size) { resize(size); }
  void SetFramePos(QPoint topLeft) { move(topLeft); }
  void SetFrameGeometry(const QRect& r) { setGeometry(r); }
  // The part of the parent the pointer is kept in while the frame is moved or
  // sized (by default the whole parent): what the child can see of it.
  void SetRoom(const QRect& room) { room_ = room; }

  // What a point of the frame grips: edges of the border (a corner grips two), or the caption.
  enum Grip : unsigned { None = 0, Left = 1, Top = 2, Right = 4, Bottom = 8, CaptionBar = 16 };
  unsigned GripAt(QPoint point) const;
  static TCursor GripCursor(unsigned grip);
  TCursor CursorShape() const { return cursorShape_; }
  bool Dragging() const { return grip_ != None; }

protected:
  // Paints the client area, with the painter's origin at the client's top left
  // and clipped to the exposed part `exposed` (client coordinates).
  virtual void PaintClient(QPainter& painter, const QRect& exposed) {}
  // A left press in the client area, in client coordinates.
  virtual void EvClientLButtonDown(QPoint point) {}
  // The frame has been moved or sized by the child.
  virtual void FrameChanged() {}

  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

private:
  void SystemMenu();
  // Where the drag puts the frame when the pointer is at `pointer` (parent coordinates).
  QRect Dragged(QPoint pointer) const;
  void SetActive(bool active);
  void SetPointer(TCursor shape);
  void PaintFrame(QPainter& painter);

  QString caption_;
  bool systemMenu_;
  bool active_ = false;
  bool closable_ = true;
  QWidget* client_ = nullptr;
  unsigned grip_ = None;
  QPoint grabbedAt_;    // the pointer at the press, in parent coordinates
  QRect grabbedFrame_;  // the frame at the press
  TCursor cursorShape_ = TCursor::Arrow;
  QRect room_;
};
