#include "TorretaWindow.h"

#include "LevelMenu.h"

namespace torreta {

const GameConfig& TMainWindowSuite::Config() {
  static const GameConfig config = [] {
    GameConfig c;
    c.title = QStringLiteral("T O R R E T A");
    c.helpFile = QStringLiteral("torreta.HLP");
    c.resourceFolders = {QStringLiteral(":/torreta")};
    c.pictures = NumberedPictures(kEmpty + 1);  // the six discs, then the empty slot
    AppendDialogPictures(c);
    c.levelPictures = {"BITMAPDebutant", "BITMAPAmateur", "BITMAPProfessionnel", "BITMAPExpert", "BITMAPChampion"};
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

}  // namespace torreta
