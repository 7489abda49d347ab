#include "CorridoWindow.h"

#include "LevelMenu.h"

namespace corrido {

const GameConfig& TMainWindowSuite::Config() {
  static const GameConfig config = [] {
    GameConfig c;
    c.title = QStringLiteral("L A B Y R Y N T H E  G A U C H E   D R O I T E");
    c.helpFile = QStringLiteral("corrido.HLP");
    c.resourceFolders = {QStringLiteral(":/corrido")};
    c.pictures = NumberedPictures(6);
    c.marginRight = 52;
    c.marginBottom = 67;
    c.doubleClickNotice = false;
    c.quitQuestion = QStringLiteral("Faut-il vraiment quitter ?");
    c.fieldChars = 8;
    c.arrowKeys = true;
    c.startLevel = 1;
    c.levelPictures = {"BITMAPYaPasPlusSimple", "BITMAPDebutant", "BITMAPAmateur", "BITMAPBientotProfessionnel",
                       "BITMAPProfessionnel", "BITMAPExpert", "BITMAPChampion"};
    c.popups = {{"BITMAPRecommencer",
                 {{cmd::WipeMenu, "&Effacer le trazados mais garder ce labyrinthe"}},
                 {{cmd::WipeMenu, "BITMAPRubAllButKeepLaby"}}}};
    SetLevelGameCommands(c,
                         {.quit = {cmd::Quit, cmd::QuitMenu},
                          .nextLevel = {cmd::NextLevel, cmd::NextLevelMenu},
                          .sameLevel = {cmd::SameLevel, cmd::SameLevelMenu},
                          .previousLevel = {cmd::PreviousLevel, cmd::PreviousLevelMenu},
                          .help = {cmd::Help, cmd::HelpMenu},
                          .about = cmd::About,
                          .levels = {std::begin(cmd::kLevelChoices), std::end(cmd::kLevelChoices)}},
                         QStringLiteral("230"), {{cmd::Wipe, "&Effacer le trazados mais garder ce labyrinthe"}});
    return c;
  }();
  return config;
}

}  // namespace corrido
