#include "MemDCWindow.h"

#include "AppCumMenu.h"
#include "ControlBar.h"
#include "Services.h"
#include "StatusBar.h"

#include <QApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QPixmap>
#include <QStyle>
#include <algorithm>

#include "BitmapMenuStyle.h"

namespace {
// The room left for the game window in a maximised frame: a frame made like the
// real one (menu bar of 28-pixel pictures, status bar in the shared font, button
// bar of 32-pixel buttons) is laid out at the free area's size, less what the
// window manager's caption and borders take where there is one.
QSize ClientRoom(const QRect& available) {
  QMainWindow frame;
  auto* menu = new QMenuBar;
  menu->setNativeMenuBar(false);
  menu->setStyle(BitmapMenuStyle::Instance());
  QPixmap entry(85, 28);
  entry.fill(Qt::lightGray);
  menu->addAction(QIcon(entry), QString());
  frame.setMenuBar(menu);
  auto* status = new TStatusBar(TMyAppCumMenu::MakeSharedFont());
  auto* field = new TTextGadget(0, 5);
  status->Insert(field);
  field->setText(QStringLiteral(" "));
  frame.setStatusBar(status);
  auto* buttons = new TControlBar;
  buttons->Insert(TButtonGadget{QStringLiteral("door"), 0});
  frame.addToolBar(Qt::LeftToolBarArea, buttons);
  auto* client = new QWidget;
  frame.setCentralWidget(client);
  QSize decoration(0, 0);
  if (QGuiApplication::platformName() != QStringLiteral("offscreen")) {
    const int caption = std::max(32, QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight) + 8);
    decoration = QSize(8, caption + 4);
  }
  frame.resize(available.size() - decoration);
  frame.layout()->activate();
  return client->size();
}
}  // namespace

QRect ComputeDrawingArea(int marginRight, int marginBottom) {
  const Services::ScreenMetrics screen = Services::Screen();
  int right = screen.width - marginRight;
  int bottom = screen.available.top() + screen.available.height() - marginBottom;
  // Where this desktop's bars are wider than the margins allow, shrink the area
  // so that all of it shows in the maximised frame.
  const QSize room = ClientRoom(screen.available);
  right = std::min(right, room.width());
  bottom = std::min(bottom, room.height());
  return QRect(0, 0, std::max(1, right), std::max(1, bottom));
}
