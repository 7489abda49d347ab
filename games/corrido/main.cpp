#include "CorridoWindow.h"

#include <QApplication>

int main(int argc, char** argv) {
  QApplication qt(argc, argv);
  corrido::TMyAppCumMenuSuite app;
  return app.Run();
}
