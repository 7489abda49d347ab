#include "CorridoWindow.h"

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
    c.buttons = {{"door", cmd::Quit, 3},
                 {"stepup", cmd::NextLevel, 1},
                 {"230", cmd::SameLevel, 1},
                 {"stepdown", cmd::PreviousLevel, 3},
                 {"help", cmd::Help, 1}};
    c.separatorK = 9;
    c.separatorD = 14;
    c.popups = {{"BITMAPRecommencer",
                 {{cmd::WipeMenu, "&Effacer le trazados mais garder ce labyrinthe"}},
                 {{cmd::WipeMenu, "BITMAPRubAllButKeepLaby"}}}};
    c.textMenu = {{0, {}},
                  {cmd::Quit, "&Quitter"},
                  {0, {}},
                  {cmd::NextLevel, "&Passer au niveau suivant"},
                  {cmd::SameLevel, "&Faire une partie à ce niveau"},
                  {cmd::PreviousLevel, "&Revenir au niveau précédent"},
                  {0, {}},
                  {cmd::Wipe, "&Effacer le trazados mais garder ce labyrinthe"},
                  {0, {}},
                  {550, "&Ya pas plus simple"},
                  {560, "&Débutant"},
                  {570, "&Amateur"},
                  {580, "&Bientôt Professionnel"},
                  {590, "&Professionnel"},
                  {600, "&Expert"},
                  {610, "&Champion"},
                  {0, {}},
                  {cmd::About, "A &Propos"},
                  {0, {}},
                  {cmd::Help, "&Aide"}};
    return c;
  }();
  return config;
}

}  // namespace corrido
