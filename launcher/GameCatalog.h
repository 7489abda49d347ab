#pragma once
#include <QString>
#include <vector>

// A game the launcher offers: its program's name, the title on its button, its
// line for the parent, its picture and the program to start.
struct GameEntry {
  QString name;
  QString title;
  QString description;
  QString icon;
  QString program;
};

// The list of games the build made, one line per game with five fields apart
// by tabs: name, title, description, icon, program.
class GameCatalog {
public:
  // Reads `file`: icons named relative to the catalog's folder and programs
  // named relative to `programDir` become full paths; short lines are skipped.
  // Sorted by title, so that a parent finds a game as in a list.
  static std::vector<GameEntry> Load(const QString& file, const QString& programDir);
  // The catalog of the launcher in `launcherDir`: beside it in the build tree,
  // under share/tavreno once installed.
  static QString DefaultFile(const QString& launcherDir);
};
