#pragma once
#include "Menu.h"

#include <QString>

class TWindow;
struct GameConfig;

// The bar and the hidden text list of a one-level game, from the quit, restart,
// help and about commands already in `config`: the door, the yellow lightning
// bolt of the restart and the question mark. The game's own items, if any,
// follow the restart in the text list.
void SetOneLevelGameCommands(GameConfig& config, const QString& restartText, const TMenuResource& gameItems = {});

// The end-of-game notice of the games with that bar: it points the child to
// the lightning bolt.
void NoticeFinishedLightning(TWindow& window);

