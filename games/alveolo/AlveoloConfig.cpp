#include "AlveoloWindow.h"

#include "LevelMenu.h"
#include "Menu.h"

namespace alveolo {
namespace {
const QString kHintText = QString::fromUtf8("&Je ne sais pas où cliquer");
const QString kRulesText = QString::fromUtf8("&Explique-moi la règle du jeu");

// The picture menu bar: the usual file and level popups and the about item,
// then an "Aide" popup that holds the hint and the rules, and the hidden list
// of every command.
std::unique_ptr<TMenu> BuildAlveoloMenu(const GameConfig& c) {
  auto menu = std::make_unique<TMenu>();
  AppendFilePopup(*menu, c);
  AppendLevelPopup(*menu, c);
  menu->AppendItem(c.about, QStringLiteral("BITMAPAPropos"));
  menu->AppendPopup(QStringLiteral("BITMAPAide"), {{cmd::Hint, kHintText}, {c.help.menu, kRulesText}},
                    {{cmd::Hint, QStringLiteral("BITMAPDisMoiOuCliquer")},
                     {c.help.menu, QStringLiteral("BITMAPLaRegleDuJeu")}});
  menu->AppendPopup(QStringLiteral("BITMAPRectCache"), c.textMenu);
  return menu;
}
}  // namespace

const GameConfig& TMainWindowSuite::Config() {
  static const GameConfig config = [] {
    GameConfig c;
    c.title = QStringLiteral("A L V E O L O");
    c.helpFile = QStringLiteral("alveolo.HLP");
    c.resourceFolders = {QStringLiteral(":/alveolo")};
    c.pictures = NumberedPictures(6);
    c.startLevel = 1;
    c.levelPictures = {"BITMAPDebutant", "BITMAPAmateur", "BITMAPBientotProfessionnel", "BITMAPProfessionnel",
                       "BITMAPExpert",   "BITMAPChampion"};
    SetLevelGameCommands(c,
                         {.quit = {cmd::Quit, cmd::QuitMenu},
                          .nextLevel = {cmd::NextLevel, cmd::NextLevelMenu},
                          .sameLevel = {cmd::SameLevel, cmd::SameLevelMenu},
                          .previousLevel = {cmd::PreviousLevel, cmd::PreviousLevelMenu},
                          .help = {cmd::Rules, cmd::RulesMenu},
                          .about = cmd::About,
                          .levels = {std::begin(cmd::kLevelChoices), std::end(cmd::kLevelChoices)}},
                         QStringLiteral("230"));
    // The text list ends with the hint and the rules instead of about and help.
    c.textMenu = LevelTextMenu(c);
    c.textMenu.insert(c.textMenu.end(),
                      {{0, {}}, {cmd::Hint, kHintText}, {cmd::Rules, kRulesText}, {0, {}}, {cmd::About, "A &Propos"}});
    c.buildMenu = BuildAlveoloMenu;
    return c;
  }();
  return config;
}

}  // namespace alveolo
