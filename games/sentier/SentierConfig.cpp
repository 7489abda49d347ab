#include "SentierWindow.h"

#include "LevelMenu.h"

namespace sentier {

const GameConfig& TMainWindowSuite::Config() {
  static const GameConfig config = [] {
    GameConfig c;
    c.title = QStringLiteral("J E   C R E E   U N   L A B Y R I N T H E");
    c.helpFile = QStringLiteral("sentier.HLP");
    // The forest's own cells (tree, hut, wolf, path) come from the family's folder.
    c.resourceFolders = {QStringLiteral(":/sentier"), QStringLiteral(":/foret")};
    c.pictures = NumberedPictures(8);
    AppendDialogPictures(c);
    c.arrowKeys = true;
    c.fieldChars = 8;
    c.levelPictures = {"BITMAPDebutant", "BITMAPAmateur", "BITMAPProfessionnel", "BITMAPExpert"};
    SetLevelGameCommands(c,
                         {.quit = {cmd::Quit, cmd::QuitMenu},
                          .nextLevel = {cmd::NextLevel, cmd::NextLevelMenu},
                          .sameLevel = {cmd::SameLevel, cmd::SameLevelMenu},
                          .previousLevel = {cmd::PreviousLevel, cmd::PreviousLevelMenu},
                          .help = {cmd::Help, cmd::HelpMenu},
                          .about = cmd::About,
                          .levels = {std::begin(cmd::kLevelChoices), std::end(cmd::kLevelChoices)}},
                         QStringLiteral("230"));
    c.popups = {
        {QStringLiteral("BITMAPProgrammer"),
         {{cmd::Girl, QStringLiteral("&Placer le Capucinen Rouge")},
          {cmd::Hut, QStringLiteral("&Construire la cabane")},
          {cmd::Flowers, QStringLiteral("&Semer les cinq fleurs")},
          {cmd::Wolves, QStringLiteral("&Placer les cinq loups")},
          {cmd::Path, QStringLiteral("&Tracer le chemin")}},
         {}},
        {QStringLiteral("BITMAPJouer"),
         {{cmd::Walk, QString::fromUtf8("&Cheminer dans la forêt")}, {cmd::Hunt, QStringLiteral("&Chasser les loups")}},
         {}},
    };
    c.textMenu = {{cmd::Quit, QStringLiteral("&Quitter")},
                  {cmd::NextLevel, QStringLiteral("&Passer au niveau suivant")},
                  {cmd::SameLevel, QString::fromUtf8("&Faire une partie à ce niveau")},
                  {cmd::PreviousLevel, QString::fromUtf8("&Revenir au niveau précédent")},
                  {cmd::Help, QStringLiteral("&Aide")}};
    // The bar: the level commands, the five building buttons, the two playing
    // buttons and help; the seven mode buttons are one toggle group.
    const int g = cmd::kModeGroup;
    c.buttons = {{QStringLiteral("door"), cmd::Quit, 3},
                 {QStringLiteral("stepup"), cmd::NextLevel, 1},
                 {QStringLiteral("230"), cmd::SameLevel, 1},
                 {QStringLiteral("stepdown"), cmd::PreviousLevel, 3},
                 {QStringLiteral("280"), cmd::Girl, 0, g},
                 {QStringLiteral("226"), cmd::Hut, 0, g},
                 {QStringLiteral("290"), cmd::Flowers, 0, g},
                 {QStringLiteral("235"), cmd::Wolves, 0, g},
                 {QStringLiteral("241"), cmd::Path, 1, g},
                 {QStringLiteral("245"), cmd::Walk, 0, g},
                 {QStringLiteral("250"), cmd::Hunt, 3, g},
                 {QStringLiteral("help"), cmd::Help, 1}};
    c.separatorK = 12;
    c.separatorD = 14;
    return c;
  }();
  return config;
}

}  // namespace sentier
