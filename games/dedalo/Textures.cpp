#include "Textures.h"

#include <QDir>
#include <QFileInfo>

namespace dedalo {
namespace {
QImage Read(const QString& path, const TextureFile& file) {
  QImage image(path);
  if (image.isNull() || image.width() != file.width || image.height() != file.height) return {};
  return image.convertToFormat(QImage::Format_RGB32);
}
}  // namespace

void Textures::Load(const QStringList& folders, const QString& builtIn) {
  missing_.clear();
  for (size_t i = 0; i < kTextureFiles.size(); ++i) {
    const TextureFile& file = kTextureFiles[i];
    const QString name = QString::fromLatin1(file.name);
    QImage picture;
    for (const QString& folder : folders) {
      const QString path = QDir(folder).filePath(name);
      if (!QFileInfo::exists(path)) continue;
      picture = Read(path, file);
      break;  // the first file found is the one meant, readable or not
    }
    if (picture.isNull()) {
      missing_ << name;
      picture = Read(builtIn + '/' + name, file);
      if (picture.isNull()) {
        picture = QImage(file.width, file.height, QImage::Format_RGB32);
        picture.fill(Qt::gray);
      }
    }
    pictures_[i] = picture;
  }
}

void Textures::SetFlat(Surface s, QRgb colour) {
  const TextureFile& file = kTextureFiles[s];
  pictures_[s] = QImage(file.width, file.height, QImage::Format_RGB32);
  pictures_[s].fill(colour);
}

}  // namespace dedalo
