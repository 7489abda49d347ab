#include "DedaloWindow.h"
#include "LevelMenu.h"

namespace dedalo {
namespace {
std::unique_ptr<TMenu> BuildDedaloMenu(const GameConfig& c) {
  auto menu = std::make_unique<TMenu>();
  AppendFilePopup(*menu, c);
  menu->AppendPopup("BITMAPTourner",
                    {{cmd::TurnRightMenu, "&Tourner à droite de 90° "}, {cmd::TurnLeftMenu, "&Tourner à gauche de 90° "}},
                    {{cmd::TurnRightMenu, "BITMAPADroiteDe9O"}, {cmd::TurnLeftMenu, "BITMAPAGaucheDe9O"}});
  menu->AppendPopup("BITMAPAffichage",
                    {{cmd::SmallMenu, "Affichage 128x128, &Petit mais rapide "},
                     {cmd::NormalMenu, "Affichage 256x256, &Normal"},
                     {cmd::LargeMenu, "Affichage 512x512, &Grand mais lent"}},
                    {{cmd::SmallMenu, "BITMAPPetitMaisRapide"},
                     {cmd::NormalMenu, "BITMAPNormal"},
                     {cmd::LargeMenu, "BITMAPGrandMaisLent"}});
  menu->AppendPopup("BITMAPBouger",
                    {{cmd::ForwardMenu, "&Avancer"},
                     {cmd::SeeMazeMenu, "&Voir le labyrinthe"},
                     {cmd::BackMenu, "&Reculer"},
                     {cmd::StepRightMenu, "Un pas de côté sur la &droite"},
                     {cmd::StepLeftMenu, "Un pas de côté sur la &gauche"}},
                    {{cmd::ForwardMenu, "BITMAPAvancer"},
                     {cmd::SeeMazeMenu, "BITMAPVoirLeLabyrinthe"},
                     {cmd::BackMenu, "BITMAPReculer"},
                     {cmd::StepRightMenu, "BITMAPPasChasseSurLaDroite"},
                     {cmd::StepLeftMenu, "BITMAPPasChasseSurLaGauche"}});
  menu->AppendItem(cmd::SeeMazeMenu, "BITMAPRecommencer");
  menu->AppendItem(cmd::About, "BITMAPAPropos");
  menu->AppendItem(cmd::HelpMenu, "BITMAPAide");
  menu->AppendPopup("BITMAPRectCache", c.textMenu);
  return menu;
}
}  // namespace

const GameConfig& TMainWindowSuite::Config() {
  static const GameConfig config = [] {
    GameConfig c;
    c.title = QStringLiteral("d e d a l o  : un labyrinthe en trois dimensions");
    c.helpFile = QStringLiteral("dedalo.HLP");
    c.resourceFolders = {QStringLiteral(":/dedalo")};
    c.pictures = NumberedPictures(6);
    c.marginRight = 52;
    c.marginBottom = 74;
    c.doubleClickNotice = false;
    c.quitQuestion = QStringLiteral("Faut-il vraiment quitter ?");
    c.fieldChars = 1;
    c.quit = {cmd::Quit, cmd::QuitMenu};
    c.help = {cmd::Help, cmd::HelpMenu};
    c.about = cmd::About;
    c.buttons = {{"door", cmd::Quit, 3},       {"250", cmd::Small, 1},     {"255", cmd::Normal, 1},
                 {"260", cmd::Large, 3},       {"265", cmd::TurnLeft, 1},  {"270", cmd::TurnRight, 3},
                 {"230", cmd::Forward, 1},     {"235", cmd::Back, 1},      {"220", cmd::SeeMaze, 1},
                 {"240", cmd::StepRight, 1},   {"245", cmd::StepLeft, 3},  {"help", cmd::Help, 1}};
    c.separatorK = 12;
    c.separatorD = 20;
    c.textMenu = {{cmd::Quit, "&Quitter"},
                  {0, {}},
                  {cmd::Small, "Affichage 128x128, &Petit mais rapide "},
                  {cmd::Normal, "Affichage 256x256, &Normal"},
                  {cmd::Large, "Affichage 512x512, &Grand mais lent"},
                  {0, {}},
                  {cmd::TurnRight, "&Tourner à droite de 90° "},
                  {cmd::TurnLeft, "&Tourner à gauche de 90° "},
                  {0, {}},
                  {cmd::Forward, "&Avancer"},
                  {cmd::SeeMaze, "&Voir le labyrinthe"},
                  {cmd::Back, "&Reculer"},
                  {cmd::StepRight, "Un pas de côté sur la &droite"},
                  {cmd::StepLeft, "Un pas de côté sur la &gauche"},
                  {0, {}},
                  {cmd::Help, "&Aide"}};
    c.buildMenu = BuildDedaloMenu;
    return c;
  }();
  return config;
}

}  // namespace dedalo
