#include "GameCatalog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <algorithm>

namespace {
QString Resolved(const QDir& base, const QString& path) {
  return QDir::isAbsolutePath(path) ? path : QDir::cleanPath(base.absoluteFilePath(path));
}
}  // namespace

std::vector<GameEntry> GameCatalog::Load(const QString& file, const QString& programDir) {
  std::vector<GameEntry> games;
  QFile in(file);
  if (!in.open(QIODevice::ReadOnly | QIODevice::Text)) return games;
  const QDir catalogDir = QFileInfo(file).absoluteDir();
  const QDir programs(programDir);
  QTextStream text(&in);
  text.setEncoding(QStringConverter::Utf8);
  while (!text.atEnd()) {
    const QStringList fields = text.readLine().split(QLatin1Char('\t'));
    if (fields.size() < 5 || fields[0].trimmed().isEmpty()) continue;
    games.push_back(GameEntry{fields[0].trimmed(), fields[1], fields[2], Resolved(catalogDir, fields[3]),
                              Resolved(programs, fields[4])});
  }
  std::stable_sort(games.begin(), games.end(), [](const GameEntry& a, const GameEntry& b) {
    return QString::localeAwareCompare(a.title, b.title) < 0;
  });
  return games;
}

QString GameCatalog::DefaultFile(const QString& launcherDir) {
  const QDir dir(launcherDir);
  const QString beside = dir.filePath(QStringLiteral("games.tsv"));
  if (QFileInfo::exists(beside)) return beside;
  return QDir::cleanPath(dir.filePath(QStringLiteral("../share/tavreno/games.tsv")));
}
