#include "PeldanoWindow.h"

#include <QApplication>

int main(int argc, char** argv) {
  QApplication qt(argc, argv);
  peldano::TMyAppCumMenuSuite app;
  return app.Run();
}
