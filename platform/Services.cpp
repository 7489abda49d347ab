#include "Services.h"

#include "ClientDC.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QWidget>
#include <optional>
#include <ctime>

namespace Services {
namespace {
std::optional<ScreenMetrics>& FixedScreen() {
  static std::optional<ScreenMetrics> fixed;
  return fixed;
}
std::function<void()>& BeepHook() {
  static std::function<void()> hook;
  return hook;
}
std::function<void(const QString&, const QString&)>& InfoHook() {
  static std::function<void(const QString&, const QString&)> hook;
  return hook;
}
}  // namespace

ScreenMetrics Screen() {
  if (FixedScreen()) return *FixedScreen();
  ScreenMetrics m;
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    m.width = screen->geometry().width();
    m.height = screen->geometry().height();
    m.available = screen->availableGeometry();
  }
  return m;
}

void SetScreenForTesting(const ScreenMetrics* metrics) {
  if (metrics) FixedScreen() = *metrics; else FixedScreen().reset();
}

void ShowMaximised(QWidget& window) {
  if (FixedScreen()) {
    // The frame, borders included, fills the free area, as a window manager
    // maximises it; the borders are known once the window is shown.
    window.show();
    const QRect outer = window.frameGeometry(), inner = window.geometry();
    window.setGeometry(FixedScreen()->available.adjusted(inner.left() - outer.left(), inner.top() - outer.top(),
                                                         inner.right() - outer.right(), inner.bottom() - outer.bottom()));
  } else {
    window.showMaximized();
  }
}

void Beep() {
  if (BeepHook()) BeepHook()(); else QApplication::beep();
}

void SetBeepForTesting(std::function<void()> hook) { BeepHook() = std::move(hook); }

void InformationBox(QWidget* owner, const QString& caption, const QString& text) {
  if (InfoHook()) {
    InfoHook()(caption, text);
    return;
  }
  TClientDC::PushAll();  // the window as drawn so far shows under the box
  QMessageBox::information(owner, caption, text);
}

void SetInformationBoxForTesting(std::function<void(const QString&, const QString&)> hook) {
  InfoHook() = std::move(hook);
}

long long NowSeconds() { return static_cast<long long>(std::time(nullptr)); }

}  // namespace Services
