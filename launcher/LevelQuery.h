#pragma once
#include <QString>
#include <QStringList>
#include <optional>

// The levels of a game as the game itself tells them (`--niveaux`): how many,
// where it starts by itself (as an index) and their names.
struct GameLevels {
  int count = 0;
  int ownStart = 0;
  QStringList names;
};

// Reads the game's listing; nothing when it is not one. A one-level game
// gives a count of 0.
std::optional<GameLevels> ParseLevelsListing(const QString& text);
// Runs `program --niveaux` and reads its answer; nothing when the program is
// missing, fails or says something else.
std::optional<GameLevels> AskGameLevels(const QString& program);
