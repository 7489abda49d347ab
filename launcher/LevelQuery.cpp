#include "LevelQuery.h"

#include <QProcess>
#include <algorithm>

std::optional<GameLevels> ParseLevelsListing(const QString& text) {
  const QStringList lines = text.split(QLatin1Char('\n'));
  bool ok = false;
  GameLevels levels;
  levels.count = lines.value(0).trimmed().toInt(&ok);
  if (!ok || levels.count < 0) return std::nullopt;
  if (levels.count == 0) return levels;
  const int start = lines.value(1).trimmed().toInt(&ok);
  if (!ok) return std::nullopt;
  levels.ownStart = std::clamp(start - 1, 0, levels.count - 1);
  for (int k = 0; k < levels.count; ++k) {
    const QString name = lines.value(2 + k).trimmed();
    levels.names << (name.isEmpty() ? QString::number(k + 1) : name);
  }
  return levels;
}

std::optional<GameLevels> AskGameLevels(const QString& program) {
  QProcess process;
  process.start(program, {QStringLiteral("--niveaux")});
  if (!process.waitForFinished(5000)) {
    process.kill();
    process.waitForFinished(1000);
    return std::nullopt;
  }
  if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) return std::nullopt;
  return ParseLevelsListing(QString::fromUtf8(process.readAllStandardOutput()));
}
