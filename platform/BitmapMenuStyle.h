#pragma once
#include "ProgramStyle.h"

// Draws menu entries that carry a picture and no text at the picture's own size,
// framed when selected; everything else is drawn by the application's style.
class BitmapMenuStyle : public TProgramStyle {
public:
  static BitmapMenuStyle* Instance();

  QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                         const QWidget* widget) const override;
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override;
};
