#include "Textures.h"

#include "ImageMemory.h"
#include "PictureFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <iterator>

namespace dedalo {
namespace {
quint32 Le32(const QByteArray& b, int at) {
  return quint32(quint8(b[at])) | quint32(quint8(b[at + 1])) << 8 | quint32(quint8(b[at + 2])) << 16 |
         quint32(quint8(b[at + 3])) << 24;
}
quint16 Le16(const QByteArray& b, int at) { return quint16(quint8(b[at]) | quint8(b[at + 1]) << 8); }

// Reads `path` as what its name says it is: a plain file holding an
// uncompressed 256-colour BMP picture of the stated size, whole. Anything else
// is refused before any pixel is read, with the reason in a few words for the
// grown-up. A named pipe or a device is never opened, since opening one may
// wait for ever.
QImage Read(const QString& path, const TextureFile& file, QString& reason) {
  const QFileInfo info(path);
  if (!info.isFile()) {
    reason = QStringLiteral("n'est pas un fichier ordinaire");
    return {};
  }
  QFile in(path);
  if (!in.open(QIODevice::ReadOnly)) {
    reason = QStringLiteral("ne peut pas être lu");
    return {};
  }
  const QByteArray header = in.read(54);
  if (header.size() < 54 || !header.startsWith("BM")) {
    reason = QStringLiteral("n'est pas une image BMP");
    return {};
  }
  const qint32 width = qint32(Le32(header, 18)), height = qint32(Le32(header, 22));
  if (Le16(header, 28) != 8) {
    reason = QStringLiteral("n'a pas 256 couleurs");
    return {};
  }
  if (Le32(header, 30) != 0) {
    reason = QStringLiteral("est compressé");
    return {};
  }
  if (width != file.width || (height != file.height && height != -file.height)) {
    reason = QStringLiteral("n'a pas la taille %1 x %2").arg(file.width).arg(file.height);
    return {};
  }
  const qint64 rows = qint64((file.width + 3) / 4) * 4 * file.height;  // rows padded to 4 bytes
  if (in.size() < qint64(Le32(header, 10)) + rows) {
    reason = QStringLiteral("est incomplet");
    return {};
  }
  // The palette follows the header; the pixels are read straight into a
  // true-colour picture, bottom row first unless the height says otherwise.
  const qint64 paletteAt = 14 + qint64(Le32(header, 14)), pixelsAt = Le32(header, 10);
  const quint32 used = Le32(header, 46);
  const int colours = used == 0 || used > 256 ? 256 : int(used);
  if (paletteAt + 4 * colours > pixelsAt || !in.seek(0)) {
    reason = QStringLiteral("n'est pas une image BMP lisible");
    return {};
  }
  const QByteArray data = in.read(pixelsAt + rows);
  if (data.size() < pixelsAt + rows) {
    reason = QStringLiteral("est incomplet");
    return {};
  }
  QRgb palette[256];
  std::fill(std::begin(palette), std::end(palette), qRgb(0, 0, 0));
  for (int k = 0; k < colours; ++k) {
    const auto* entry = reinterpret_cast<const uchar*>(data.constData() + paletteAt + 4 * k);
    palette[k] = qRgb(entry[2], entry[1], entry[0]);
  }
  QImage image = NewImage(QSize(file.width, file.height));
  const qsizetype stride = (file.width + 3) / 4 * 4;
  for (int y = 0; y < file.height; ++y) {
    const auto* from = reinterpret_cast<const uchar*>(data.constData() + pixelsAt) +
                       (height > 0 ? file.height - 1 - y : y) * stride;
    auto* to = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < file.width; ++x) to[x] = palette[from[x]];
  }
  return image;
}
}  // namespace

void Textures::LoadSoon(const QStringList& folders, const QString& builtIn) {
  Ready();
  loading_ = std::thread([this, folders, builtIn] { LoadNow(folders, builtIn); });
}

void Textures::Load(const QStringList& folders, const QString& builtIn) {
  Ready();
  LoadNow(folders, builtIn);
}

void Textures::LoadNow(const QStringList& folders, const QString& builtIn) {
  missing_.clear();
  for (size_t i = 0; i < kTextureFiles.size(); ++i) {
    const TextureFile& file = kTextureFiles[i];
    const QString name = QString::fromLatin1(file.name);
    QImage picture;
    for (const QString& folder : folders) {
      const QString path = QDir(folder).filePath(name);
      if (!QFileInfo::exists(path)) continue;
      QString reason;
      picture = Read(path, file, reason);
      if (picture.isNull()) missing_ << name + QStringLiteral(" (") + reason + ')';
      break;  // the first file found is the one meant, readable or not
    }
    if (picture.isNull()) {
      if (missing_.isEmpty() || !missing_.last().startsWith(name)) missing_ << name;
      // The program's own copy, in 32 bits already: read in place.
      picture = PictureFile::Read(builtIn + '/' + QString(name).replace(QStringLiteral(".bmp"), QStringLiteral(".pix")));
      if (picture.size() != QSize(file.width, file.height)) {
        picture = QImage(file.width, file.height, QImage::Format_RGB32);
        picture.fill(Qt::gray);
      }
    }
    pictures_[i] = picture;
  }
}

void Textures::SetFlat(Surface s, QRgb colour) {
  Ready();
  const TextureFile& file = kTextureFiles[s];
  pictures_[s] = QImage(file.width, file.height, QImage::Format_RGB32);
  pictures_[s].fill(colour);
}

}  // namespace dedalo
