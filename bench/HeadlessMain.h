#pragma once
// The main of a benchmark that drives a game headless: Qt's offscreen platform,
// with a screen of `screen` where one is given (so that the window takes
// points anywhere on it), otherwise the platform's own; its notices are
// silenced so that they do not drown the figures.
#include <QApplication>
#include <QFile>
#include <QSize>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>

inline int RunHeadlessBenchmarks(int argc, char** argv, QSize screen = {}) {
  QTemporaryDir dir;
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type >= QtCriticalMsg) std::fprintf(stderr, "%s\n", qPrintable(text));
  });
  if (screen.isEmpty()) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  } else {
    const QString config = dir.filePath(QStringLiteral("screen.json"));
    QFile file(config);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
      file.write(QStringLiteral(R"({"screens":[{"name":"bench","x":0,"y":0,"width":%1,"height":%2,"logicalDpi":96,"dpr":1}]})")
                     .arg(screen.width())
                     .arg(screen.height())
                     .toUtf8());
      file.close();
    }
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + config.toUtf8());
  }
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
