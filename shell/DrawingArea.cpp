#include "DrawingArea.h"

#include "Services.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLayout>
#include <QMainWindow>
#include <QStyle>
#include <QWindow>
#include <algorithm>
#include <optional>

namespace {
std::optional<QSize> g_room;

// How long a window manager may take to map and maximise the frame before the
// room is guessed from the screen instead.
constexpr int kPlacementWaitMs = 2000;
// After the first exposure, how long a frame that is not yet maximised may take
// to become so (some window managers map first, then resize).
constexpr int kSettleMs = 150;

bool Placed(const QMainWindow& frame) {
  const QWindow* handle = frame.windowHandle();
  return handle && handle->isExposed();
}

bool WaitUntilPlaced(QMainWindow& frame) {
  QElapsedTimer clock;
  clock.start();
  qint64 exposedAt = -1;
  while (clock.elapsed() < kPlacementWaitMs) {
    QApplication::processEvents(QEventLoop::AllEvents, 10);
    if (!Placed(frame)) continue;
    if (exposedAt < 0) exposedAt = clock.elapsed();
    if (frame.isMaximized() || frame.isFullScreen() || clock.elapsed() - exposedAt >= kSettleMs) return true;
    if (QGuiApplication::platformName() == QStringLiteral("offscreen")) return true;
  }
  return false;
}

// Without a window manager's answer: the screen's free area less a usual caption
// and border.
QSize GuessedRoom(QMainWindow& frame) {
  QSize decoration(0, 0);
  if (QGuiApplication::platformName() != QStringLiteral("offscreen")) {
    const int caption = std::max(32, QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight) + 8);
    decoration = QSize(8, caption + 4);
  }
  frame.resize(Services::Screen().available.size() - decoration);
  frame.layout()->activate();
  return frame.centralWidget() ? frame.centralWidget()->size() : frame.size();
}
}  // namespace

QSize VisibleRoom(const QRect& client, const QRect& available) {
  const QRect shown = client.intersected(available);
  if (shown.isEmpty()) return {0, 0};
  return {shown.right() + 1 - client.left(), shown.bottom() + 1 - client.top()};
}

void MeasureClientRoom(QMainWindow& frame) {
  // The frame shows this early only to learn the room it is given; it is
  // painted once, with its game window, rather than first without it.
  frame.setUpdatesEnabled(false);
  Services::ShowMaximised(frame);
  if (WaitUntilPlaced(frame)) {
    frame.layout()->activate();
    const QWidget* middle = frame.centralWidget() ? frame.centralWidget() : &frame;
    const QRect client(middle->mapToGlobal(QPoint(0, 0)), middle->size());
    g_room = VisibleRoom(client, Services::Screen().available);
  } else {
    g_room = GuessedRoom(frame);
  }
  frame.setUpdatesEnabled(true);
}

void ForgetClientRoom() { g_room.reset(); }

QRect ComputeDrawingArea(int marginRight, int marginBottom, QSize reserve) {
  const Services::ScreenMetrics screen = Services::Screen();
  int right = screen.width - marginRight;
  int bottom = screen.available.top() + screen.available.height() - marginBottom;
  // Where this desktop's bars are wider than the margins allow, shrink the area
  // so that all of it shows in the maximised frame.
  if (g_room) {
    right = std::min(right, g_room->width() - reserve.width());
    bottom = std::min(bottom, g_room->height() - reserve.height());
  }
  return QRect(0, 0, std::max(1, right), std::max(1, bottom));
}
