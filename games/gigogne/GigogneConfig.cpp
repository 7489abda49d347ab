#include "GigogneWindow.h"

namespace gigogne {

const GameConfig& TMainWindowSuite::Config() {
  static const GameConfig config = [] {
    GameConfig c;
    c.title = QStringLiteral("RECHERCHE D'UN TRESOR DANS UN UNIVERS DE FENETRES");
    c.helpFile = QStringLiteral("gigogne.HLP");
    c.resourceFolders = {QStringLiteral(":/gigogne")};
    AppendDialogPictures(c);
    c.marginRight = 52;
    c.marginBottom = 67;
    c.fieldChars = 8;
    c.doubleClickNotice = false;
    c.quitQuestion = QStringLiteral("Faut-il vraiment quitter ?");
    c.restartPicture = QStringLiteral("BITMAPEncore");
    tresor::SetChasseCommands(c, QString::fromUtf8(" Recommencer au départ"));
    return c;
  }();
  return config;
}

}  // namespace gigogne
