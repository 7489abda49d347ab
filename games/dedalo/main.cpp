#include "DedaloWindow.h"

#include <QApplication>

int main(int argc, char** argv) {
  QApplication qt(argc, argv);
  dedalo::TMyAppCumMenuSuite app;
  return app.Run();
}
