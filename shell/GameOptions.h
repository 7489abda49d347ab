#pragma once
#include <QString>
#include <QStringList>
#include <optional>

struct GameConfig;

// What the command line asks of a game program: a start level for this run
// (given from 1, kept as an index), or the list of options.
struct GameOptions {
  std::optional<int> startLevel;
  bool help = false;
  bool levels = false;  // --niveaux: the levels for the launcher's settings, one per line
  QString error;  // one line, in French; the program then ends with status 2
};

// Reads the program's own options; the others (Qt's, with one dash) are left
// to Qt.
GameOptions ParseGameOptions(const GameConfig& config, const QStringList& arguments);
// The options a game understands, as `--aide` prints them.
QString GameOptionsHelp(const GameConfig& config, const QString& program);
// Acts on the program's options before the window opens: prints the list, or
// a fault in one line, or hands the start level to the settings. Gives the
// status to end the program with, or nothing to go on.
std::optional<int> HandleGameOptions(const GameConfig& config, int argc, char** argv);
// The levels as `--niveaux` prints them for the launcher: the count, the game's
// own start level (from 1), then one name per line; "0" for a one-level game.
QString GameLevelsListing(const GameConfig& config);
// The name the settings know a game by: its help file's, "oruga" for "oruga.HLP".
QString GameSettingsName(const GameConfig& config);
