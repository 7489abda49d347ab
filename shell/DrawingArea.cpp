#include "DrawingArea.h"

#include "Services.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLayout>
#include <QMainWindow>
#include <QStyle>
#include <algorithm>
#include <optional>

namespace {
std::optional<QSize> g_room;
}

void MeasureClientRoom(QMainWindow& frame) {
  // What the window manager's caption and borders take, where there is one.
  QSize decoration(0, 0);
  if (QGuiApplication::platformName() != QStringLiteral("offscreen")) {
    const int caption = std::max(32, QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight) + 8);
    decoration = QSize(8, caption + 4);
  }
  frame.resize(Services::Screen().available.size() - decoration);
  frame.layout()->activate();
  g_room = frame.centralWidget() ? frame.centralWidget()->size() : frame.size();
}

void ForgetClientRoom() { g_room.reset(); }

QRect ComputeDrawingArea(int marginRight, int marginBottom) {
  const Services::ScreenMetrics screen = Services::Screen();
  int right = screen.width - marginRight;
  int bottom = screen.available.top() + screen.available.height() - marginBottom;
  // Where this desktop's bars are wider than the margins allow, shrink the area
  // so that all of it shows in the maximised frame.
  if (g_room) {
    right = std::min(right, g_room->width());
    bottom = std::min(bottom, g_room->height());
  }
  return QRect(0, 0, std::max(1, right), std::max(1, bottom));
}
