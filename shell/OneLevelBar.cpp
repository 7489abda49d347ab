#include "OneLevelBar.h"

#include "GameConfig.h"
#include "ShowMessage.h"

void SetOneLevelGameCommands(GameConfig& c, const QString& restartText, const TMenuResource& gameItems) {
  c.buttons = {{QStringLiteral("door"), c.quit.button, 1},
               {QStringLiteral("lightning"), c.restart.button, 1},
               {QStringLiteral("help"), c.help.button, 0}};
  c.separatorFixed = 40;
  c.textMenu = {{0, {}}, {c.quit.button, QStringLiteral("&Quitter")}, {0, {}}, {c.restart.button, restartText}};
  if (!gameItems.empty()) {
    c.textMenu.push_back({0, {}});
    c.textMenu.insert(c.textMenu.end(), gameItems.begin(), gameItems.end());
  }
  c.textMenu.insert(c.textMenu.end(), {{0, {}},
                                       {c.about, QStringLiteral("A &Propos")},
                                       {0, {}},
                                       {c.help.button, QStringLiteral("&Aide")}});
}

void NoticeFinishedLightning(TWindow& window) {
  ShowMessage(&window, "B R A V O ,  C E T T E   P A R T I E   E S T   T E R M I N E E !",
              QString::fromUtf8("Pour en refaire une, clique sur l'éclair jaune,"), "dans la barre de boutons.", 3,
              MessageOk);
}

