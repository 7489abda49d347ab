#include "NevadoWindow.h"

#include "MotifsConfig.h"

namespace nevado {

const GameConfig& TMainWindowSuite::Config() {
  static const GameConfig config = [] {
    GameConfig c;
    c.title = QStringLiteral("N E V A D O");
    c.helpFile = QStringLiteral("nevado.HLP");
    c.resourceFolders = {QStringLiteral(":/motifs")};
    c.pictures = NumberedPictures(30);  // the empty cell and the motifs; 28 and 29 never shown
    AppendDialogPictures(c);
    c.fieldChars = 8;
    motifs::SetMotifsCommands(c);
    return c;
  }();
  return config;
}

}  // namespace nevado
