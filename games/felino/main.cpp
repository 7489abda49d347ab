#include "FelinoWindow.h"

#include <QApplication>

int main(int argc, char** argv) {
  QApplication qt(argc, argv);
  felino::TMyAppCumMenuSuite app;
  return app.Run();
}
