// Renders SVG pictures at the size each SVG states, on white, into the
// programs' own picture files, so that the programs show ready-made pictures
// instead of rendering or decoding them at start-up.
//   render_pictures OUTPUT_DIR FILE.svg...
#include "PictureFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc < 3) {
    std::fprintf(stderr, "usage: render_pictures OUTPUT_DIR FILE.svg...\n");
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));
  if (!out.mkpath(QStringLiteral("."))) return 1;
  for (int i = 2; i < argc; ++i) {
    const QString source = QString::fromLocal8Bit(argv[i]);
    QSvgRenderer renderer;
    if (!renderer.load(source)) {
      std::fprintf(stderr, "render_pictures: cannot read %s\n", argv[i]);
      return 1;
    }
    QImage image(renderer.defaultSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(image.size())));
    painter.end();
    const QString target = out.filePath(QFileInfo(source).completeBaseName() + QStringLiteral(".pix"));
    QFile file(target);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(PictureFile::Encode(image)) < 0 ||
        !file.flush()) {
      std::fprintf(stderr, "render_pictures: cannot write %s\n", qPrintable(target));
      return 1;
    }
  }
  return 0;
}
