#include "LevelMenu.h"

#include "Ecran.h"
#include "GameConfig.h"
#include "GameOptions.h"
#include "GameState.h"
#include "GameWindow.h"
#include "LevelSettings.h"
#include "Menu.h"
#include "RestartDialogs.h"
#include "ShowMessage.h"

#include <QStringList>

namespace {
JeuANNiv* LevelState(TGameWindow& w) { return dynamic_cast<JeuANNiv*>(w.Jeu()); }

// The menus name a level in its long form, with its letter marked.
QString MenuLevelName(const GameConfig& c, size_t k) {
  const QString name = LevelName(c.levelCount, static_cast<int>(k));
  return '&' + (name == QStringLiteral("Bientôt pro") ? QStringLiteral("Bientôt Professionnel") : name);
}

}  // namespace

std::vector<QString> NumberedPictures(int count) {
  std::vector<QString> names;
  for (int i = 0; i < count; ++i) names.push_back(QStringLiteral("Bitmap%1").arg(i, 2, 10, QLatin1Char('0')));
  return names;
}

void AppendDialogPictures(GameConfig& config) {
  const int first = static_cast<int>(config.pictures.size());
  const std::vector<QString> shared = NumberedPictures(6);
  for (int i = 0; i < 6; ++i) {
    config.pictures.push_back(QStringLiteral("common/") + shared[i]);
    config.dialogPictures[i] = first + i;
  }
  config.resourceFolders.push_back(QStringLiteral(":"));
}

QString LevelName(int count, int level) {
  static const QStringList four{"Débutant", "Amateur", "Professionnel", "Expert"};
  static const QStringList five{"Débutant", "Amateur", "Professionnel", "Expert", "Champion"};
  static const QStringList six{"Débutant", "Amateur", "Bientôt pro", "Professionnel", "Expert", "Champion"};
  static const QStringList seven{"Ya pas plus simple", "Débutant", "Amateur", "Bientôt pro",
                                 "Professionnel", "Expert", "Champion"};
  const QStringList* names = count == 4 ? &four : count == 5 ? &five : count == 6 ? &six : count == 7 ? &seven : nullptr;
  if (!names || level < 0 || level >= names->size()) return {};
  return names->at(level);
}

void AppendFilePopup(TMenu& menu, const GameConfig& c) {
  menu.AppendPopup(QStringLiteral("BITMAPFichier"), {{0, {}}, {c.quit.menu, QStringLiteral("&Quitter")}},
                   {{c.quit.menu, QStringLiteral("BITMAPQuitter")}});
}

void AppendLevelPopup(TMenu& menu, const GameConfig& c) {
  TMenuResource items{{0, {}},
                      {c.nextLevel.menu, QStringLiteral("&Passer au niveau suivant")},
                      {c.sameLevel.menu, QStringLiteral("&Initialiser une partie à ce niveau")},
                      {c.previousLevel.menu, QStringLiteral("&Revenir au niveau précédent")},
                      {0, {}}};
  std::map<int, QString> pictures{{c.nextLevel.menu, QStringLiteral("BITMAPNextLevel")},
                                  {c.sameLevel.menu, QStringLiteral("BITMAPAgainCeLevel")},
                                  {c.previousLevel.menu, QStringLiteral("BITMAPLowerLevel")}};
  for (size_t k = 0; k < c.levelCommands.size(); ++k) {
    items.push_back({c.levelCommands[k], MenuLevelName(c, k)});
    if (k < c.levelPictures.size()) pictures[c.levelCommands[k]] = c.levelPictures[k];
  }
  menu.AppendPopup(QStringLiteral("BITMAPPlayerLevel"), items, pictures);
}

TMenuResource LevelTextMenu(const GameConfig& c, const TMenuResource& gameItems) {
  TMenuResource items{{0, {}},
                      {c.quit.button, QStringLiteral("&Quitter")},
                      {0, {}},
                      {c.nextLevel.button, QStringLiteral("&Passer au niveau suivant")},
                      {c.sameLevel.button, QStringLiteral("&Faire une partie à ce niveau")},
                      {c.previousLevel.button, QStringLiteral("&Revenir au niveau précédent")},
                      {0, {}}};
  if (!gameItems.empty()) {
    items.insert(items.end(), gameItems.begin(), gameItems.end());
    items.push_back({0, {}});
  }
  for (size_t k = 0; k < c.levelCommands.size(); ++k) items.push_back({c.levelCommands[k], MenuLevelName(c, k)});
  return items;
}

TMenuResource AboutAndHelpText(const GameConfig& c) {
  return {{0, {}}, {c.about, QStringLiteral("A &Propos")}, {0, {}}, {c.help.button, QStringLiteral("&Aide")}};
}

void SetLevelGameCommands(GameConfig& c, const LevelCommandIds& ids, const QString& newGamePicture,
                          const TMenuResource& gameItems, const std::vector<BarButton>& gameButtons) {
  c.quit = ids.quit;
  c.nextLevel = ids.nextLevel;
  c.sameLevel = ids.sameLevel;
  c.previousLevel = ids.previousLevel;
  c.help = ids.help;
  c.about = ids.about;
  c.levelCommands = ids.levels;
  c.levelCount = static_cast<int>(ids.levels.size());
  SetLevelButtons(c, newGamePicture, gameButtons);
  c.textMenu = LevelTextMenu(c, gameItems);
  const TMenuResource end = AboutAndHelpText(c);
  c.textMenu.insert(c.textMenu.end(), end.begin(), end.end());
}

void SetLevelButtons(GameConfig& c, const QString& newGamePicture, const std::vector<BarButton>& gameButtons) {
  c.buttons = {{QStringLiteral("door"), c.quit.button, 3},
               {QStringLiteral("stepup"), c.nextLevel.button, 1},
               {newGamePicture, c.sameLevel.button, 1},
               {QStringLiteral("stepdown"), c.previousLevel.button, 3}};
  c.buttons.insert(c.buttons.end(), gameButtons.begin(), gameButtons.end());
  c.buttons.push_back({QStringLiteral("help"), c.help.button, 1});
  c.separatorK = 9;
  c.separatorD = 14;
  if (!gameButtons.empty()) {
    // The separators share what the buttons leave of the area's height, so the
    // longer bar still fits.
    c.separatorK = static_cast<int>(c.buttons.size());
    c.separatorD = 0;
    for (const BarButton& b : c.buttons) c.separatorD += b.separatorsAfter;
  }
}

std::unique_ptr<TMenu> BuildMenuBar(const GameConfig& c) {
  if (c.buildMenu) return c.buildMenu(c);
  auto menu = std::make_unique<TMenu>();
  AppendFilePopup(*menu, c);
  if (c.levelCount > 0) AppendLevelPopup(*menu, c);
  for (const GamePopup& popup : c.popups) menu->AppendPopup(popup.picture, popup.items, popup.pictures, popup.picturesBesideText);
  if (c.levelCount == 0 && c.restart.menu) menu->AppendItem(c.restart.menu, c.restartPicture);
  if (c.about) menu->AppendItem(c.about, QStringLiteral("BITMAPAPropos"));
  if (c.help.menu) menu->AppendItem(c.help.menu, QStringLiteral("BITMAPAide"));
  menu->AppendPopup(QStringLiteral("BITMAPRectCache"), c.textMenu);
  return menu;
}

void InstallCommonCommands(TGameWindow& w) {
  w.OnCommandPair(w.Config().quit, [&w] { w.Quit(); });
  w.OnCommandPair(w.Config().help, [&w] { w.Help(); });
  if (w.Config().about) w.OnCommand(w.Config().about, [&w] { w.About(); });
}

void InstallLevelCommands(TGameWindow& w) {
  const GameConfig& c = w.Config();
  w.OnCommandPair(c.nextLevel, [&w] {
    JeuANNiv* jeu = LevelState(w);
    if (!jeu) return;
    if (jeu->level < w.TopLevel()) {
      ++jeu->level;
    } else {
      ShowMessage(&w, "B R A V O,  TU ES RENDU AU SOMMET DE LA GLOIRE !", "Il n'y a pas de niveau plus difficile.", 3,
                  MessageOk);
    }
    RestartNLevel(w);
  });
  w.OnCommandPair(c.previousLevel, [&w] {
    JeuANNiv* jeu = LevelState(w);
    if (!jeu) return;
    if (jeu->level > 0) {
      --jeu->level;
    } else {
      ShowMessage(&w, "D  E  S  O  L  E ...", "Ce niveau est le plus facile que je connaisse !",
                  "Je ne peux t'en présenter un plus simple.", 3, MessageOk);
    }
    RestartNLevel(w);
  });
  w.OnCommandPair(c.sameLevel, [&w] { RestartNLevel(w); });
  for (size_t k = 0; k < c.levelCommands.size(); ++k) {
    const int level = static_cast<int>(k);
    w.OnCommand(c.levelCommands[k], [&w, level] {
      JeuANNiv* jeu = LevelState(w);
      if (jeu && level <= w.TopLevel()) {
        jeu->level = level;
        RestartNLevel(w);
      }
    });
  }
}

void ApplyLevelSettings(TGameWindow& w, TMenu& menu) {
  JeuANNiv* jeu = LevelState(w);
  const GameConfig& c = w.Config();
  if (!jeu || c.levelCount == 0) return;
  const LevelChoice choice = LevelSettings::For(GameSettingsName(c), c.levelCount, jeu->level);
  jeu->level = choice.start;
  w.SetTopLevel(choice.top);
  for (size_t k = static_cast<size_t>(choice.top) + 1; k < c.levelCommands.size(); ++k)
    menu.SetEnabled(c.levelCommands[k], false);
}

void InstallRestartCommand(TGameWindow& w) { w.OnCommandPair(w.Config().restart, [&w] { RestartRequest(w); }); }

void RestartNLevel(TGameWindow& w) {
  JeuBase* jeu = w.Jeu();
  if (!jeu) return;
  if (jeu->phase == PhaseInProgress && !ConfirmRestart(w)) return;
  w.ClearScreen();
  w.ApplyLevel();
  w.ResetGame();
  if (w.TheEcran()) w.TheEcran()->DrawAll();
}

void RestartRequest(TGameWindow& w) {
  JeuBase* jeu = w.Jeu();
  if (!jeu) return;
  if (jeu->phase == PhaseNotStarted) {
    NoticeNothingToRestart(w);
    return;
  }
  if (jeu->phase == PhaseInProgress && !ConfirmRestart(w)) return;
  w.NewGame();
}

void StartFirstGame(TGameWindow& w) {
  w.ApplyLevel();
  w.ResetGame();
  if (w.TheEcran()) w.TheEcran()->DrawAll();
}

void ShowLevelName(TGameWindow& w) {
  const JeuANNiv* jeu = LevelState(w);
  if (!jeu) return;
  const QString name = LevelName(w.Config().levelCount, jeu->level);
  if (!name.isEmpty()) w.WriteStatus(StatusField::First, name + ' ');
}
