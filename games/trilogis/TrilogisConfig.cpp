#include "TrilogisWindow.h"

namespace trilogis {

const GameConfig& TMainWindowSuite::Config() {
  static const GameConfig config = [] {
    GameConfig c;
    c.title = QStringLiteral("T R I L O G I S N E T");
    c.helpFile = QStringLiteral("trilogis.HLP");
    c.resourceFolders = {QStringLiteral(":/trilogis")};
    // Tree, hut, letters, (none), wolf, piglet, piglet at home, path.
    foret::SetForetConfig(c, {"Bitmap00", "Bitmap01", "Bitmap02", "", "Bitmap04", "Bitmap05", "Bitmap06", "Bitmap07"});
    c.otherKeys = true;
    c.secondFieldChars = 14;  // "7  lettres encore à saisir !" whole
    return c;
  }();
  return config;
}

}  // namespace trilogis
