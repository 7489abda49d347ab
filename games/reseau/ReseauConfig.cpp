#include "LevelMenu.h"
#include "TMainWindowReseau.h"

namespace reseau {

void SetReseauCommands(GameConfig& c, const QString& newGamePicture) {
  c.resourceFolders.push_back(QStringLiteral(":/reseau"));
  c.pictures = NumberedPictures(6);  // the dialog's pictures only
  c.arrowKeys = true;
  c.startImages = 3;  // and the board composed aside
  c.fieldChars = 14;  // "Exercice N°: 3" and "12 erreur(s)" whole
  c.levelPictures = {"BITMAPDebutant", "BITMAPAmateur", "BITMAPProfessionnel", "BITMAPExpert"};
  const QString compare = QString::fromUtf8("&Rechercher les différences avec la consigne");
  TMenuResource exercises, items;
  std::map<int, QString> exercisePictures;
  for (int k = 0; k < 3; ++k) {
    const QString name = QString::fromUtf8("&Numéro %1").arg(k + 1);
    exercises.push_back({cmd::kExercises[k].menu, name});
    exercisePictures[cmd::kExercises[k].menu] = QStringLiteral("BITMAPNumero%1").arg(k + 1);
    items.push_back({cmd::kExercises[k].button, name});
  }
  items.push_back({0, {}});
  items.push_back({cmd::Compare, compare});
  c.popups = {{QStringLiteral("BITMAPExercice"), exercises, exercisePictures},
              {QStringLiteral("BITMAPAlors"), {{cmd::CompareMenu, compare}},
               {{cmd::CompareMenu, QStringLiteral("BITMAPComparer")}}}};
  SetLevelGameCommands(c,
                       {.quit = {cmd::Quit, cmd::QuitMenu},
                        .nextLevel = {cmd::NextLevel, cmd::NextLevelMenu},
                        .sameLevel = {cmd::SameLevel, cmd::SameLevelMenu},
                        .previousLevel = {cmd::PreviousLevel, cmd::PreviousLevelMenu},
                        .help = {cmd::Help, cmd::HelpMenu},
                        .about = cmd::About,
                        .levels = {std::begin(cmd::kLevelChoices), std::end(cmd::kLevelChoices)}},
                       newGamePicture, items,
                       {{QStringLiteral("231"), cmd::kExercises[0].button, 0},
                        {QStringLiteral("232"), cmd::kExercises[1].button, 0},
                        {QStringLiteral("233"), cmd::kExercises[2].button, 1},
                        {QStringLiteral("234"), cmd::Compare, 3}});
}

}  // namespace reseau
