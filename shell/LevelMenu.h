#pragma once
#include "GameConfig.h"
#include "Menu.h"

#include <QString>
#include <memory>
#include <vector>

class TGameWindow;

// The name of `level` in a game of `count` levels; empty outside the table.
QString LevelName(int count, int level);

// Builds the picture menu bar of a game.
std::unique_ptr<TMenu> BuildMenuBar(const GameConfig& config);
// The usual popups, for games that build their own menu bar: the file popup
// with quit, and the level popup with next, same and previous level and the levels.
void AppendFilePopup(TMenu& menu, const GameConfig& config);
void AppendLevelPopup(TMenu& menu, const GameConfig& config);

// The plain text list of a game with levels, as far as it is the same in every
// such game: quit; next, same and previous level; the game's own items; the levels.
TMenuResource LevelTextMenu(const GameConfig& config, const TMenuResource& gameItems = {});
// Its usual end: about and help.
TMenuResource AboutAndHelpText(const GameConfig& config);
// Everything a game with levels has in common: the commands `ids`, one level
// per level command, the usual bar with the game's new-game picture, and the
// usual text list with the game's own items after the level steps; the game's
// own buttons, if any, go before the question mark.
void SetLevelGameCommands(GameConfig& config, const LevelCommandIds& ids, const QString& newGamePicture,
                          const TMenuResource& gameItems = {}, const std::vector<BarButton>& gameButtons = {});
// The usual bar of a game with levels: the door, a step up, the game's new-game
// picture, a step down, the game's own buttons and the question mark, spread
// over the drawing area's height (with the game's own buttons, exactly over it).
void SetLevelButtons(GameConfig& config, const QString& newGamePicture, const std::vector<BarButton>& gameButtons = {});

// Binds quit, help and about to their ids.
void InstallCommonCommands(TGameWindow& window);
// Binds next level, previous level, same level and the direct level choices.
void InstallLevelCommands(TGameWindow& window);
// Reads the grown-up's settings for the game: its start level, and the top
// level, above which the level commands are greyed and do nothing.
void ApplyLevelSettings(TGameWindow& window, TMenu& menu);
// Binds the one-level restart request.
void InstallRestartCommand(TGameWindow& window);

// The restart of a game with levels: asks while a game is in progress, then
// clears the screen, applies the level, resets the game and draws the board.
void RestartNLevel(TGameWindow& window);
// The restart request of a one-level game.
void RestartRequest(TGameWindow& window);
// The first game, at set-up: no question, the screen still white.
void StartFirstGame(TGameWindow& window);
// Writes the level name of the game's current level in the first status field.
void ShowLevelName(TGameWindow& window);
