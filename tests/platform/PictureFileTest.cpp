#include "Bitmap.h"
#include "PictureFile.h"

#include <QFile>
#include <QResource>
#include <QTemporaryDir>
#include <cstring>
#include <gtest/gtest.h>

namespace {
// Writes `bytes` to a file of `dir` and reads it back as a picture.
QImage ReadBack(const QTemporaryDir& dir, const QByteArray& bytes) {
  const QString path = dir.filePath(QStringLiteral("picture.pix"));
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(bytes);
  file.close();
  return PictureFile::Read(path);
}
}  // namespace

TEST(PictureFile, APictureComesBackPixelForPixelAndDamagedFilesAreRefused) {
  QImage picture(7, 3, QImage::Format_RGB32);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 7; ++x) picture.setPixel(x, y, qRgb(30 * x, 80 * y, 200));
  QTemporaryDir dir;
  const QByteArray bytes = PictureFile::Encode(picture);
  EXPECT_EQ(ReadBack(dir, bytes), picture);

  EXPECT_TRUE(ReadBack(dir, bytes.left(bytes.size() - 1)).isNull());  // a row cut short
  EXPECT_TRUE(ReadBack(dir, bytes + "x").isNull());                    // more than its size says
  EXPECT_TRUE(ReadBack(dir, bytes.left(PictureFile::kHeader - 1)).isNull());
  QByteArray other = bytes;
  other[0] = 'B';
  EXPECT_TRUE(ReadBack(dir, other).isNull());
  // Sizes that would overflow or ask for a huge image are refused before any allocation.
  QByteArray huge = bytes;
  const quint32 side = 0x40000001u;
  std::memcpy(huge.data() + 4, &side, 4);
  std::memcpy(huge.data() + 8, &side, 4);
  EXPECT_TRUE(ReadBack(dir, huge).isNull());
  EXPECT_TRUE(PictureFile::Read(dir.filePath(QStringLiteral("nowhere.pix"))).isNull());
}

TEST(PictureFile, ThePicturesOfTheProgramAreShownFromItsOwnMemory) {
  TBitmap::SetResourceFolders({QStringLiteral(":/common")});
  const QString path = TBitmap::FindResource(QStringLiteral("Bitmap00"));
  ASSERT_TRUE(path.endsWith(QStringLiteral(".pix")));
  const QResource resource(path);
  ASSERT_EQ(resource.compressionAlgorithm(), QResource::NoCompression);
  const TBitmap board = TBitmap::Load(QStringLiteral("Bitmap00"));
  EXPECT_EQ(board.Image().constBits(), resource.data() + PictureFile::kHeader);
}
