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
    c.levelCount = kLevels;
    c.startLevel = 1;
    c.levelPictures = {"BITMAPDebutant", "BITMAPAmateur", "BITMAPBientotProfessionnel", "BITMAPProfessionnel",
                       "BITMAPExpert",   "BITMAPChampion"};
    c.quit = {cmd::Quit, cmd::QuitMenu};
    c.nextLevel = {cmd::NextLevel, cmd::NextLevelMenu};
    c.sameLevel = {cmd::SameLevel, cmd::SameLevelMenu};
    c.previousLevel = {cmd::PreviousLevel, cmd::PreviousLevelMenu};
    c.levelCommands.assign(std::begin(cmd::kLevels), std::end(cmd::kLevels));
    c.help = {cmd::Rules, cmd::RulesMenu};
    c.about = cmd::About;
    SetLevelButtons(c, QStringLiteral("230"));
    c.textMenu = LevelTextMenu(c);
    c.textMenu.insert(c.textMenu.end(),
                      {{0, {}}, {cmd::Hint, kHintText}, {cmd::Rules, kRulesText}, {0, {}}, {cmd::About, "A &Propos"}});
    c.buildMenu = BuildAlveoloMenu;
    return c;
  }();
  return config;
}

}  // namespace alveolo
