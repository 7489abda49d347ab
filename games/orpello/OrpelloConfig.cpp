#include "OrpelloWindow.h"

#include "LevelMenu.h"

namespace orpello {

const GameConfig& TMainWindowSuite::Config() {
  static const GameConfig config = [] {
    GameConfig c;
    c.title = QStringLiteral("O R I V E N");
    c.helpFile = QStringLiteral("orpello.HLP");
    c.resourceFolders = {QStringLiteral(":/orpello")};
    c.pictures = {QStringLiteral("Coffre")};
    AppendDialogPictures(c);
    c.marginRight = 36;
    c.marginBottom = 76;
    c.fieldChars = 5;
    c.secondFieldChars = 12;  // "Pas de pépite dans ton trésor." whole, and a treasure of five digits
    c.levelPictures = {"BITMAPDebutant", "BITMAPAmateur", "BITMAPProfessionnel", "BITMAPExpert"};
    SetLevelGameCommands(c,
                         {.quit = {cmd::Quit, cmd::QuitMenu},
                          .nextLevel = {cmd::NextLevel, cmd::NextLevelMenu},
                          .sameLevel = {cmd::SameLevel, cmd::SameLevelMenu},
                          .previousLevel = {cmd::PreviousLevel, cmd::PreviousLevelMenu},
                          .help = {cmd::Help, cmd::HelpMenu},
                          .about = cmd::About,
                          .levels = {std::begin(cmd::kLevelChoices), std::end(cmd::kLevelChoices)}},
                         QStringLiteral("230"));
    // The bar: door, step up, the gold pan (new game), step down, the cat
    // (give up), the question mark.
    c.buttons = {{QStringLiteral("door"), cmd::Quit, 3},    {QStringLiteral("stepup"), cmd::NextLevel, 1},
                 {QStringLiteral("230"), cmd::SameLevel, 1}, {QStringLiteral("stepdown"), cmd::PreviousLevel, 3},
                 {QStringLiteral("260"), cmd::GiveUp, 3},    {QStringLiteral("help"), cmd::Help, 3}};
    c.separatorK = 6;
    c.separatorD = 14;
    c.popups = {
        {QStringLiteral("BITMAPConfigurer"),
         {{cmd::Add, QString::fromUtf8("&Additionner le contenu des cases entourées")},
          {cmd::Multiply, QString::fromUtf8("&Multiplier le contenu des cases entourées")}},
         {{cmd::Add, QStringLiteral("BITMAPAdditionnerLeContenuDesCases")},
          {cmd::Multiply, QStringLiteral("BITMAPMultiplierLeContenuDesCases")}}},
        {QStringLiteral("BITMAPSolution"),
         {{cmd::GiveUpMenu, QStringLiteral("Je donne ma langue au chat")}},
         {{cmd::GiveUpMenu, QStringLiteral("BITMAPJeDonneMaLangueAuChat")}}},
    };
    c.textMenu = {{cmd::Quit, QStringLiteral("&Quitter")},
                  {cmd::NextLevel, QStringLiteral("&Passer au niveau suivant")},
                  {cmd::SameLevel, QString::fromUtf8("&Faire une partie à ce niveau")},
                  {cmd::PreviousLevel, QString::fromUtf8("&Revenir au niveau précédent")},
                  {cmd::GiveUp, QStringLiteral("Je donne ma langue au chat")},
                  {cmd::About, QStringLiteral("A &Propos")},
                  {cmd::Help, QStringLiteral("&Aide")}};
    return c;
  }();
  return config;
}

}  // namespace orpello
