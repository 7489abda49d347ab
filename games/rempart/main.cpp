#include "RempartWindow.h"

#include <QApplication>

int main(int argc, char** argv) {
  QApplication qt(argc, argv);
  rempart::TMyAppCumMenuSuite app;
  return app.Run();
}
