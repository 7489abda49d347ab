#pragma once
#include "CaseForme.h"

#include <QPoint>
#include <QRect>
#include <QString>

class TDC;
class TGameWindow;

namespace formes {

// The light grey band at the right of the board that shows the model form,
// with an optional caption above it. It draws with the tools, the pictures and
// the font of the window it is handed.
class BandeModele {
public:
  // The band covers columns left .. right - 1 and rows top .. bottom - 1; the
  // model is a square of `size` pixels at `modelAt`.
  void Place(int left, int top, int right, int bottom, QPoint modelAt, int size);
  void SetCaption(const QString& text, QPoint at);

  const QRect& Band() const { return band_; }
  CaseForme& Modele() { return modele_; }
  const CaseForme& Modele() const { return modele_; }
  const QString& Caption() const { return caption_; }
  QPoint CaptionAt() const { return captionAt_; }

  // The band alone, light grey: no caption, no model.
  void Fill(TGameWindow& window, TDC& dc) const;
  void Fill(TGameWindow& window);
  // The band, its caption and the model.
  void Draw(TGameWindow& window, TDC& dc);
  void Draw(TGameWindow& window);

private:
  QRect band_;
  CaseForme modele_;
  QString caption_;
  QPoint captionAt_;
};

}  // namespace formes
