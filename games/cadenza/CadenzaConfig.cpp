#include "CadenzaWindow.h"

#include "MotifsConfig.h"

namespace cadenza {

const GameConfig& TMainWindowSuite::Config() {
  static const GameConfig config = [] {
    GameConfig c;
    c.title = QStringLiteral("C A D E N Z A");
    c.helpFile = QStringLiteral("cadenza.HLP");
    c.resourceFolders = {QStringLiteral(":/motifs")};
    c.pictures = NumberedPictures(42);  // the empty cell, 27 patterns, 14 portraits
    AppendDialogPictures(c);
    c.marginRight = 36;
    c.marginBottom = 76;
    c.clock = false;
    motifs::SetMotifsCommands(c);
    return c;
  }();
  return config;
}

}  // namespace cadenza
