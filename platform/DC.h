#pragma once
#include "Bitmap.h"
#include "Tools.h"

#include <QImage>
#include <QRect>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

// Raster operations of block transfers.
enum : std::uint32_t {
  SRCCOPY = 0x00CC0020,
  SRCPAINT = 0x00EE0086,
  SRCAND = 0x008800C6,
  SRCINVERT = 0x00660046,
  DSTINVERT = 0x00550009,
  PATCOPY = 0x00F00021,
  BLACKNESS = 0x00000042,
  WHITENESS = 0x00FF0062,
};

// Mixing modes of lines and outlines.
enum { R2_NOT = 6, R2_XORPEN = 7, R2_NOTXORPEN = 10, R2_COPYPEN = 13 };
enum { TRANSPARENT = 1, OPAQUE = 2 };

// The colour bits of a pixel: the raster operations leave the alpha byte opaque.
inline constexpr QRgb kRgbMask = 0x00ffffffu;

// A drawing context over one image. The pixel rules are the games' own:
// a line from A to B covers A and not B; a rectangle (l, t, r, b) covers
// columns l to r - 1 and rows t to b - 1; no antialiasing anywhere but text.
class TDC {
public:
  explicit TDC(QImage* target = nullptr) : image_(target) {}
  virtual ~TDC() = default;
  TDC(const TDC&) = delete;
  TDC& operator=(const TDC&) = delete;

  QImage* Image() const { return image_; }

  void SelectObject(const TPen& pen) { pen_ = pen; }
  void SelectObject(const TBrush& brush) { brush_ = brush; }
  void SelectObject(const TFont& font) { font_ = font.Font(); }
  void SetROP2(int mode) { rop2_ = mode; }
  void SetTextColor(TColor c) { textColor_ = c; }
  void SetBkColor(TColor c) { bkColor_ = c; }
  void SetBkMode(int mode) { bkMode_ = mode; }

  void MoveTo(int x, int y) { posX_ = x; posY_ = y; }
  void LineTo(int x, int y);
  void Rectangle(int l, int t, int r, int b);
  void Rectangle(const QRect& r) { Rectangle(r.left(), r.top(), r.left() + r.width(), r.top() + r.height()); }
  void Ellipse(int l, int t, int r, int b);
  void FillRect(int l, int t, int r, int b, const TBrush& brush);
  void SetPixel(int x, int y, TColor c);
  TColor GetPixel(int x, int y) const;
  void TextOut(int x, int y, const QString& text);
  void PatBlt(int x, int y, int w, int h, std::uint32_t rop);
  void BitBlt(int x, int y, int w, int h, const TDC& src, int sx, int sy, std::uint32_t rop = SRCCOPY);
  void StretchBlt(int x, int y, int w, int h, const TDC& src, int sx, int sy, int sw, int sh,
                  std::uint32_t rop = SRCCOPY);

  // For tests: called with every drawing that reaches outside its image (the
  // image, the rectangle asked for), so a test can tell a board cut by the edge.
  using OverflowHook = std::function<void(const QImage&, const QRect&)>;
  static void SetOverflowHookForTesting(OverflowHook hook);

protected:
  void Retarget(QImage* target) { image_ = target; }
  // Called before every drawing with a rectangle it stays within (clipped to
  // the image, a pen's width around what it was asked to draw), and after it
  // with the rectangle touched (clipped to the image).
  virtual void Touching(const QRect& area) {}
  virtual void Changed(const QRect& area) {}

private:
  // The image's pixels, reached once per drawing rather than once per pixel.
  struct Pixels {
    QRgb* bits;
    qsizetype stride;  // in pixels
    int width, height;
  };
  Pixels Access();
  // Mixes `colour` by the pen mix into the pixels [x0, x1) of row y, clipped.
  void Span(const Pixels& px, int y, int x0, int x1, QRgb colour) const;
  // Mixes `colour` into the pixels [y0, y1) of column x, clipped.
  void Column(const Pixels& px, int x, int y0, int y1, QRgb colour) const;
  // Mixes `colour` into the block [x0, x1) x [y0, y1), clipped: row by row, a
  // plain copy filling one row and copying it to the others.
  void Block(const Pixels& px, int x0, int y0, int x1, int y1, QRgb colour) const;
  void ThinLine(int x0, int y0, int x1, int y1);
  QRect Clip(int x, int y, int w, int h) const;
  void Reach(const QRect& wanted);

  QImage* image_;
  TPen pen_{TColor::Black};
  TBrush brush_{TColor::White};
  std::optional<QFont> font_;
  int rop2_ = R2_COPYPEN;
  TColor textColor_ = TColor::Black;
  TColor bkColor_ = TColor::White;
  int bkMode_ = OPAQUE;
  int posX_ = 0, posY_ = 0;
};

// A drawing context over a memory picture, usually one picture selected for transfers.
class TMemoryDC : public TDC {
public:
  TMemoryDC() = default;
  explicit TMemoryDC(TBitmap& bitmap) : TDC(&bitmap.Image()) {}
  // Draws straight into an image that something else owns.
  explicit TMemoryDC(QImage* image) : TDC(image) {}
  void SelectObject(TBitmap& bitmap) { Retarget(&bitmap.Image()); }
  using TDC::SelectObject;
};
