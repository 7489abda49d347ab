// Entry point of every test program: a headless application on a fixed
// 1920 x 1080 screen, then GoogleTest. The screen's description lives in a
// temporary folder that goes away when the program ends.
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
  QTemporaryDir dir;
  const QString config = dir.filePath(QStringLiteral("screen.json"));
  QFile file(config);
  if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    file.write(R"({"screens":[{"name":"test","x":0,"y":0,"width":1920,"height":1080,"logicalDpi":96,"dpr":1}]})");
    file.close();
  }
  qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + config.toUtf8());
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  QApplication::setStyle(QStringLiteral("Fusion"));
  return RUN_ALL_TESTS();
}
