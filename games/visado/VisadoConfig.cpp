#include "VisadoWindow.h"

#include "LevelMenu.h"

namespace visado {
namespace {
// Picture bar: file and level popups, the start, about, help and the text list.
std::unique_ptr<TMenu> BuildMenu(const GameConfig& c) {
  auto menu = std::make_unique<TMenu>();
  AppendFilePopup(*menu, c);
  AppendLevelPopup(*menu, c);
  menu->AppendItem(cmd::StartMenu, QStringLiteral("BITMAPDemarrer"));
  menu->AppendItem(c.about, QStringLiteral("BITMAPAPropos"));
  menu->AppendItem(c.help.menu, QStringLiteral("BITMAPAide"));
  menu->AppendPopup(QStringLiteral("BITMAPRectCache"), c.textMenu);
  return menu;
}
}  // namespace

const GameConfig& TMainWindowSuite::Config() {
  static const GameConfig config = [] {
    GameConfig c;
    c.title = QStringLiteral("V I S A D O");
    c.helpFile = QStringLiteral("visado.HLP");
    c.resourceFolders = {QStringLiteral(":/visado")};
    c.pictures = NumberedPictures(Source::kCount);  // the catalogue, then the jalopy and the tree
    for (int i : {31, 32, 40, 41, 42, 43, 44, 45, 46, 47, 48}) c.pictures.push_back(QStringLiteral("Bitmap%1").arg(i));
    AppendDialogPictures(c);
    c.pictures.push_back(QStringLiteral("Bitmap55"));  // the words "Non" and "Oui", never drawn
    c.pictures.push_back(QStringLiteral("Bitmap56"));
    c.clock = false;
    c.levelPictures = {"BITMAPDebutant", "BITMAPAmateur", "BITMAPNextPro", "BITMAPProfessionnel", "BITMAPExpert",
                       "BITMAPChampion"};
    SetLevelGameCommands(c,
                         {.quit = {cmd::Quit, cmd::QuitMenu},
                          .nextLevel = {cmd::NextLevel, cmd::NextLevelMenu},
                          .sameLevel = {cmd::SameLevel, cmd::SameLevelMenu},
                          .previousLevel = {cmd::PreviousLevel, cmd::PreviousLevelMenu},
                          .help = {cmd::Help, cmd::HelpMenu},
                          .about = cmd::About,
                          .levels = {std::begin(cmd::kLevelChoices), std::end(cmd::kLevelChoices)}},
                         QStringLiteral("230"));
    // The bar: a lightning bolt starts the race; one separator after each
    // button but the door's three and none after the question mark.
    c.buttons = {{QStringLiteral("door"), cmd::Quit, 3},         {QStringLiteral("stepup"), cmd::NextLevel, 1},
                 {QStringLiteral("230"), cmd::SameLevel, 1},     {QStringLiteral("stepdown"), cmd::PreviousLevel, 1},
                 {QStringLiteral("lightning"), cmd::Start, 1},   {QStringLiteral("help"), cmd::Help, 0}};
    c.textMenu = {{cmd::Quit, QStringLiteral("&Quitter")},
                  {cmd::NextLevel, QStringLiteral("&Passer au niveau suivant")},
                  {cmd::SameLevel, QStringLiteral("&Faire une partie à ce niveau")},
                  {cmd::PreviousLevel, QStringLiteral("&Revenir au niveau précédent")},
                  {cmd::Start, QStringLiteral("&Démarrer")},
                  {cmd::About, QStringLiteral("A &Propos")},
                  {cmd::Help, QStringLiteral("&Aide")}};
    c.buildMenu = BuildMenu;
    return c;
  }();
  return config;
}

}  // namespace visado
