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
    SetLevelButtons(c, QStringLiteral("230"));
    c.textMenu = LevelTextMenu(c);
    const TMenuResource end = AboutAndHelpText(c);
    c.textMenu.insert(c.textMenu.end(), end.begin(), end.end());
    return c;
  }();
  return config;
}

}  // namespace oruga
