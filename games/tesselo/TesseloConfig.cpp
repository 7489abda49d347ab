#include "TesseloWindow.h"

#include "MotifsConfig.h"

namespace tesselo {

const GameConfig& TMainWindowSuite::Config() {
  static const GameConfig config = [] {
    GameConfig c;
    c.title = QStringLiteral("T E S S E L O");
    c.helpFile = QStringLiteral("tesselo.HLP");
    c.resourceFolders = {QStringLiteral(":/motifs")};
    c.pictures = NumberedPictures(42);  // the empty cell, 27 patterns, 14 portraits
    AppendDialogPictures(c);
    motifs::SetMotifsCommands(c);
    return c;
  }();
  return config;
}

}  // namespace tesselo
