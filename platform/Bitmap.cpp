#include "Bitmap.h"

#include "ImageMemory.h"
#include "PictureFile.h"

#include <QFile>
#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

namespace {
QStringList& Folders() {
  static QStringList folders{QStringLiteral(":/common")};
  return folders;
}
}  // namespace

TBitmap::TBitmap(int width, int height) : image_(NewWhiteImage(QSize(width, height))) {}

TBitmap::TBitmap(const QImage& image) : image_(image.convertToFormat(QImage::Format_RGB32)) {}

void TBitmap::SetResourceFolders(const QStringList& folders) { Folders() = folders; }

QString TBitmap::FindResource(const QString& name) {
  // Pictures come rendered at build time; an SVG source is rendered here.
  for (const QString& folder : Folders())
    for (const char* kind : {".pix", ".svg"}) {
      const QString path = folder + '/' + name + QLatin1String(kind);
      if (QFile::exists(path)) return path;
    }
  return {};
}

TBitmap TBitmap::Missing() {
  TBitmap missing(29, 29);
  missing.image_.fill(QColor(255, 0, 255));
  return missing;
}

TBitmap TBitmap::Load(const QString& name) {
  // Each source is rendered once per run; later loads share the image.
  static QHash<QString, QImage> rendered;
  const QString path = FindResource(name);
  if (const auto it = rendered.constFind(path); it != rendered.cend()) return TBitmap(*it);
  if (path.endsWith(QLatin1String(".pix"))) {
    TBitmap bitmap;
    bitmap.image_ = PictureFile::Read(path);
    if (bitmap.image_.isNull()) bitmap = Missing();
    rendered.insert(path, bitmap.image_);
    return bitmap;
  }
  QSvgRenderer renderer;
  if (path.isEmpty() || !renderer.load(path)) return Missing();
  const QSize size = renderer.defaultSize();
  TBitmap bitmap(size.width(), size.height());
  QPainter painter(&bitmap.image_);
  renderer.render(&painter, QRectF(0, 0, size.width(), size.height()));
  painter.end();
  rendered.insert(path, bitmap.image_);
  return bitmap;
}
