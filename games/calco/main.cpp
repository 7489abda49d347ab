#include "CalcoWindow.h"

#include <QApplication>

int main(int argc, char** argv) {
  QApplication qt(argc, argv);
  calco::TMyAppCumMenuSuite app;
  return app.Run();
}
