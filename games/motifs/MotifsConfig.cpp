#include "MotifsConfig.h"

#include "LevelMenu.h"

#include <iterator>

namespace motifs {

void SetMotifsCommands(GameConfig& c) {
  c.levelPictures = {"BITMAPDebutant", "BITMAPAmateur", "BITMAPNextPro",
                     "BITMAPProfessionnel", "BITMAPExpert", "BITMAPChampion"};
  SetLevelGameCommands(c,
                       {.quit = {cmd::Quit, cmd::QuitMenu},
                        .nextLevel = {cmd::NextLevel, cmd::NextLevelMenu},
                        .sameLevel = {cmd::SameLevel, cmd::SameLevelMenu},
                        .previousLevel = {cmd::PreviousLevel, cmd::PreviousLevelMenu},
                        .help = {cmd::Help, cmd::HelpMenu},
                        .about = cmd::About,
                        .levels = {std::begin(cmd::kLevelChoices), std::end(cmd::kLevelChoices)}},
                       QStringLiteral("230"));
  // Two separators after the door and after the step down, one between the rest.
  c.buttons = {{QStringLiteral("door"), cmd::Quit, 2},
               {QStringLiteral("stepup"), cmd::NextLevel, 1},
               {QStringLiteral("230"), cmd::SameLevel, 1},
               {QStringLiteral("stepdown"), cmd::PreviousLevel, 2},
               {QStringLiteral("help"), cmd::Help, 0}};
  c.textMenu = {{cmd::Quit, QStringLiteral("&Quitter")},
                {cmd::NextLevel, QStringLiteral("&Passer au niveau suivant")},
                {cmd::SameLevel, QString::fromUtf8("&Faire une partie à ce niveau")},
                {cmd::PreviousLevel, QString::fromUtf8("&Revenir au niveau précédent")},
                {cmd::Help, QStringLiteral("&Aide")}};
}

}  // namespace motifs
