#include "GameOptions.h"

#include "GameConfig.h"
#include "LevelMenu.h"
#include "LevelSettings.h"

#include <QFileInfo>
#include <cstdio>

namespace {
// Reads N of "--niveau N" or "--niveau=N" into `options`.
void ReadStartLevel(const GameConfig& config, const QString& value, GameOptions& options) {
  if (config.levelCount == 0) {
    options.error = QStringLiteral("Ce jeu n'a qu'un niveau : l'option --niveau ne s'y applique pas.");
    return;
  }
  bool ok = false;
  const int level = value.toInt(&ok);
  if (!ok || level < 1 || level > config.levelCount) {
    options.error = QStringLiteral("Niveau « %1 » inconnu : donne un nombre de 1 à %2.").arg(value).arg(config.levelCount);
    return;
  }
  options.startLevel = level - 1;
}
}  // namespace

GameOptions ParseGameOptions(const GameConfig& config, const QStringList& arguments) {
  GameOptions options;
  for (int i = 1; i < arguments.size() && options.error.isEmpty(); ++i) {
    const QString& arg = arguments[i];
    if (arg == QStringLiteral("--aide") || arg == QStringLiteral("--help") || arg == QStringLiteral("-h")) {
      options.help = true;
    } else if (arg == QStringLiteral("--niveaux")) {
      options.levels = true;
    } else if (arg == QStringLiteral("--niveau")) {
      if (i + 1 >= arguments.size()) {
        options.error = QStringLiteral("L'option --niveau attend un numéro de niveau.");
      } else {
        ReadStartLevel(config, arguments[++i], options);
      }
    } else if (arg.startsWith(QStringLiteral("--niveau="))) {
      ReadStartLevel(config, arg.mid(9), options);
    } else if (arg.startsWith(QStringLiteral("--"))) {
      options.error = QStringLiteral("Option inconnue : %1 (--aide les montre toutes).").arg(arg);
    }
  }
  return options;
}

QString GameOptionsHelp(const GameConfig& config, const QString& program) {
  QString text;
  if (config.levelCount == 0) {
    text = QStringLiteral("Utilisation : %1\n\n").arg(program);
  } else {
    text = QStringLiteral("Utilisation : %1 [--niveau N]\n\n").arg(program);
    text += QStringLiteral("  --niveau N     commence au niveau N, de 1 à %1 :\n").arg(config.levelCount);
    for (int k = 0; k < config.levelCount; ++k)
      text += QStringLiteral("                   %1  %2\n").arg(k + 1).arg(LevelName(config.levelCount, k));
  }
  text += QStringLiteral("  --aide, --help affiche cette aide\n");
  if (config.levelCount > 0) {
    text += QStringLiteral("\nRéglages de l'adulte, dans %1 :\n").arg(LevelSettings::DefaultFile());
    text += QStringLiteral("  [%1]\n  %2=N   le niveau de départ\n  %3=N      le plus haut niveau permis\n")
                .arg(GameSettingsName(config), LevelSettings::kStartKey, LevelSettings::kTopKey);
  }
  return text;
}

QString GameLevelsListing(const GameConfig& config) {
  if (config.levelCount <= 0) return QStringLiteral("0\n");
  QString text = QStringLiteral("%1\n%2\n").arg(config.levelCount).arg(config.startLevel + 1);
  for (int k = 0; k < config.levelCount; ++k) text += LevelName(config.levelCount, k) + QLatin1Char('\n');
  return text;
}

QString GameSettingsName(const GameConfig& config) { return QFileInfo(config.helpFile).baseName().toLower(); }

std::optional<int> HandleGameOptions(const GameConfig& config, int argc, char** argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  const GameOptions options = ParseGameOptions(config, arguments);
  const QString program = arguments.isEmpty() ? QString() : QFileInfo(arguments.front()).fileName();
  if (!options.error.isEmpty()) {
    std::fprintf(stderr, "%s : %s\n", qUtf8Printable(program), qUtf8Printable(options.error));
    return 2;
  }
  if (options.levels) {
    std::fputs(qUtf8Printable(GameLevelsListing(config)), stdout);
    return 0;
  }
  if (options.help) {
    std::fputs(qUtf8Printable(GameOptionsHelp(config, program)), stdout);
    return 0;
  }
  LevelSettings::SetStartOption(options.startLevel);
  return std::nullopt;
}
