#pragma once
#include <QRgb>

// A colour as the games name it: red, green and blue of 0 to 255.
class TColor {
public:
  constexpr TColor() = default;
  constexpr TColor(int r, int g, int b) : rgb_(0xff000000u | (unsigned(r) << 16) | (unsigned(g) << 8) | unsigned(b)) {}
  static constexpr TColor FromRgb(QRgb v) { TColor c; c.rgb_ = 0xff000000u | v; return c; }
  constexpr QRgb Rgb() const { return rgb_; }
  constexpr int Red() const { return (rgb_ >> 16) & 0xff; }
  constexpr int Green() const { return (rgb_ >> 8) & 0xff; }
  constexpr int Blue() const { return rgb_ & 0xff; }
  constexpr bool operator==(const TColor&) const = default;

  static const TColor Black, White, Gray, LtGray, LtRed, LtGreen, LtBlue, LtYellow, LtCyan, LtMagenta;

private:
  QRgb rgb_ = 0xff000000u;
};

inline constexpr TColor TColor::Black{0, 0, 0};
inline constexpr TColor TColor::White{255, 255, 255};
inline constexpr TColor TColor::Gray{128, 128, 128};
inline constexpr TColor TColor::LtGray{192, 192, 192};
inline constexpr TColor TColor::LtRed{255, 0, 0};
inline constexpr TColor TColor::LtGreen{0, 255, 0};
inline constexpr TColor TColor::LtBlue{0, 0, 255};
inline constexpr TColor TColor::LtYellow{255, 255, 0};
inline constexpr TColor TColor::LtCyan{0, 255, 255};
inline constexpr TColor TColor::LtMagenta{255, 0, 255};
