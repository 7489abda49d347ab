#include "CapucineWindow.h"

namespace capucine {

const GameConfig& TMainWindowSuite::Config() {
  static const GameConfig config = [] {
    GameConfig c;
    c.title = QStringLiteral("L E   C A P U C I N E N   R O U G E");
    c.helpFile = QStringLiteral("capucine.HLP");
    c.resourceFolders = {QStringLiteral(":/capucine")};
    // Tree, hut, (none), (none), wolf, girl, girl at home, path.
    foret::SetForetConfig(c, {"Bitmap00", "Bitmap01", "", "", "Bitmap04", "Bitmap05", "Bitmap06", "Bitmap07"});
    return c;
  }();
  return config;
}

}  // namespace capucine
