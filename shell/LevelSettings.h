#pragma once
#include <QString>
#include <optional>

// Where a game with levels starts and how high the child may climb, as level
// indexes (0 is the first level).
struct LevelChoice {
  int start = 0;
  int top = 0;
};

// The grown-up's settings for the games with levels: a small per-user file
// (INI, one group per game, levels counted from 1 as a grown-up reads them),
// and a start level given on the command line for one run.
//
//   [oruga]
//   niveau_depart=2
//   niveau_max=3
class LevelSettings {
public:
  static constexpr const char* kStartKey = "niveau_depart";
  static constexpr const char* kTopKey = "niveau_max";

  // The file of the desktop's configuration folder: <config>/tavreno/tavreno.conf.
  static QString DefaultFile();
  // Reads from `path` instead; an empty path reads no file at all.
  static void UseFile(const QString& path);
  static QString File();
  // The start level asked on the command line, as an index; none by default.
  static void SetStartOption(std::optional<int> level);

  // The choice for `game`, which has `count` levels and starts at `ownStart` by
  // itself. Missing or unreadable values keep the game's own; numbers out of
  // range are brought back into it; the start never lies above the top. The
  // command line's start wins over the file's, within the top.
  static LevelChoice For(const QString& game, int count, int ownStart);

  // Writes the choice for `game` to the file at once (levels as indexes).
  static bool Save(const QString& game, const LevelChoice& choice);
};
