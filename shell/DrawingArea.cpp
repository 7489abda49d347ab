#include "MemDCWindow.h"

#include "AppCumMenu.h"
#include "ControlBar.h"
#include "Services.h"
#include "StatusBar.h"

#include <QApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QMenuBar>
#include <QPixmap>
#include <QStyle>
#include <algorithm>

#include "BitmapMenuStyle.h"

namespace {
// Room the frame's own parts take around the drawing area, measured on bars
// made like the real ones: the menu bar of 28-pixel pictures, the status bar in
// the shared font, the button bar of 29 x 29 pictures; plus the window
// manager's caption and borders where there is one.
struct Chrome {
  int left = 0, top = 0, right = 0, bottom = 0;
};

Chrome MeasureChrome() {
  Chrome c;
  QMenuBar menu;
  menu.setNativeMenuBar(false);
  menu.setStyle(BitmapMenuStyle::Instance());
  QPixmap entry(85, 28);
  entry.fill(Qt::lightGray);
  menu.addAction(QIcon(entry), QString());
  TStatusBar status(TMyAppCumMenu::MakeSharedFont());
  TTextGadget* field = new TTextGadget(0, 5);
  status.Insert(field);
  field->setText(QStringLiteral(" "));
  TControlBar buttons;
  buttons.Insert(TButtonGadget{QStringLiteral("door"), 0});
  c.top = menu.sizeHint().height();
  c.bottom = status.sizeHint().height();
  c.left = buttons.sizeHint().width();
  if (QGuiApplication::platformName() != QStringLiteral("offscreen")) {
    // A maximised window keeps its caption; its side borders usually go.
    const int caption = std::max(32, QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight) + 8);
    c.top += caption;
    c.left += 2;
    c.right += 2;
    c.bottom += 2;
  }
  return c;
}
}  // namespace

QRect ComputeDrawingArea(int marginRight, int marginBottom) {
  const Services::ScreenMetrics screen = Services::Screen();
  int right = screen.width - marginRight;
  int bottom = screen.available.top() + screen.available.height() - marginBottom;
  // Where this desktop's bars are wider than the margins allow, shrink the area
  // so that all of it shows in the maximised frame.
  const Chrome chrome = MeasureChrome();
  right = std::min(right, screen.available.width() - chrome.left - chrome.right);
  bottom = std::min(bottom, screen.available.height() - chrome.top - chrome.bottom);
  return QRect(0, 0, std::max(1, right), std::max(1, bottom));
}
