#include "Tools.h"

#include <QFontDatabase>
#include <QHash>
#include <utility>

namespace {
// Faces the games name, and their metric-compatible free faces; naming an
// installed face directly also spares the font matching a fallback search.
// Asking the font database costs a font configuration look-up each time (a
// few milliseconds), so each face is looked up once per program.
QString InstalledFace(const QString& face) {
  static const std::pair<const char*, const char*> kTwins[] = {
      {"Times New Roman", "Liberation Serif"}, {"Arial", "Liberation Sans"}, {"Courier New", "Liberation Mono"}};
  static QHash<QString, QString> known;
  const auto found = known.constFind(face);
  if (found != known.constEnd()) return *found;
  // The installed families' names, rather than QFontDatabase::hasFamily, which
  // asks the font configuration for aliases at each call (a fifth of a
  // millisecond each, twice per face at a game's start).
  const QStringList families = QFontDatabase::families();
  const auto has = [&](const QString& family) { return families.contains(family, Qt::CaseInsensitive); };
  QString installed = face;
  for (const auto& [wanted, twin] : kTwins)
    if (face == QLatin1String(wanted) && !has(face) && has(QString::fromLatin1(twin))) installed = QString::fromLatin1(twin);
  known.insert(face, installed);
  return installed;
}
}  // namespace

TFont::TFont(const QString& face, int height, int weight, bool italic) : font_(InstalledFace(face)) {
  // The height is the whole character cell; the em of the Liberation faces is
  // about seven eighths of it.
  font_.setPixelSize(height * 7 / 8);
  font_.setWeight(weight >= 700 ? QFont::Bold : QFont::Normal);
  font_.setItalic(italic);
  font_.setStyleHint(face.contains("Times") ? QFont::Serif : QFont::SansSerif);
}
