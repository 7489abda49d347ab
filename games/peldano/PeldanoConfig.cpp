#include "PeldanoWindow.h"

namespace peldano {

const GameConfig& TMainWindowSuite::Config() {
  static const GameConfig config = [] {
    GameConfig c;
    c.title = QStringLiteral("P E L D A N O");
    c.helpFile = QStringLiteral("peldano.HLP");
    c.resourceFolders = {QStringLiteral(":/peldano")};
    c.pictures = NumberedPictures(kForms + 4);  // the forms, then the looks of a step
    AppendDialogPictures(c);
    c.quit = {cmd::Quit, cmd::QuitMenu};
    c.restart = {cmd::Start, cmd::StartMenu};
    c.help = {cmd::Help, cmd::HelpMenu};
    c.about = cmd::About;
    formes::SetFormGameCommands(c, QString::fromUtf8("&Exécuter"));
    return c;
  }();
  return config;
}

}  // namespace peldano
