#include "OrugaWindow.h"

#include <QApplication>

int main(int argc, char** argv) {
  QApplication qt(argc, argv);
  oruga::TMyAppCumMenuSuite app;
  return app.Run();
}
