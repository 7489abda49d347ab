#include "OrugaWindow.h"

#include "LevelMenu.h"

namespace oruga {

const GameConfig& TMainWindowSuite::Config() {
  static const GameConfig config = [] {
    GameConfig c;
    c.title = QStringLiteral("L A   O R U G A");
    c.helpFile = QStringLiteral("oruga.HLP");
    c.resourceFolders = {QStringLiteral(":/oruga")};
    c.pictures = NumberedPictures(15);
    c.arrowKeys = true;
    c.levelPictures = {"BITMAPDebutant", "BITMAPAmateur", "BITMAPNextPro", "BITMAPProfessionnel", "BITMAPExpert",
                       "BITMAPChampion"};
    SetLevelGameCommands(c,
                         {.quit = {cmd::Quit, cmd::QuitMenu},
                          .nextLevel = {cmd::NextLevel, cmd::NextLevelMenu},
                          .sameLevel = {cmd::SameLevel, cmd::SameLevelMenu},
                          .previousLevel = {cmd::PreviousLevel, cmd::PreviousLevelMenu},
                          .help = {cmd::Help, cmd::HelpMenu},
                          .about = cmd::About,
                          .levels = {std::begin(cmd::kLevelChoices), std::end(cmd::kLevelChoices)}},
                         QStringLiteral("230"));
    return c;
  }();
  return config;
}

}  // namespace oruga
