#include "VeliscaWindow.h"

namespace velisca {

const GameConfig& TMainWindowSuite::Config() {
  static const GameConfig config = [] {
    GameConfig c;
    c.title = QStringLiteral("V E L I S C A");
    c.helpFile = QStringLiteral("velisca.HLP");
    c.resourceFolders = {QStringLiteral(":/velisca")};
    c.pictures = NumberedPictures(2 * kSquares);  // the forms, then the same forms found
    formes::AppendDialogPictures(c);
    c.doubleClickNotice = false;
    c.fieldChars = 8;
    c.quit = {cmd::Quit, cmd::QuitMenu};
    c.restart = {cmd::Start, cmd::StartMenu};
    c.help = {cmd::Help, cmd::HelpMenu};
    c.about = cmd::About;
    c.buttons = {{"door", cmd::Quit, 1}, {"lightning", cmd::Start, 1}, {"help", cmd::Help, 0}};
    c.separatorFixed = 40;
    c.textMenu = {{0, {}},
                  {cmd::Quit, "&Quitter"},
                  {0, {}},
                  {cmd::Start, QString::fromUtf8("&Démarrer")},
                  {0, {}},
                  {cmd::About, "A &Propos"},
                  {0, {}},
                  {cmd::Help, "&Aide"}};
    return c;
  }();
  return config;
}

}  // namespace velisca
