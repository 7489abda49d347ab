#include "RamureWindow.h"

namespace ramure {

const GameConfig& TMainWindowSuite::Config() {
  static const GameConfig config = [] {
    GameConfig c;
    c.title = QStringLiteral("C H A S S E   A U   T R E S O R   D A N S   U N   A R B R E");
    c.helpFile = QStringLiteral("ramure.HLP");
    c.resourceFolders = {QStringLiteral(":/ramure")};
    AppendDialogPictures(c);
    c.marginRight = 45;
    c.marginBottom = 67;
    c.fieldChars = 5;
    tresor::SetChasseCommands(c, QStringLiteral(" Recommencer cet arbre "));
    return c;
  }();
  return config;
}

}  // namespace ramure
