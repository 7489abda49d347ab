#include "FelinoWindow.h"

#include "OneLevelBar.h"

namespace felino {

const GameConfig& TMainWindowSuite::Config() {
  static const GameConfig config = [] {
    GameConfig c;
    c.title = QString::fromUtf8("T I G R O N ,   D'après le jeu de cache-tampon.");
    c.helpFile = QStringLiteral("felino.HLP");
    c.resourceFolders = {QStringLiteral(":/felino")};
    c.pictures = {QStringLiteral("Poubelle"), QStringLiteral("Is_Cold"), QStringLiteral("Is_Tepid"),
                  QStringLiteral("Is_Hot"),   QStringLiteral("Burning"), QStringLiteral("IsTheCat")};
    AppendDialogPictures(c);
    c.marginRight = 97;
    c.marginBottom = 142;
    // The scroll bars reach 2 pixels right of the drawing area and 32 below it.
    c.reserveRight = 2;
    c.reserveBottom = 32;
    c.fieldChars = 11;  // "Pas d'essai" and "12 Essai(s)" whole
    c.quit = {cmd::Quit, cmd::QuitMenu};
    c.restart = {cmd::Start, cmd::StartMenu};
    c.help = {cmd::Help, cmd::HelpMenu};
    c.about = cmd::About;

    TMenuResource items{{cmd::Look, QStringLiteral("Regarder dessous cette case")}, {0, {}}};
    for (int k = 0; k < kSide; ++k)
      items.push_back({cmd::FirstColumn + k, QStringLiteral("&Chiffre %1").arg(k)});  // "MENUHORI"
    items.push_back({0, {}});
    for (int k = 0; k < kSide; ++k)
      items.push_back({cmd::FirstRow + k, QStringLiteral("&Chiffre%1").arg(k)});  // "MENUVERT"
    SetOneLevelGameCommands(c, QStringLiteral("&Tout effacer et recommencer"), items);

    // Two columns: door and lightning, look and question mark, then one row per
    // digit, the column's at the left and the row's at the right, 0 at the top.
    c.barColumns = 2;
    c.separatorFixed = 16;
    c.buttons = {{QStringLiteral("door"), cmd::Quit, 0},
                 {QStringLiteral("lightning"), cmd::Start, 1},
                 {QStringLiteral("regarder"), cmd::Look, 0},
                 {QStringLiteral("help"), cmd::Help, 1}};
    for (int k = 0; k < kSide; ++k) {
      c.buttons.push_back({QStringLiteral("colonne%1").arg(k), cmd::FirstColumn + k, 0, kColumnDigits});
      c.buttons.push_back({QStringLiteral("rangee%1").arg(k), cmd::FirstRow + k, 0, kRowDigits});
    }
    return c;
  }();
  return config;
}

}  // namespace felino
