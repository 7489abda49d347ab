#include "OrugaWindow.h"

namespace oruga {

const GameConfig& TMainWindowSuite::Config() {
  static const GameConfig config = [] {
    GameConfig c;
    c.title = QStringLiteral("L A   O R U G A");
    c.helpFile = QStringLiteral("oruga.HLP");
    c.resourceFolders = {QStringLiteral(":/oruga")};
    c.pictures = NumberedPictures(15);
    c.levelCount = 6;
    c.startLevel = 0;
    c.levelPictures = {"BITMAPDebutant", "BITMAPAmateur", "BITMAPNextPro", "BITMAPProfessionnel", "BITMAPExpert",
                       "BITMAPChampion"};
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
    c.textMenu = {{0, {}},
                  {cmd::Quit, "&Quitter"},
                  {0, {}},
                  {cmd::NextLevel, "&Passer au niveau suivant"},
                  {cmd::SameLevel, QString::fromUtf8("&Faire une partie à ce niveau")},
                  {cmd::PreviousLevel, QString::fromUtf8("&Revenir au niveau précédent")},
                  {0, {}},
                  {560, QString::fromUtf8("&Débutant")},
                  {565, "&Amateur"},
                  {570, QString::fromUtf8("&Bientôt Professionnel")},
                  {575, "&Professionnel"},
                  {580, "&Expert"},
                  {585, "&Champion"},
                  {0, {}},
                  {cmd::About, "A &Propos"},
                  {0, {}},
                  {cmd::Help, "&Aide"}};
    return c;
  }();
  return config;
}

}  // namespace oruga
