#include "JeuFormes.h"

#include "GameConfig.h"
#include "ShowMessage.h"

namespace formes {

void JeuFormes::NoticeFinished(TWindow& window) {
  ShowMessage(&window, "B R A V O ,  C E T T E   P A R T I E   E S T   T E R M I N E E !",
              QString::fromUtf8("Pour en refaire une, clique sur l'éclair jaune,"), "dans la barre de boutons.", 3,
              MessageOk);
}

void SetFormGameCommands(GameConfig& c, const QString& startText) {
  c.buttons = {{"door", c.quit.button, 1}, {"lightning", c.restart.button, 1}, {"help", c.help.button, 0}};
  c.separatorFixed = 40;
  c.textMenu = {{0, {}},          {c.quit.button, "&Quitter"}, {0, {}}, {c.restart.button, startText},
                {0, {}},          {c.about, "A &Propos"},      {0, {}}, {c.help.button, "&Aide"}};
}

}  // namespace formes
