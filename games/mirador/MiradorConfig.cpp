#include "MiradorWindow.h"

namespace mirador {

const GameConfig& TMainWindowSuite::Config() {
  static const GameConfig config = [] {
    GameConfig c;
    c.title = QStringLiteral("M I R A D O R");
    c.helpFile = QStringLiteral("mirador.HLP");
    c.resourceFolders = {QStringLiteral(":/mirador")};
    reseau::SetReseauCommands(c, QStringLiteral("230"));
    return c;
  }();
  return config;
}

}  // namespace mirador
