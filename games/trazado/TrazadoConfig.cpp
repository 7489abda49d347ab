#include "TrazadoWindow.h"

namespace trazado {

const GameConfig& TMainWindowSuite::Config() {
  static const GameConfig config = [] {
    GameConfig c;
    c.title = QStringLiteral("T R A Z A D O");
    c.helpFile = QStringLiteral("trazado.HLP");
    c.resourceFolders = {QStringLiteral(":/trazado")};
    reseau::SetReseauCommands(c, QStringLiteral("230"));
    return c;
  }();
  return config;
}

}  // namespace trazado
