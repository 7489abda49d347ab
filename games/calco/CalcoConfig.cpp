#include "CalcoWindow.h"

#include "OneLevelBar.h"

#include <array>

namespace calco {
namespace {
// The menu texts of the models, in order.
const std::array<const char*, kModels> kNames{
    "&Chiffre 4 manuscrit", "&Signe plus", "&Lettre h",  "&Losange",   "&Chiffre 8",
    "&Damier",              "&Lettre X",   "&Chiffre 3", "&Chiffre 4", "&Lettre F",
    "&Petit Carré",         "&Lettre b",   "&Usine",     "&Sapin",     "&Fleur",
    "&Chiffre 5",           "&Chiffre 6",  "&Chiffre 8", "&Lettre g",  "&Lettre k",
};

// A popup of ten models from `first`, each item with its name and its picture.
GamePopup Models(const QString& picture, int first) {
  GamePopup popup{picture, {}, {}, true};
  for (int k = first; k < first + 10; ++k) {
    popup.items.push_back({cmd::FirstModel + k, QString::fromUtf8(kNames[k])});
    popup.pictures[cmd::FirstModel + k] = NumberedPictures(kModels)[k];
  }
  return popup;
}
}  // namespace

const GameConfig& TMainWindowSuite::Config() {
  static const GameConfig config = [] {
    GameConfig c;
    c.title = QStringLiteral("C A L C O");
    c.helpFile = QStringLiteral("calco.HLP");
    c.resourceFolders = {QStringLiteral(":/calco")};
    c.pictures = NumberedPictures(kModels);  // the models, then the dialog's pictures
    AppendDialogPictures(c);
    c.marginRight = 52;
    c.marginBottom = 57;
    c.doubleClickNotice = false;
    c.startImages = 3;  // and the models stretched
    c.fieldChars = 8;
    c.quit = {cmd::Quit, cmd::QuitMenu};
    c.restart = {cmd::Start, cmd::StartMenu};
    c.help = {cmd::Help, cmd::HelpMenu};
    c.about = cmd::About;
    c.restartPicture = QStringLiteral("BITMAPEncore");
    c.popups = {Models(QStringLiteral("BITMAPFacile"), 0), Models(QStringLiteral("BITMAPDifficile"), 10)};
    TMenuResource models;
    for (int k = 0; k < kModels; ++k) models.push_back({cmd::FirstModel + k, QString::fromUtf8(kNames[k])});
    SetOneLevelGameCommands(c, QStringLiteral(" Recommencer ce motif "), models);
    return c;
  }();
  return config;
}

}  // namespace calco
