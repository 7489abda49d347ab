// Renders an SVG picture to a square PNG of the given size on a transparent
// background, kept in proportion and centred: the desktop's icons.
//   render_icon SIZE OUTPUT.png INPUT.svg
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 4) {
    std::fprintf(stderr, "usage: render_icon SIZE OUTPUT.png INPUT.svg\n");
    return 2;
  }
  const int size = QString::fromLocal8Bit(argv[1]).toInt();
  QSvgRenderer renderer;
  if (size <= 0 || !renderer.load(QString::fromLocal8Bit(argv[3]))) {
    std::fprintf(stderr, "render_icon: cannot read %s at size %s\n", argv[3], argv[1]);
    return 1;
  }
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QSizeF drawn = renderer.defaultSize();
  drawn.scale(size, size, Qt::KeepAspectRatio);
  QPainter painter(&image);
  renderer.render(&painter, QRectF(QPointF((size - drawn.width()) / 2, (size - drawn.height()) / 2), drawn));
  painter.end();
  const QString target = QString::fromLocal8Bit(argv[2]);
  QDir().mkpath(QFileInfo(target).absolutePath());
  if (!image.save(target, "PNG")) {
    std::fprintf(stderr, "render_icon: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
