#include "Window.h"

#include "ImageMemory.h"
#include "Keys.h"
#include "PaintBands.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QTimer>

namespace {
TimerDriver* g_timerDriver = nullptr;

unsigned Flags(const QMouseEvent* e) {
  unsigned f = 0;
  if (e->buttons() & Qt::LeftButton) f |= MK_LBUTTON;
  if (e->buttons() & Qt::RightButton) f |= MK_RBUTTON;
  if (e->modifiers() & Qt::ShiftModifier) f |= MK_SHIFT;
  if (e->modifiers() & Qt::ControlModifier) f |= MK_CONTROL;
  return f;
}

QPoint Point(const QMouseEvent* e) { return e->position().toPoint(); }

}  // namespace

Qt::CursorShape QtCursorShape(TCursor c) {
  switch (c) {
    case TCursor::Cross: return Qt::CrossCursor;
    case TCursor::SizeNS: return Qt::SizeVerCursor;
    case TCursor::SizeWE: return Qt::SizeHorCursor;
    case TCursor::SizeNWSE: return Qt::SizeFDiagCursor;
    case TCursor::SizeNESW: return Qt::SizeBDiagCursor;
    case TCursor::SizeAll: return Qt::SizeAllCursor;
    case TCursor::Wait: return Qt::WaitCursor;
    case TCursor::IBeam: return Qt::IBeamCursor;
    case TCursor::Hand: return Qt::PointingHandCursor;
    case TCursor::No: return Qt::ForbiddenCursor;
    case TCursor::Arrow: break;
  }
  return Qt::ArrowCursor;
}

void TimerDriver::Install(TimerDriver* driver) { g_timerDriver = driver; }
TimerDriver* TimerDriver::Installed() { return g_timerDriver; }

TWindow::TWindow(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

TWindow::~TWindow() {
  if (g_timerDriver)
    for (auto& [id, timer] : timers_) g_timerDriver->Stop(this, id);
}

void TWindow::Create() {
  if (created_) return;
  created_ = true;
  SetupWindow();
}

void TWindow::OnCommand(int id, std::function<void()> handler) { commands_[id] = std::move(handler); }

bool TWindow::EvCommand(int id) {
  const auto it = commands_.find(id);
  if (it == commands_.end()) return false;
  if (inputHeld_) return true;  // answered by doing nothing
  const auto handler = it->second;  // the handler may replace the table entry
  handler();
  return true;
}

void TWindow::SetScreenSize(QSize size) {
  screen_ = NewWhiteImage(size);
  update();
}

void TWindow::Invalidate() {
  TClientDC dc(*this, TClientDC::Sending::AsDrawn);
  Paint(dc, screen_.rect());
  update();
}

void TWindow::SetTimer(int id, int milliseconds) {
  if (g_timerDriver) {
    timers_[id] = nullptr;
    g_timerDriver->Start(this, id, milliseconds);
    return;
  }
  QTimer*& timer = timers_[id];
  if (!timer) {
    timer = new QTimer(this);
    timer->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer, &QTimer::timeout, this, [this, id] { EvTimer(id); });
  }
  timer->start(milliseconds);
}

void TWindow::KillTimer(int id) {
  const auto it = timers_.find(id);
  if (it == timers_.end()) return;
  if (g_timerDriver) g_timerDriver->Stop(this, id);
  delete it->second;
  timers_.erase(it);
}

void TWindow::SetCursorShape(TCursor shape) {
  cursorShape_ = shape;
  setCursor(QtCursorShape(shape));
}

void TWindow::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  const QRect area = event->rect();
  // The screen's pixels where it has them, white beyond: each pixel written once.
  const QRect shown = area.intersected(screen_.rect());
  for (const QRect& beyond : QRegion(area).subtracted(QRegion(shown))) p.fillRect(beyond, Qt::white);
  if (!shown.isEmpty()) PaintInBands(p, shown, [&](const QRect& band) { p.drawImage(band.topLeft(), screen_, band); });
}

void TWindow::mousePressEvent(QMouseEvent* e) {
  if (inputHeld_) return;
  if (e->button() == Qt::LeftButton) EvLButtonDown(Flags(e), Point(e));
  else if (e->button() == Qt::RightButton) EvRButtonDown(Flags(e), Point(e));
}

void TWindow::mouseReleaseEvent(QMouseEvent* e) {
  if (inputHeld_) return;
  if (e->button() == Qt::LeftButton) EvLButtonUp(Flags(e), Point(e));
  else if (e->button() == Qt::RightButton) EvRButtonUp(Flags(e), Point(e));
}

void TWindow::mouseDoubleClickEvent(QMouseEvent* e) {
  if (inputHeld_) return;
  // The second press of a double click is a double click, never a press.
  if (e->button() == Qt::LeftButton) EvLButtonDblClk(Flags(e), Point(e));
  else if (e->button() == Qt::RightButton) EvRButtonDown(Flags(e), Point(e));
}

void TWindow::mouseMoveEvent(QMouseEvent* e) { EvMouseMove(Flags(e), Point(e)); }

void TWindow::keyPressEvent(QKeyEvent* e) {
  if (inputHeld_) return;  // nor is its release ours afterwards
  if (!e->isAutoRepeat()) keysDown_.insert(e->key());
  EvKeyDown(e->key());
}

void TWindow::keyReleaseEvent(QKeyEvent* e) {
  // A release whose press went elsewhere (the Enter that closed a dialog) is not ours.
  if (e->isAutoRepeat() || keysDown_.erase(e->key()) == 0 || inputHeld_) return;
  EvKeyUp(e->key());
}

void TWindow::focusOutEvent(QFocusEvent* e) {
  keysDown_.clear();
  QWidget::focusOutEvent(e);
}

