#include "ChasseBar.h"

#include "GameConfig.h"

namespace tresor {

void SetChasseCommands(GameConfig& c, const QString& restartText) {
  c.quit = {cmd::Quit, cmd::QuitMenu};
  c.restart = {cmd::Start, cmd::StartMenu};
  c.help = {cmd::Help, cmd::HelpMenu};
  c.about = cmd::About;
  c.clock = true;
  c.buttons = {{QStringLiteral("door"), cmd::Quit, 0},
               {QStringLiteral("lightning"), cmd::Start, 0},
               {QStringLiteral("help"), cmd::Help, 0}};
  c.textMenu = {{cmd::Quit, QStringLiteral("&Quitter")}, {cmd::Start, restartText}, {cmd::Help, QStringLiteral("&Aide")}};
}

}  // namespace tresor
