#include "RempartWindow.h"

#include "LevelMenu.h"
#include "OneLevelBar.h"

namespace rempart {
namespace {
// The moves and erase, as the attacker's popup and the text list show them.
TMenuResource MoveItems() {
  return {{cmd::Up, QString::fromUtf8("L'attaquant avance vers le but")},
          {cmd::Back, QString::fromUtf8("L'attaquant va en arrière (il s'éloigne du but)")},
          {cmd::Left, QString::fromUtf8("L'attaquant va vers la gauche du terrain")},
          {cmd::Right, QString::fromUtf8("L'attaquant va vers la droite du terrain")},
          {cmd::Erase, QString::fromUtf8("&Effacer le dernier mouvement programmé")}};
}

// The picture table, numbered as the game draws: the attacker, the defenders
// and the grass at 0 to 4, the arrows and the empty slot at 6 to 14, the
// dialog's pictures at 16 to 21, then the goal with and without the ball and
// the attacker with the ball. 5 and 15 are never drawn.
void SetPictures(GameConfig& c) {
  c.pictures = NumberedPictures(16);
  c.pictures[5].clear();
  c.pictures[15].clear();
  AppendDialogPictures(c);
  for (const char* name : {"Bitmap97", "Bitmap98", "Bitmap99"}) c.pictures.push_back(QString::fromLatin1(name));
}

// File, levels, the attacker's moves, execute, about, help and the hidden list.
std::unique_ptr<TMenu> BuildRempartMenu(const GameConfig& c) {
  auto menu = std::make_unique<TMenu>();
  AppendFilePopup(*menu, c);
  AppendLevelPopup(*menu, c);
  menu->AppendPopup(QStringLiteral("BITMAPAttaquant"), MoveItems());
  menu->AppendItem(cmd::ExecuteMenu, QStringLiteral("BITMAPExecuter"));
  menu->AppendItem(c.about, QStringLiteral("BITMAPAPropos"));
  menu->AppendItem(c.help.menu, QStringLiteral("BITMAPAide"));
  menu->AppendPopup(QStringLiteral("BITMAPRectCache"), c.textMenu);
  return menu;
}
}  // namespace

const GameConfig& TMainWindowSuite::Config() {
  static const GameConfig config = [] {
    GameConfig c;
    c.title = QStringLiteral("R E M P A R T");
    c.helpFile = QStringLiteral("rempart.HLP");
    c.resourceFolders = {QStringLiteral(":/rempart")};
    SetPictures(c);
    c.levelPictures = {"BITMAPDebutant", "BITMAPAmateur", "BITMAPProfessionnel", "BITMAPExpert"};
    TMenuResource items{{cmd::Execute, QString::fromUtf8("&L'attaquant exécute le trajet programmé")}};
    const TMenuResource moves = MoveItems();
    items.insert(items.end(), moves.begin(), moves.end());
    SetLevelGameCommands(c,
                         {.quit = {cmd::Quit, cmd::QuitMenu},
                          .nextLevel = {cmd::NextLevel, cmd::NextLevelMenu},
                          .sameLevel = {cmd::SameLevel, cmd::SameLevelMenu},
                          .previousLevel = {cmd::PreviousLevel, cmd::PreviousLevelMenu},
                          .help = {cmd::Help, cmd::HelpMenu},
                          .about = cmd::About,
                          .levels = {std::begin(cmd::kLevelChoices), std::end(cmd::kLevelChoices)}},
                         QStringLiteral("230"), items,
                         {{QStringLiteral("250"), cmd::Execute, 1},
                          {QStringLiteral("225"), cmd::Up, 0},
                          {QStringLiteral("221"), cmd::Back, 0},
                          {QStringLiteral("222"), cmd::Left, 0},
                          {QStringLiteral("223"), cmd::Right, 1},
                          {QStringLiteral("224"), cmd::Erase, 3}});
    c.buildMenu = BuildRempartMenu;
    return c;
  }();
  return config;
}

}  // namespace rempart
