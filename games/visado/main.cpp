#include "VisadoWindow.h"

#include <QApplication>

int main(int argc, char** argv) {
  QApplication qt(argc, argv);
  visado::TMyAppCumMenuSuite app;
  return app.Run();
}
