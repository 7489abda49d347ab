// The wall, floor and ceiling pictures a grown-up may put beside the game:
// only whole, uncompressed 256-colour BMP files of the stated size are taken;
// anything else is refused at once, named with its reason, and replaced.
#include "Textures.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace dedalo;

namespace {
const QString kBuiltIn = QStringLiteral(":/dedalo/textures");

// An 8-bit picture of `width` x `height` in one colour of a 256-colour table.
QByteArray Bmp(int width, int height, const char* format = "BMP", QImage::Format depth = QImage::Format_Indexed8) {
  QImage image(width, height, QImage::Format_Indexed8);
  QList<QRgb> table;
  for (int i = 0; i < 256; ++i) table << qRgb(i, 255 - i, 100);
  image.setColorTable(table);
  image.fill(40);
  if (depth != QImage::Format_Indexed8) image = image.convertToFormat(depth);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, format);
  return bytes;
}

void Write(const QString& path, const QByteArray& bytes) {
  QFile out(path);
  ASSERT_TRUE(out.open(QIODevice::WriteOnly));
  out.write(bytes);
}
}  // namespace

TEST(Textures, AWholeBmpOfTheRightSizeIsTakenAndTheOthersComeFromTheGame) {
  QTemporaryDir dir;
  Write(dir.filePath("NO512128.bmp"), Bmp(512, 128));
  Textures t;
  t.Load({dir.path()}, kBuiltIn);
  EXPECT_EQ(t.Picture(NorthWall).pixel(100, 50), qRgb(40, 215, 100));
  EXPECT_EQ(t.Missing().size(), 5);  // the five not found, by name alone
  EXPECT_TRUE(t.Missing().contains("ES512128.bmp"));
  EXPECT_EQ(t.Picture(EastWall).size(), QSize(512, 128));
}

// The default files made with the program are read as the image library reads
// them, and the copies built into the program hold the same pixels.
TEST(Textures, TheDefaultFilesAndTheBuiltInCopiesReadPixelForPixelAlike) {
  const QString folder = QStringLiteral(DEDALO_TEXTURE_DIR);
  Textures files;
  files.Load({folder}, QStringLiteral(":/nowhere"));
  ASSERT_TRUE(files.Missing().isEmpty()) << files.Missing().join(", ").toStdString();
  Textures builtIn;
  builtIn.Load({}, kBuiltIn);
  for (size_t i = 0; i < kTextureFiles.size(); ++i) {
    const auto s = static_cast<Surface>(i);
    const QImage want = QImage(folder + '/' + kTextureFiles[i].name).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(files.Picture(s), want) << kTextureFiles[i].name;
    EXPECT_EQ(builtIn.Picture(s).format(), QImage::Format_RGB32);
    EXPECT_EQ(builtIn.Picture(s), want) << kTextureFiles[i].name;
  }
}

TEST(Textures, EveryDamagedOrStrangeFileIsRefusedAtOnceWithItsReason) {
  QTemporaryDir dir;
  auto at = [&](const char* name) { return dir.filePath(QString::fromLatin1(name)); };
  ASSERT_EQ(mkfifo(at("ES512128.bmp").toLocal8Bit().constData(), 0600), 0);  // would block a plain open
  ASSERT_TRUE(QDir(dir.path()).mkdir("NO512128.bmp"));
  QFile::link(at("nowhere.bmp"), at("OU512128.bmp"));  // dangling: not found
  Write(at("SU512128.bmp"), {});
  Write(at("SO512512.bmp"), Bmp(512, 512).left(30000));  // half the pixels are missing
  Write(at("PL512512.bmp"), Bmp(512, 512, "PNG"));        // PNG data under a BMP name
  QElapsedTimer timer;
  timer.start();
  Textures t;
  t.Load({dir.path()}, kBuiltIn);
  EXPECT_LT(timer.elapsed(), 1000);
  EXPECT_EQ(t.Missing(), (QStringList{"ES512128.bmp (n'est pas un fichier ordinaire)",
                                      "NO512128.bmp (n'est pas un fichier ordinaire)", "OU512128.bmp",
                                      "SU512128.bmp (n'est pas une image BMP)", "SO512512.bmp (est incomplet)",
                                      "PL512512.bmp (n'est pas une image BMP)"}));
  // The game's own pictures stand in: whole, of their sizes.
  Textures builtIn;
  builtIn.Load({}, kBuiltIn);
  for (Surface s : {EastWall, NorthWall, WestWall, SouthWall, Floor, Ceiling}) {
    EXPECT_EQ(t.Picture(s), builtIn.Picture(s));
    const QImage& p = builtIn.Picture(s);
    EXPECT_NE(p.pixel(3, 3), p.pixel(p.width() / 2 + 7, p.height() / 2 + 5)) << "surface " << s << " is flat";
  }
}

TEST(Textures, WrongDepthWrongSizeAndAHugeHeaderAreRefusedBeforeAnyPixelIsRead) {
  QTemporaryDir dir;
  Write(dir.filePath("ES512128.bmp"), Bmp(512, 128, "BMP", QImage::Format_RGB32));  // true colour
  Write(dir.filePath("NO512128.bmp"), Bmp(256, 128));
  QByteArray huge = Bmp(512, 128);
  const qint32 side = 100000;
  for (int at : {18, 22}) memcpy(huge.data() + at, &side, 4);  // 100000 x 100000 in the header
  Write(dir.filePath("OU512128.bmp"), huge);
  QByteArray compressed = Bmp(512, 128);
  compressed[30] = 1;  // run-length encoded, the pixels are not
  Write(dir.filePath("SU512128.bmp"), compressed);
  QByteArray wide = Bmp(512, 512);
  const qint32 width = 512 + 65536;  // the low bytes alone would read 512
  memcpy(wide.data() + 18, &width, 4);
  Write(dir.filePath("SO512512.bmp"), wide);
  Write(dir.filePath("PL512512.bmp"), Bmp(512, 512).chopped(1000));  // short of its last two rows
  QElapsedTimer timer;
  timer.start();
  Textures t;
  t.Load({dir.path()}, kBuiltIn);
  EXPECT_LT(timer.elapsed(), 1000);
  EXPECT_EQ(t.Missing(), (QStringList{"ES512128.bmp (n'a pas 256 couleurs)", "NO512128.bmp (n'a pas la taille 512 x 128)",
                                      "OU512128.bmp (n'a pas la taille 512 x 128)", "SU512128.bmp (est compressé)",
                                      "SO512512.bmp (n'a pas la taille 512 x 512)", "PL512512.bmp (est incomplet)"}));
  // Pixels said to start inside the colour table: table and pixels would overlap.
  QTemporaryDir other;
  QByteArray overlapping = Bmp(512, 128);
  const quint32 pixelsAt = 54 + 4 * 256 - 4;
  memcpy(overlapping.data() + 10, &pixelsAt, 4);
  Write(other.filePath("NO512128.bmp"), overlapping);
  t.Load({other.path()}, kBuiltIn);
  EXPECT_TRUE(t.Missing().contains("NO512128.bmp (n'est pas une image BMP lisible)")) << t.Missing().join(", ").toStdString();
}

TEST(Textures, PicturesAreReadPixelForPixelAsTheImageLibraryReadsThem) {
  // One written here whose rows and colours all differ (the default files are
  // checked the same way above).
  Textures t;
  QImage striped(512, 128, QImage::Format_Indexed8);
  QList<QRgb> table;
  for (int i = 0; i < 256; ++i) table << qRgb(i, (i * 7) % 256, 255 - i);
  striped.setColorTable(table);
  for (int y = 0; y < 128; ++y)
    for (int x = 0; x < 512; ++x) striped.setPixel(x, y, (x / 7 + 3 * y) % 256);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  ASSERT_TRUE(striped.save(&buffer, "BMP"));
  QTemporaryDir dir;
  Write(dir.filePath("ES512128.bmp"), bytes);
  t.Load({dir.path()}, kBuiltIn);
  EXPECT_FALSE(t.Missing().join(' ').contains("ES512128.bmp"));
  EXPECT_EQ(t.Picture(static_cast<Surface>(0)), striped.convertToFormat(QImage::Format_RGB32));
}
