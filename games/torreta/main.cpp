#include "TorretaWindow.h"

#include <QApplication>

int main(int argc, char** argv) {
  QApplication qt(argc, argv);
  torreta::TMyAppCumMenuSuite app;
  return app.Run();
}
