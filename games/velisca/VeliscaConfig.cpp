#include "VeliscaWindow.h"

namespace velisca {

const GameConfig& TMainWindowSuite::Config() {
  static const GameConfig config = [] {
    GameConfig c;
    c.title = QStringLiteral("V E L I S C A");
    c.helpFile = QStringLiteral("velisca.HLP");
    c.resourceFolders = {QStringLiteral(":/velisca")};
    c.pictures = NumberedPictures(2 * kSquares);  // the forms, then the same forms found
    AppendDialogPictures(c);
    c.doubleClickNotice = false;
    c.fieldChars = 8;
    c.quit = {cmd::Quit, cmd::QuitMenu};
    c.restart = {cmd::Start, cmd::StartMenu};
    c.help = {cmd::Help, cmd::HelpMenu};
    c.about = cmd::About;
    formes::SetFormGameCommands(c, QString::fromUtf8("&Démarrer"));
    return c;
  }();
  return config;
}

}  // namespace velisca
