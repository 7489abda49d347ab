#pragma once
#include <QRect>
#include <QString>
#include <functional>

class QWidget;

// What the program asks of the desktop, each with a stand-in that tests install.
namespace Services {

// The screen's size and its area left free by panels and task bars.
struct ScreenMetrics {
  int width = 0;
  int height = 0;
  QRect available;
};
ScreenMetrics Screen();
void SetScreenForTesting(const ScreenMetrics* metrics);  // nullptr: the real screen again

// Shows a top-level window maximised. With a test screen installed, the window
// gets that screen's free area itself, as a window manager would give it.
void ShowMaximised(QWidget& window);

// The default beep.
void Beep();
void SetBeepForTesting(std::function<void()> hook);

// A plain information box (caption, text, one OK button), owned by `owner`.
void InformationBox(QWidget* owner, const QString& caption, const QString& text);
void SetInformationBoxForTesting(std::function<void(const QString& caption, const QString& text)> hook);

// Seconds since the epoch, for seeding the random generator.
long long NowSeconds();

}  // namespace Services
