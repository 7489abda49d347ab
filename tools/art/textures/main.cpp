// Draws dedalo's six default maze textures and writes them as 256-colour BMP
// files that all share one colour table (the game builds its palette from the
// floor picture and uses it for every surface), and each also in the 32-bit
// picture form the program keeps built in (same name, ".pix").
//   make_textures OUTPUT_DIR
// Walls are 512 x 128 and span 8 rooms (64 texels per room, row 0 at the
// ceiling); floor and ceiling are 512 x 512 and repeat every 4 rooms.
// Everything is deterministic: the "noise" is a hash of the texel position.
#include "PictureFile.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;

// 16 ramps of 16 shades, dark to light.
enum Ramp { Grey, Stone, North, South, East, West, Wood, DarkWood,
            Sky, Gold, Pink, Orange, Purple, Leaf, Glass, Cream };

QVector<QRgb> makePalette() {
  struct R { int d[3], m[3], l[3]; };
  static const R ramps[16] = {
      {{0, 0, 0}, {128, 128, 128}, {240, 240, 240}},       // grey
      {{55, 50, 46}, {150, 140, 125}, {235, 228, 215}},    // stone
      {{70, 18, 14}, {190, 72, 56}, {250, 195, 180}},      // north: red brick
      {{90, 62, 8}, {226, 176, 52}, {255, 242, 185}},      // south: yellow
      {{18, 58, 26}, {88, 166, 86}, {210, 242, 200}},      // east: green
      {{20, 34, 92}, {82, 126, 212}, {205, 225, 255}},     // west: blue
      {{88, 52, 22}, {192, 132, 72}, {250, 218, 168}},     // wood
      {{40, 22, 10}, {118, 68, 34}, {200, 146, 96}},       // dark wood
      {{38, 88, 160}, {130, 190, 240}, {236, 248, 255}},   // sky
      {{110, 70, 0}, {246, 192, 22}, {255, 250, 195}},     // gold
      {{110, 18, 60}, {236, 92, 152}, {255, 216, 236}},    // pink
      {{120, 44, 0}, {246, 132, 32}, {255, 222, 172}},     // orange
      {{50, 20, 92}, {142, 82, 202}, {232, 212, 255}},     // purple
      {{14, 70, 10}, {70, 172, 42}, {202, 250, 162}},      // leaf
      {{10, 70, 82}, {62, 172, 182}, {202, 246, 246}},     // glass
      {{112, 96, 70}, {226, 212, 182}, {255, 255, 255}}};  // cream
  QVector<QRgb> table;  // each ramp: dark -> middle over shades 0..7.5, middle -> light above
  for (const R& r : ramps)
    for (int i = 0; i < 16; ++i) {
      const bool low = i * 2 < 15;
      const int *a = low ? r.d : r.m, *b = low ? r.m : r.l;
      const double u = low ? i * 2 / 15.0 : i * 2 / 15.0 - 1;
      auto mix = [&](int k) { return int(std::lround(a[k] + (b[k] - a[k]) * u)); };
      table.append(qRgb(mix(0), mix(1), mix(2)));
    }
  return table;
}

const QVector<QRgb> kPalette = makePalette();

QRgb rgb(int ramp, int shade) { return kPalette[ramp * 16 + std::clamp(shade, 0, 15)]; }
QColor col(int ramp, int shade) { return QColor(rgb(ramp, shade)); }

uint32_t hash(int x, int y, int seed = 0) {
  uint32_t h = uint32_t(x) * 374761393u + uint32_t(y) * 668265263u + uint32_t(seed) * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  return h ^ (h >> 16);
}

// A 32-bit picture whose every pixel is given by shade(x, y).
QImage fill(int w, int h, const std::function<QRgb(int, int)>& shade) {
  QImage img(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y) {
    QRgb* line = reinterpret_cast<QRgb*>(img.scanLine(y));
    for (int x = 0; x < w; ++x) line[x] = shade(x, y);
  }
  return img;
}

// Maps every pixel to the nearest palette entry (weighted RGB distance).
QImage toIndexed(const QImage& src) {
  QImage out(src.size(), QImage::Format_Indexed8);
  out.setColorTable(kPalette);
  for (int y = 0; y < src.height(); ++y) {
    const QRgb* in = reinterpret_cast<const QRgb*>(src.constScanLine(y));
    uchar* line = out.scanLine(y);
    for (int x = 0; x < src.width(); ++x) {
      int best = 0, bestDist = INT32_MAX;
      for (int i = 0; i < 256; ++i) {
        const int dr = qRed(in[x]) - qRed(kPalette[i]), dg = qGreen(in[x]) - qGreen(kPalette[i]),
                  db = qBlue(in[x]) - qBlue(kPalette[i]);
        const int d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (d < bestDist) bestDist = d, best = i;
      }
      line[x] = uchar(best);
    }
  }
  return out;
}

// A star with `tips` points centred on (cx, cy), one tip straight up.
QPolygonF star(double cx, double cy, double outer, double inner, int tips = 5) {
  QPolygonF points;
  for (int k = 0; k < 2 * tips; ++k) {
    const double a = -kPi / 2 + k * kPi / tips, r = k % 2 ? inner : outer;
    points << QPointF(cx + r * std::cos(a), cy + r * std::sin(a));
  }
  return points;
}

// ---- walls ---------------------------------------------------------------
// Motifs are drawn in a 128 x 128 box per room and squeezed to 64 texels, so
// they look right on a square wall.

// Solid shapes in one palette colour.
void box(QPainter& p, int ramp, int shade, double x, double y, double w, double h) {
  p.fillRect(QRectF(x, y, w, h), col(ramp, shade));
}
void disc(QPainter& p, int ramp, int shade, double x, double y, double rx, double ry) {
  p.setBrush(col(ramp, shade));
  p.drawEllipse(QPointF(x, y), rx, ry);
}
void shape(QPainter& p, int ramp, int shade, const QPainterPath& path) {
  p.setBrush(col(ramp, shade));
  p.drawPath(path);
}

// An arched opening: straight sides from `bottom` up to a round top of width w.
QPainterPath arch(double x, double top, double w, double bottom) {
  QPainterPath path;
  path.moveTo(x, bottom);
  path.lineTo(x, top + w / 2);
  path.arcTo(QRectF(x, top, w, w), 180, -180);
  path.lineTo(x + w, bottom);
  path.closeSubpath();
  return path;
}

// A flower whose stem runs from its head at (x, y) down to `base`.
void flower(QPainter& p, double x, double y, int ramp, double base = 112) {
  p.setPen(QPen(col(Leaf, 5), 3));
  p.drawLine(QPointF(x, y), QPointF(x, base));
  p.setPen(Qt::NoPen);
  disc(p, Leaf, 8, x - 7, y + (base - y) * 0.5, 7, 3.5);
  disc(p, Leaf, 8, x + 7, y + (base - y) * 0.75, 7, 3.5);
  for (int k = 0; k < 5; ++k)
    disc(p, ramp, 9, x + 6 * std::cos(k * 0.4 * kPi), y + 6 * std::sin(k * 0.4 * kPi), 5.5, 5.5);
  disc(p, Gold, 12, x, y, 4, 4);
}

// One of eight friendly motifs, in a 128 x 128 room box.
void drawMotif(QPainter& p, int kind) {
  p.setPen(Qt::NoPen);
  switch (kind) {
    case 0:  // arched window with a cloud, and a flower box on the sill
      shape(p, Stone, 12, arch(34, 30, 60, 92));
      shape(p, Sky, 10, arch(40, 36, 48, 88));
      disc(p, Cream, 15, 56, 62, 9, 6); disc(p, Cream, 15, 66, 58, 9, 8);
      disc(p, Cream, 15, 75, 63, 8, 5);
      box(p, DarkWood, 6, 62, 36, 4, 52); box(p, DarkWood, 6, 40, 60, 48, 4);
      box(p, Stone, 9, 30, 88, 68, 6);
      flower(p, 46, 88, Pink, 100); flower(p, 64, 84, Gold, 100);
      flower(p, 82, 88, Orange, 100);
      box(p, Wood, 7, 36, 96, 56, 12); box(p, DarkWood, 6, 36, 104, 56, 4);
      break;
    case 1:  // flowers growing along the foot of the wall
      flower(p, 22, 86, Pink); flower(p, 46, 72, Purple); flower(p, 68, 90, Gold);
      flower(p, 92, 78, Orange); flower(p, 112, 92, Pink);
      break;
    case 2: {  // wall lantern with a soft glow
      QRadialGradient glow(64, 62, 34);
      glow.setColorAt(0, QColor(255, 240, 160, 170)); glow.setColorAt(1, QColor(255, 240, 160, 0));
      p.setBrush(glow); p.drawEllipse(QPointF(64, 62), 34, 34);
      box(p, Grey, 3, 60, 84, 8, 22); box(p, Grey, 3, 50, 100, 28, 5);
      box(p, Grey, 3, 52, 78, 24, 6);
      p.setBrush(col(Grey, 3)); p.drawPolygon(QPolygonF({{50, 46}, {78, 46}, {64, 34}}));
      box(p, Gold, 12, 54, 46, 20, 32);
      disc(p, Orange, 9, 64, 64, 5, 9);
      break;
    }
    case 3:  // round window
      disc(p, Stone, 12, 64, 64, 30, 30); disc(p, Glass, 11, 64, 64, 23, 23);
      disc(p, Glass, 14, 56, 56, 6, 4);
      box(p, DarkWood, 6, 62, 41, 4, 46); box(p, DarkWood, 6, 41, 62, 46, 4);
      break;
    case 4: {  // wooden door in a stone arch
      shape(p, Stone, 11, arch(32, 34, 64, 128));
      const QPainterPath door = arch(38, 40, 52, 128);
      shape(p, Wood, 7, door);
      p.setClipPath(door);
      for (int x = 50; x < 90; x += 13) box(p, DarkWood, 5, x, 42, 2, 86);
      box(p, DarkWood, 5, 38, 74, 52, 4); box(p, DarkWood, 5, 38, 110, 52, 4);
      p.setClipping(false);
      disc(p, Gold, 11, 80, 92, 4, 4);
      break;
    }
    case 5: {  // shield with a star
      QPainterPath shield;
      shield.moveTo(40, 38); shield.lineTo(88, 38); shield.lineTo(88, 66);
      shield.quadTo(88, 88, 64, 100); shield.quadTo(40, 88, 40, 66); shield.closeSubpath();
      shape(p, Gold, 8, shield);
      shape(p, Purple, 8, QTransform(0.82, 0, 0, 0.84, 64 * 0.18, 66 * 0.16).map(shield));
      p.setBrush(col(Gold, 13)); p.drawPolygon(star(64, 64, 15, 6));
      break;
    }
    case 6: {  // climbing ivy
      QPainterPath vine;
      vine.moveTo(40, 112);
      vine.cubicTo(20, 80, 70, 70, 50, 40); vine.cubicTo(40, 30, 80, 36, 90, 48);
      p.setBrush(Qt::NoBrush); p.setPen(QPen(col(DarkWood, 7), 3)); p.drawPath(vine);
      p.setPen(Qt::NoPen);
      for (int k = 1; k < 14; ++k) {
        const QPointF at = vine.pointAtPercent(k / 14.0);
        disc(p, Leaf, k % 2 ? 7 : 10, at.x() + (k % 2 ? -6 : 6), at.y(), 7, 5);
      }
      break;
    }
    default:  // framed painting: sun over green hills
      box(p, Gold, 7, 30, 40, 68, 52); box(p, Gold, 11, 33, 43, 62, 46);
      box(p, Sky, 12, 36, 46, 56, 40);
      p.setClipRect(QRectF(36, 46, 56, 40));
      disc(p, Gold, 12, 78, 58, 7, 7);
      disc(p, Leaf, 8, 50, 92, 26, 18); disc(p, Leaf, 6, 82, 94, 22, 16);
      p.setClipping(false);
      break;
  }
}

QImage drawWall(int brickRamp, int firstMotif) {
  QImage img = fill(512, 128, [brickRamp](int x, int y) {
    const uint32_t n = hash(x, y, brickRamp);
    if (y < 8)  // cornice under the ceiling
      return rgb(Stone, y == 0 ? 13 : y < 5 ? 11 - int(n % 2) : y == 7 ? 4 : 8);
    if (y < 112) {  // bricks, 16 x 8 texels, every other row shifted by half a brick
      const int row = (y - 8) / 8, ly = (y - 8) % 8;
      const int bx = (x + (row % 2) * 8) % 512, lx = bx % 16;
      if (ly == 0 || lx == 0) return rgb(Cream, 10 + int(n % 2));
      int shade = 7 + int(hash(bx / 16, row, brickRamp) % 4);
      if (ly == 1) ++shade;
      if (ly == 7 || lx == 15) shade -= 2;
      if (n % 9 == 0) --shade; else if (n % 11 == 0) ++shade;
      return rgb(brickRamp, shade);
    }
    const int lx = x % 32;  // stone skirting along the floor
    int shade = 8 + int(hash(x / 32, 0, 7) % 3);
    if (y == 112) shade = 4; else if (y == 113 || lx == 1) shade += 2;
    else if (y == 127 || lx == 31) shade -= 2;
    if (lx == 0) shade = 5;
    return rgb(Stone, shade - (n % 7 == 0));
  });
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(0.5, 1.0);
  static const int flags[6] = {Pink, Gold, Sky, Leaf, Orange, Purple};
  for (int room = 0; room < 8; ++room) {  // bunting: 4 flags per room
    p.save();
    p.translate(room * 128, 0);
    p.setPen(QPen(col(Grey, 12), 1.5)); p.setBrush(Qt::NoBrush);
    QPainterPath string; string.moveTo(0, 11); string.quadTo(64, 27, 128, 11);
    p.drawPath(string);
    p.setPen(Qt::NoPen);
    for (int k = 0; k < 4; ++k) {
      const double cx = 16 + 32 * k, t = cx / 128, y = 11 + 16 * t * (1 - t);
      p.setBrush(col(flags[(room * 4 + k) % 6], 9));
      p.drawPolygon(QPolygonF({{cx - 12, y}, {cx + 12, y}, {cx, y + 15}}));
    }
    drawMotif(p, (firstMotif + room) % 8);
    p.restore();
  }
  return img;
}

// ---- floor and ceiling ---------------------------------------------------

QImage drawFloor() {  // wooden planks, 32 texels wide, 128 long, running along y
  return fill(512, 512, [](int x, int y) {
    const int plank = x / 32, lx = x % 32;
    const int start = int(hash(plank, 1, 3) % 4) * 32 + (plank % 2) * 64;
    const int along = (y - start + 512) % 512, piece = along / 128, ly = along % 128;
    const uint32_t id = hash(plank, piece, 5);
    int shade = 7 + int(id % 4);
    const double phase = (id >> 8) % 100 / 10.0;
    const double g = std::sin(lx * 0.8 + phase + 2.2 * std::sin(4 * kPi * y / 512 + phase));
    if (g > 0.75) --shade; else if (g < -0.9) ++shade;
    const double kx = lx - 16.0, ky = ly - (24 + double(id % 80));
    const double knot = std::sqrt(kx * kx * 1.5 + ky * ky * 0.4);
    if ((id >> 4) % 3 == 0 && knot < 5) shade -= knot < 2.5 ? 3 : 2;
    if (lx == 1) ++shade;
    if (lx == 30) --shade;
    if (hash(x, y, 9) % 13 == 0) --shade;
    if (lx == 0 || lx == 31) return rgb(DarkWood, 3 + lx / 31);
    if (ly == 0) return rgb(DarkWood, 4);
    if ((ly == 4 || ly == 123) && (lx == 6 || lx == 25)) return rgb(Grey, 4);  // nails
    return rgb(Wood, shade);
  });
}

QImage drawCeiling() {  // sky between plaster beams, a star or lamp per room
  QImage img = fill(512, 512, [](int x, int y) {
    const int lx = x % 128, ly = y % 128;
    const int edge = std::min({lx, 127 - lx, ly, 127 - ly});
    if (edge < 4) return rgb(Cream, edge == 3 ? 10 : edge == 0 ? 14 : 13);
    if (edge == 4) return rgb(Sky, 9);
    const double r = std::hypot(lx - 63.5, ly - 63.5);
    return rgb(Sky, (r < 40 ? 13 : r < 64 ? 12 : 11) + (hash(x, y, 11) % 17 == 0));
  });
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  for (int room = 0; room < 16; ++room) {
    const double cx = (room % 4) * 128 + 64, cy = (room / 4) * 128 + 64;
    for (int k = 0; k < 5; ++k) {  // little twinkles
      const uint32_t h = hash(room, k, 13);
      const double tx = cx - 50 + h % 100, ty = cy - 50 + (h >> 8) % 100;
      if (std::hypot(tx - cx, ty - cy) < 30) continue;
      p.setBrush(col(Gold, 12)); p.drawPolygon(star(tx, ty, 5, 1.5, 4));
    }
    if ((room + room / 4) % 2 == 0) {  // golden star
      p.setBrush(col(Gold, 8)); p.drawPolygon(star(cx, cy, 24, 10));
      p.setBrush(col(Gold, 12)); p.drawPolygon(star(cx, cy, 17, 7));
    } else {  // round ceiling lamp
      disc(p, Cream, 14, cx, cy, 22, 22); disc(p, Gold, 8, cx, cy, 16, 16);
      disc(p, Gold, 14, cx, cy, 12, 12); disc(p, Cream, 15, cx - 4, cy - 4, 4, 4);
    }
  }
  return img;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const auto fail = [](const char* what, const QString& path) {
    std::fprintf(stderr, "make_textures: %s %s\n", what, qPrintable(path));
    return 1;
  };
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_textures OUTPUT_DIR\n");
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));
  if (!out.mkpath(QStringLiteral("."))) return fail("cannot create", out.path());
  const struct { const char* name; QImage image; } pictures[] = {
      {"ES512128.bmp", drawWall(East, 2)},  {"NO512128.bmp", drawWall(North, 0)},
      {"OU512128.bmp", drawWall(West, 6)},  {"SU512128.bmp", drawWall(South, 4)},
      {"SO512512.bmp", drawFloor()},        {"PL512512.bmp", drawCeiling()}};
  for (const auto& picture : pictures) {
    const QString path = out.filePath(QString::fromLatin1(picture.name));
    const QImage indexed = toIndexed(picture.image);
    if (!indexed.save(path, "BMP")) return fail("cannot write", path);
    // Read the file back: 8 bits per pixel, the shared 256-colour table, same pixels.
    const QImage back(path);
    bool same = back.format() == QImage::Format_Indexed8 && back.colorCount() == 256 &&
                back.colorTable() == kPalette && back.size() == indexed.size();
    for (int y = 0; same && y < back.height(); ++y)
      same = std::equal(back.constScanLine(y), back.constScanLine(y) + back.width(),
                        indexed.constScanLine(y));
    if (!same) return fail("did not read back as the 256-colour picture written:", path);
    // The same pixels in 32 bits, as the program keeps them built in and reads
    // them in place.
    QFile pix(QString(path).replace(QStringLiteral(".bmp"), QStringLiteral(".pix")));
    const QByteArray encoded = PictureFile::Encode(back);
    if (!pix.open(QIODevice::WriteOnly | QIODevice::Truncate) || pix.write(encoded) != encoded.size())
      return fail("cannot write", pix.fileName());
  }
  return 0;
}
