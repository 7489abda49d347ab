#pragma once
#include <QApplication>

// Listens to Qt's messages while the application connects to the display, so
// that a display that cannot be opened is told in the program's own words.
class TDisplayGuard {
protected:
  TDisplayGuard();
  void Release();
};

// The Qt application of a game program. Where no display can be opened (none
// set, or a dead one), it prints one line in French with the display it tried
// and ends the program with status 1, instead of Qt's abort and core dump.
class TGuiApplication : private TDisplayGuard, public QApplication {
public:
  TGuiApplication(int& argc, char** argv);
};
