#include "LevelSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <algorithm>
#include <cstdio>

namespace {
struct State {
  QString file = LevelSettings::DefaultFile();
  std::optional<int> startOption;
  bool complained = false;
};

State& TheState() {
  static State state;
  return state;
}

// A level counted from 1 in the file, as an index; nothing when the value is
// missing or not a whole number.
std::optional<int> ReadLevel(const QSettings& settings, const QString& key) {
  if (!settings.contains(key)) return std::nullopt;
  bool ok = false;
  const int value = settings.value(key).toString().trimmed().toInt(&ok);
  if (!ok) return std::nullopt;
  return value - 1;
}

void ComplainOnce(const QString& path) {
  State& s = TheState();
  if (s.complained) return;
  s.complained = true;
  std::fprintf(stderr, "Réglages illisibles, ignorés : %s\n", qUtf8Printable(path));
}
}  // namespace

QString LevelSettings::DefaultFile() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/tavreno/tavreno.conf");
}

void LevelSettings::UseFile(const QString& path) {
  TheState().file = path;
  TheState().complained = false;
}

QString LevelSettings::File() { return TheState().file; }

void LevelSettings::SetStartOption(std::optional<int> level) { TheState().startOption = level; }

LevelChoice LevelSettings::For(const QString& game, int count, int ownStart) {
  const int last = std::max(count - 1, 0);
  LevelChoice choice{std::clamp(ownStart, 0, last), last};
  const QString path = TheState().file;
  if (!path.isEmpty() && QFileInfo::exists(path)) {
    QSettings settings(path, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError || !QFileInfo(path).isReadable()) {
      ComplainOnce(path);
    } else {
      settings.beginGroup(game);
      if (const auto top = ReadLevel(settings, kTopKey)) choice.top = std::clamp(*top, 0, last);
      if (const auto start = ReadLevel(settings, kStartKey)) choice.start = std::clamp(*start, 0, last);
    }
  }
  if (const auto option = TheState().startOption) choice.start = std::clamp(*option, 0, last);
  choice.start = std::min(choice.start, choice.top);
  return choice;
}

bool LevelSettings::Save(const QString& game, const LevelChoice& choice) {
  const QString path = TheState().file;
  if (path.isEmpty()) return false;
  QDir().mkpath(QFileInfo(path).absolutePath());
  QSettings settings(path, QSettings::IniFormat);
  settings.beginGroup(game);
  settings.setValue(kStartKey, choice.start + 1);
  settings.setValue(kTopKey, choice.top + 1);
  settings.endGroup();
  settings.sync();
  return settings.status() == QSettings::NoError;
}
