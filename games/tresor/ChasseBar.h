#pragma once
#include <QString>

struct GameConfig;

// The bars of the two treasure hunts (chasse: the hunt).
namespace tresor {

// Command ids of the bars.
namespace cmd {
enum : int { Quit = 530, QuitMenu = 531, Start = 550, StartMenu = 551, About = 560, Help = 570, HelpMenu = 571 };
}  // namespace cmd

// The commands, the three buttons (door, yellow lightning bolt, question
// mark) with no separator between them, and the hidden text list: quit, the
// restart worded `restartText`, help. The status bar ends with the clock.
void SetChasseCommands(GameConfig& config, const QString& restartText);

}  // namespace tresor
