#include "PlumetaWindow.h"

#include "LevelMenu.h"
#include "Menu.h"

namespace plumeta {
namespace {
// The picture menu bar: the file popup with quit and the two printing items,
// about, help, and the hidden list of the commands.
std::unique_ptr<TMenu> BuildPlumetaMenu(const GameConfig& c) {
  auto menu = std::make_unique<TMenu>();
  menu->AppendPopup(QStringLiteral("BITMAPFichier"),
                    {{0, {}},
                     {c.quit.menu, QStringLiteral("&Quitter")},
                     {0, {}},
                     {cmd::ChoosePrinter, QString::fromUtf8("Choix de l'imprimante")},
                     {cmd::Print, QStringLiteral("Imprimer")}},
                    {{c.quit.menu, QStringLiteral("BITMAPQuitter")},
                     {cmd::ChoosePrinter, QStringLiteral("BITMAPChoixImprimante")},
                     {cmd::Print, QStringLiteral("BITMAPImprimer")}});
  menu->AppendItem(c.about, QStringLiteral("BITMAPAPropos"));
  menu->AppendItem(c.help.menu, QStringLiteral("BITMAPAide"));
  menu->AppendPopup(QStringLiteral("BITMAPRectCache"), c.textMenu);
  return menu;
}
}  // namespace

const GameConfig& TMainWindowSuite::Config() {
  static const GameConfig config = [] {
    GameConfig c;
    c.title = QStringLiteral("P L U M E T A");
    c.helpFile = QStringLiteral("plumeta.HLP");
    c.resourceFolders = {QStringLiteral(":/plumeta")};
    c.pictures = NumberedPictures(6);
    c.doubleClickNotice = false;
    c.fieldChars = 8;
    c.quit = {cmd::Quit, cmd::QuitMenu};
    c.help = {cmd::Help, cmd::HelpMenu};
    c.about = cmd::About;
    // Door, pen, the three erasers from small to large, the wiped page, the
    // printer and the question mark.
    c.buttons = {{QStringLiteral("door"), cmd::Quit, 3},   {QStringLiteral("210"), cmd::Pen, 1},
                 {QStringLiteral("211"), cmd::SmallEraser, 0}, {QStringLiteral("212"), cmd::NormalEraser, 0},
                 {QStringLiteral("213"), cmd::LargeEraser, 1}, {QStringLiteral("214"), cmd::Clear, 3},
                 {QStringLiteral("215"), cmd::Print, 3},   {QStringLiteral("help"), cmd::Help, 1}};
    c.separatorK = 8;
    c.separatorD = 12;
    c.textMenu = {{0, {}},
                  {cmd::Quit, QStringLiteral("&Quitter")},
                  {0, {}},
                  {cmd::Pen, QStringLiteral("&Maintenant je veux un crayon")},
                  {0, {}},
                  {cmd::SmallEraser, QStringLiteral("Je veux une &petite gomme")},
                  {cmd::NormalEraser, QStringLiteral("Je veux une &gomme normale")},
                  {cmd::LargeEraser, QStringLiteral("Je veux une &grosse gomme")},
                  {0, {}},
                  {cmd::Clear, QStringLiteral("Tout Effacer")},
                  {0, {}},
                  {cmd::About, QStringLiteral("A &Propos")},
                  {0, {}},
                  {cmd::Help, QStringLiteral("&Aide")}};
    c.buildMenu = BuildPlumetaMenu;
    return c;
  }();
  return config;
}

}  // namespace plumeta
