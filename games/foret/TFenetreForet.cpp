#include "TFenetreForet.h"

#include "Exercices.h"
#include "LevelMenu.h"

namespace foret {

void SetForetConfig(GameConfig& c, const std::vector<QString>& pictures) {
  c.resourceFolders.push_back(QStringLiteral(":/foret"));
  c.pictures = pictures;
  AppendDialogPictures(c);
  c.doubleClickNotice = false;
  c.arrowKeys = true;
  c.fieldChars = 8;
  c.levelPictures = {"BITMAPDebutant", "BITMAPAmateur", "BITMAPProfessionnel", "BITMAPExpert"};
  TMenuResource exercises;
  GamePopup popup{QStringLiteral("BITMAPExercice"), {}, {}};
  for (int n = 1; n <= 3; ++n) {
    const QString text = QString::fromUtf8("&Numéro %1").arg(n);
    exercises.push_back({cmd::kExercises[n - 1].button, text});
    popup.items.push_back({cmd::kExercises[n - 1].menu, text});
    popup.pictures[cmd::kExercises[n - 1].menu] = QStringLiteral("BITMAPNumero%1").arg(n);
  }
  c.popups = {popup};
  SetLevelGameCommands(c,
                       {.quit = {cmd::Quit, cmd::QuitMenu},
                        .nextLevel = {cmd::NextLevel, cmd::NextLevelMenu},
                        .sameLevel = {cmd::SameLevel, cmd::SameLevelMenu},
                        .previousLevel = {cmd::PreviousLevel, cmd::PreviousLevelMenu},
                        .help = {cmd::Help, cmd::HelpMenu},
                        .about = cmd::About,
                        .levels = {std::begin(cmd::kLevelChoices), std::end(cmd::kLevelChoices)}},
                       QStringLiteral("230"), exercises);
  c.buttons = {{QStringLiteral("door"), cmd::Quit, 2},
               {QStringLiteral("stepup"), cmd::NextLevel, 1},
               {QStringLiteral("230"), cmd::SameLevel, 1},
               {QStringLiteral("stepdown"), cmd::PreviousLevel, 2},
               {QStringLiteral("221"), cmd::kExercises[0].button, 1},
               {QStringLiteral("222"), cmd::kExercises[1].button, 1},
               {QStringLiteral("223"), cmd::kExercises[2].button, 2},
               {QStringLiteral("help"), cmd::Help, 0}};
  c.separatorK = 8;
  c.separatorD = 14;
}

TFenetreForet::TFenetreForet(const GameConfig& config, JeuForet& jeu, bool letters)
    : TNLevelChain<TMemDCWindowSuite>(config), jeu_(jeu), letters_(letters) {
  for (int n = 1; n <= 3; ++n) OnCommandPair(cmd::kExercises[n - 1], [this, n] { ChooseExercise(n); });
}

void TFenetreForet::ResetGame() {
  jeu_.exercise = nextExercise_;
  const QRect area = DrawingArea();
  balade_.Lay(ExerciseRows(jeu_.level, jeu_.exercise), letters_, area.width(), area.height());
  jeu_.Reset();
}

void TFenetreForet::ChooseExercise(int n) {
  nextExercise_ = n;
  RestartNLevel(*this);
  nextExercise_ = 1;
}

}  // namespace foret
