#include "AlveoloWindow.h"

#include <QApplication>

int main(int argc, char** argv) {
  QApplication qt(argc, argv);
  alveolo::TMyAppCumMenuSuite app;
  return app.Run();
}
