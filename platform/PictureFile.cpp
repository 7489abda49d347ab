#include "PictureFile.h"

#include "ImageMemory.h"

#include <QFile>
#include <QResource>
#include <cstring>

namespace PictureFile {
namespace {
constexpr char kMagic[4] = {'T', 'V', 'R', 'P'};

quint32 Word(const uchar* at) {
  quint32 value;
  std::memcpy(&value, at, sizeof value);
  return value;
}
}  // namespace

QByteArray Encode(const QImage& picture) {
  const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
  const quint32 size[2] = {quint32(rgb.width()), quint32(rgb.height())};
  char header[kHeader] = {};
  std::memcpy(header, kMagic, sizeof kMagic);
  std::memcpy(header + 4, size, sizeof size);
  QByteArray bytes(header, kHeader);
  for (int y = 0; y < rgb.height(); ++y)
    bytes.append(reinterpret_cast<const char*>(rgb.constScanLine(y)), qsizetype(rgb.width()) * 4);
  return bytes;
}

QImage Read(const QString& path) {
  const QResource resource(path);
  QByteArray copy;
  const uchar* data = nullptr;
  qint64 size = 0;
  if (resource.isValid() && resource.compressionAlgorithm() == QResource::NoCompression) {
    data = resource.data();
    size = resource.size();
  } else {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    copy = file.readAll();
    data = reinterpret_cast<const uchar*>(copy.constData());
    size = copy.size();
  }
  if (!data || size < kHeader || std::memcmp(data, kMagic, 4) != 0) return {};
  const quint32 width = Word(data + 4), height = Word(data + 8);
  if (width == 0 || height == 0 || width > kLargest || height > kLargest ||
      size != kHeader + qint64(width) * height * 4)
    return {};
  const uchar* pixels = data + kHeader;
  const int w = int(width), h = int(height);
  // Read in place when the program's memory holds the rows aligned as an
  // image needs them; the image is then read-only and copied when drawn on.
  if (copy.isEmpty() && reinterpret_cast<quintptr>(pixels) % 4 == 0)
    return QImage(pixels, w, h, qsizetype(w) * 4, QImage::Format_RGB32);
  QImage image = NewImage(QSize(w, h));
  for (int y = 0; y < h; ++y) std::memcpy(image.scanLine(y), pixels + qsizetype(y) * w * 4, size_t(w) * 4);
  return image;
}
}  // namespace PictureFile
