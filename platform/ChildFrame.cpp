#include "ChildFrame.h"

#include "PopupMenu.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

namespace {
// `v` kept between `low` and `high`; `low` wins when they cross.
int Bound(int v, int low, int high) { return std::max(low, std::min(v, high)); }

const QColor kActiveCaption(0, 0, 128);
const QColor kInactiveCaption(128, 128, 128);
const QColor kBorderFace(192, 192, 192);
}  // namespace

TChildFrame::TChildFrame(QWidget* parent, const QString& caption, bool systemMenu)
    : QWidget(parent), caption_(caption), systemMenu_(systemMenu) {
  setMouseTracking(true);
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  const TrackSizes sizes = TChildFrame::GetMinMaxInfo();
  resize(sizes.minimum);
}

void TChildFrame::SetCaption(const QString& caption) {
  caption_ = caption;
  update(0, 0, width(), kBorder + kCaption);
}

QRect TChildFrame::ClientRect() const {
  return QRect(kBorder, kBorder + kCaption, std::max(0, width() - 2 * kBorder),
               std::max(0, height() - 2 * kBorder - kCaption));
}

void TChildFrame::SetActive(bool active) {
  if (active_ == active) return;
  active_ = active;
  update(0, 0, width(), kBorder + kCaption);
}

void TChildFrame::Activate() {
  // One caption is active in the whole window, nested frames included. Checked
  // one by one: the class has no meta-object of its own, so a search by its type
  // would match every widget.
  for (QWidget* child : window()->findChildren<QWidget*>())
    if (auto* other = dynamic_cast<TChildFrame*>(child); other && other != this) other->SetActive(false);
  SetActive(true);
  raise();
}

void TChildFrame::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  const QRect exposed = event->rect();
  p.setClipRect(exposed);
  const QRect client = ClientRect();
  if (client.intersects(exposed)) {
    p.save();
    p.fillRect(client.intersected(exposed), Qt::white);
    p.setClipRect(client.intersected(exposed));
    p.translate(client.topLeft());
    PaintClient(p, exposed.intersected(client).translated(-client.topLeft()));
    p.restore();
  }
  PaintFrame(p);
}

void TChildFrame::PaintFrame(QPainter& p) {
  const int w = width(), h = height();
  // The border, raised: light outside edge, dark inside edge.
  p.fillRect(0, 0, w, kBorder, kBorderFace);
  p.fillRect(0, h - kBorder, w, kBorder, kBorderFace);
  p.fillRect(0, 0, kBorder, h, kBorderFace);
  p.fillRect(w - kBorder, 0, kBorder, h, kBorderFace);
  p.setPen(Qt::white);
  p.drawLine(0, 0, w - 1, 0);
  p.drawLine(0, 0, 0, h - 1);
  p.setPen(QColor(64, 64, 64));
  p.drawLine(w - 1, 0, w - 1, h - 1);
  p.drawLine(0, h - 1, w - 1, h - 1);
  // The caption bar.
  const QRect bar(kBorder, kBorder, std::max(0, w - 2 * kBorder), std::min(kCaption, std::max(0, h - 2 * kBorder)));
  p.fillRect(bar, active_ ? kActiveCaption : kInactiveCaption);
  if (systemMenu_) {
    const QRect box = SystemMenuBox();
    p.fillRect(box, kBorderFace);
    p.setPen(Qt::black);
    p.drawRect(box.adjusted(0, 0, -1, -1));
    p.fillRect(box.left() + 3, box.top() + 6, kSystemBox - 6, 3, Qt::black);
  }
  const int textLeft = CaptionTextLeft();
  p.setFont(CaptionFont());
  p.setPen(active_ ? Qt::white : QColor(224, 224, 224));
  p.setClipRect(bar.intersected(p.clipBoundingRect().toRect()), Qt::ReplaceClip);
  p.drawText(QRect(textLeft, bar.top(), bar.right() - textLeft, bar.height()), Qt::AlignLeft | Qt::AlignVCenter,
             caption_);
}

QFont TChildFrame::CaptionFont() {
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(12);
  font.setBold(true);
  return font;
}

unsigned TChildFrame::GripAt(QPoint p) const {
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
  return p.y() < kBorder + kCaption ? CaptionBar : None;
}

TCursor TChildFrame::GripCursor(unsigned grip) {
  if (grip == (Left | Top) || grip == (Right | Bottom)) return TCursor::SizeNWSE;
  if (grip == (Right | Top) || grip == (Left | Bottom)) return TCursor::SizeNESW;
  if (grip == Left || grip == Right) return TCursor::SizeWE;
  if (grip == Top || grip == Bottom) return TCursor::SizeNS;
  return TCursor::Arrow;
}

void TChildFrame::SetPointer(TCursor shape) {
  if (shape == cursorShape_) return;
  cursorShape_ = shape;
  setCursor(QtCursorShape(shape));
}

QRect TChildFrame::Dragged(QPoint pointer) const {
  // The pointer stays inside the parent, so no frame is ever carried out of reach.
  if (const QWidget* parent = parentWidget()) {
    const QRect room = room_.isValid() ? room_.intersected(parent->rect()) : parent->rect();
    pointer = QPoint(Bound(pointer.x(), room.left(), room.right()), Bound(pointer.y(), room.top(), room.bottom()));
  }
  const QPoint d = pointer - grabbedAt_;
  QRect r = grabbedFrame_;
  if (grip_ == CaptionBar) return r.translated(d);
  const TrackSizes sizes = GetMinMaxInfo();
  const int minW = sizes.minimum.width(), maxW = std::max(minW, sizes.maximum.width());
  const int minH = sizes.minimum.height(), maxH = std::max(minH, sizes.maximum.height());
  if (grip_ & Left) r.setLeft(Bound(r.left() + d.x(), r.right() + 1 - maxW, r.right() + 1 - minW));
  if (grip_ & Right) r.setRight(Bound(r.right() + d.x(), r.left() + minW - 1, r.left() + maxW - 1));
  if (grip_ & Top) r.setTop(Bound(r.top() + d.y(), r.bottom() + 1 - maxH, r.bottom() + 1 - minH));
  if (grip_ & Bottom) r.setBottom(Bound(r.bottom() + d.y(), r.top() + minH - 1, r.top() + maxH - 1));
  return r;
}

void TChildFrame::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return;
  Activate();
  const QPoint point = e->position().toPoint();
  if (systemMenu_ && SystemMenuBox().contains(point)) {
    SystemMenu();
    return;
  }
  const unsigned grip = GripAt(point);
  if (grip == None) {
    if (ClientRect().contains(point)) EvClientLButtonDown(point - ClientRect().topLeft());
    return;
  }
  grip_ = grip;
  grabbedAt_ = pos() + point;
  grabbedFrame_ = geometry();
}

void TChildFrame::mouseMoveEvent(QMouseEvent* e) {
  const QPoint point = e->position().toPoint();
  if (!(e->buttons() & Qt::LeftButton)) grip_ = None;  // a release that went elsewhere ends the drag too
  if (grip_ == None) {
    SetPointer(GripCursor(GripAt(point)));
    return;
  }
  const QRect to = Dragged(pos() + point);
  if (to == geometry()) return;
  setGeometry(to);
  FrameChanged();
}

void TChildFrame::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton) grip_ = None;
}

void TChildFrame::mouseDoubleClickEvent(QMouseEvent* e) {
  // A double click on the system-menu box asks to close, as its "Fermer" does.
  if (e->button() == Qt::LeftButton && systemMenu_ && SystemMenuBox().contains(e->position().toPoint())) {
    close();
    return;
  }
  mousePressEvent(e);
}

void TChildFrame::SystemMenu() {
  const TMenuResource items{{kCloseCommand, QString::fromUtf8("&Fermer")}};
  const std::set<int> greyed = closable_ ? std::set<int>{} : std::set<int>{kCloseCommand};
  if (ChoosePopupItem(*this, SystemMenuBox().bottomLeft(), items, greyed) == kCloseCommand) close();
}

void TChildFrame::closeEvent(QCloseEvent* e) {
  if (closable_) e->accept();
  else e->ignore();
}

QWidget* TChildFrame::ClientWindow() {
  if (!client_) {
    client_ = new QWidget(this);
    client_->setAutoFillBackground(true);
    QPalette palette = client_->palette();
    palette.setColor(QPalette::Window, Qt::white);
    client_->setPalette(palette);
    client_->setGeometry(ClientRect());
    client_->show();
  }
  return client_;
}

void TChildFrame::resizeEvent(QResizeEvent* e) {
  if (client_) client_->setGeometry(ClientRect());
  QWidget::resizeEvent(e);
}
