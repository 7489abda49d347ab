#include "Tools.h"

TFont::TFont(const QString& face, int height, int weight, bool italic) : font_(face) {
  // The height is the whole character cell; the em of the Liberation faces is
  // about seven eighths of it.
  font_.setPixelSize(height * 7 / 8);
  font_.setWeight(weight >= 700 ? QFont::Bold : QFont::Normal);
  font_.setItalic(italic);
  font_.setStyleHint(face.contains("Times") ? QFont::Serif : QFont::SansSerif);
}
