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
    c.levelCount = 7;
    c.startLevel = 1;
    c.levelPictures = {"BITMAPYaPasPlusSimple", "BITMAPDebutant", "BITMAPAmateur", "BITMAPBientotProfessionnel",
                       "BITMAPProfessionnel", "BITMAPExpert", "BITMAPChampion"};
    c.quit = {cmd::Quit, cmd::QuitMenu};
    c.nextLevel = {cmd::NextLevel, cmd::NextLevelMenu};
    c.sameLevel = {cmd::SameLevel, cmd::SameLevelMenu};
    c.previousLevel = {cmd::PreviousLevel, cmd::PreviousLevelMenu};
    c.levelCommands.assign(std::begin(cmd::kLevels), std::end(cmd::kLevels));
    c.help = {cmd::Help, cmd::HelpMenu};
    c.about = cmd::About;
    SetLevelButtons(c, QStringLiteral("230"));
    c.popups = {{"BITMAPRecommencer",
                 {{cmd::WipeMenu, "&Effacer le trazados mais garder ce labyrinthe"}},
                 {{cmd::WipeMenu, "BITMAPRubAllButKeepLaby"}}}};
    c.textMenu = LevelTextMenu(c, {{cmd::Wipe, "&Effacer le trazados mais garder ce labyrinthe"}});
    const TMenuResource end = AboutAndHelpText(c);
    c.textMenu.insert(c.textMenu.end(), end.begin(), end.end());
    return c;
  }();
  return config;
}

}  // namespace corrido
