#include "VeliscaWindow.h"

#include <QApplication>

int main(int argc, char** argv) {
  QApplication qt(argc, argv);
  velisca::TMyAppCumMenuSuite app;
  return app.Run();
}
