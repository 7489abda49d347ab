#pragma once
#include "Color.h"
#include <QFont>
#include <QString>

// Drawing tools: a pen for lines and outlines, a brush for fills, a font for text.
class TPen {
public:
  enum Style { Solid, Null };
  TPen(TColor color, int width = 1, Style style = Solid) : color_(color), width_(width), style_(style) {}
  static TPen NullPen() { return TPen(TColor::Black, 1, Null); }
  TColor Color() const { return color_; }
  int Width() const { return width_; }
  bool IsNull() const { return style_ == Null; }

private:
  TColor color_;
  int width_;
  Style style_;
};

class TBrush {
public:
  explicit TBrush(TColor color) : color_(color), hollow_(false) {}
  static TBrush Hollow() { TBrush b(TColor::White); b.hollow_ = true; return b; }
  // Diagonal cross hatching in `color` on an 8-pixel pattern anchored to the
  // image's origin; the gaps take the context's background colour when its
  // background mode is opaque and are left alone when it is transparent.
  static TBrush DiagCross(TColor color) { TBrush b(color); b.hatched_ = true; return b; }
  TColor Color() const { return color_; }
  bool IsHollow() const { return hollow_; }
  bool IsHatched() const { return hatched_; }
  // Whether pixel (x, y) lies on the hatching's lines.
  static bool OnHatch(int x, int y) { return ((x + y) & 7) == 0 || ((x - y) & 7) == 0; }

private:
  TColor color_;
  bool hollow_;
  bool hatched_ = false;
};

// A font given as the games give it: face, cell height in pixels, weight (400 normal, 700 bold).
class TFont {
public:
  TFont(const QString& face, int height, int weight = 400, bool italic = false);
  const QFont& Font() const { return font_; }

private:
  QFont font_;
};
