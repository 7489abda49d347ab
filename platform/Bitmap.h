#pragma once
#include <QImage>
#include <QString>
#include <QStringList>

// A picture held in 32-bit RGB. The program's pictures come rendered from
// their SVG sources when the program is built; an SVG source found instead is
// rendered at load, at the size written in it. Each is read once per run.
class TBitmap {
public:
  TBitmap() = default;
  TBitmap(int width, int height);
  explicit TBitmap(const QImage& image);

  // Loads the picture called `name` from the resource folders (see SetResourceFolders);
  // a missing picture gives a visible magenta square so that the fault shows.
  static TBitmap Load(const QString& name);
  // Folders searched in order, e.g. ":/oruga" then ":/common".
  static void SetResourceFolders(const QStringList& folders);
  static QString FindResource(const QString& name);

  int Width() const { return image_.width(); }
  int Height() const { return image_.height(); }
  QImage& Image() { return image_; }
  const QImage& Image() const { return image_; }

private:
  static TBitmap Missing();  // a magenta square
  QImage image_;
};
