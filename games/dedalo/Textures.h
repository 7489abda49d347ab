#pragma once
#include <QImage>
#include <QString>
#include <QStringList>
#include <array>
#include <thread>

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
// picture built into the program (kept there in 32 bits, read in place and
// never drawn on).
class Textures {
public:
  Textures() = default;
  Textures(const Textures&) = delete;
  Textures& operator=(const Textures&) = delete;
  ~Textures() { Ready(); }

  // Loads from `folders` in order; `builtIn` is the resource folder of the defaults.
  void Load(const QStringList& folders, const QString& builtIn);
  // Loads as Load does, on a thread of its own, while the program gets on
  // with its start; the first look at the pictures waits for it.
  void LoadSoon(const QStringList& folders, const QString& builtIn);
  const QImage& Picture(Surface s) const {
    Ready();
    return pictures_[s];
  }
  // The files that were not found, by name, and those refused, by name with
  // the reason in French: "SO512512.bmp (est incomplet)".
  const QStringList& Missing() const {
    Ready();
    return missing_;
  }
  // For tests: a flat colour for one surface, or any picture of its size.
  void SetFlat(Surface s, QRgb colour);
  void SetPicture(Surface s, const QImage& picture) {
    Ready();
    pictures_[s] = picture.convertToFormat(QImage::Format_RGB32);
  }

private:
  void LoadNow(const QStringList& folders, const QString& builtIn);
  void Ready() const {
    if (loading_.joinable()) loading_.join();
  }

  std::array<QImage, 6> pictures_;
  QStringList missing_;
  mutable std::thread loading_;
};

}  // namespace dedalo
