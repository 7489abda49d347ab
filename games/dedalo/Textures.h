#pragma once
#include <QImage>
#include <QString>
#include <QStringList>
#include <array>

namespace dedalo {

// The six pictures of the view, in the order east, north, west and south wall,
// floor, ceiling.
enum Surface { EastWall = 0, NorthWall = 1, WestWall = 2, SouthWall = 3, Floor = 4, Ceiling = 5 };

struct TextureFile {
  const char* name;
  int width, height;
};
inline constexpr std::array<TextureFile, 6> kTextureFiles{{{"ES512128.bmp", 512, 128},
                                                           {"NO512128.bmp", 512, 128},
                                                           {"OU512128.bmp", 512, 128},
                                                           {"SU512128.bmp", 512, 128},
                                                           {"SO512512.bmp", 512, 512},
                                                           {"PL512512.bmp", 512, 512}}};

// The six pictures, in 32-bit colour. Each file is looked for in the current
// folder (the user's own pictures), then beside the program; one found nowhere,
// or not a whole uncompressed 256-colour BMP of its size, is replaced by the
// picture built into the program.
class Textures {
public:
  // Loads from `folders` in order; `builtIn` is the resource folder of the defaults.
  void Load(const QStringList& folders, const QString& builtIn);
  const QImage& Picture(Surface s) const { return pictures_[s]; }
  // The files that were not found, by name, and those refused, by name with
  // the reason in French: "SO512512.bmp (est incomplet)".
  const QStringList& Missing() const { return missing_; }
  // For tests: a flat colour for one surface, or any picture of its size.
  void SetFlat(Surface s, QRgb colour);
  void SetPicture(Surface s, const QImage& picture) { pictures_[s] = picture.convertToFormat(QImage::Format_RGB32); }

private:
  std::array<QImage, 6> pictures_;
  QStringList missing_;
};

}  // namespace dedalo
