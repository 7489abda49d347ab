#pragma once
#include "GameConfig.h"

namespace motifs {

// Command ids of the bars, the same in every game of the family.
namespace cmd {
enum : int {
  Quit = 530, QuitMenu = 531, NextLevel = 572, NextLevelMenu = 573, SameLevel = 574, SameLevelMenu = 575,
  PreviousLevel = 576, PreviousLevelMenu = 577, About = 560, Help = 570, HelpMenu = 571,
};
inline constexpr int kLevelChoices[6] = {578, 579, 580, 581, 582, 583};
}  // namespace cmd

// The commands, menus and button bar every game of the family shares: six
// levels, the usual picture menus, a text menu of the five bar commands.
void SetMotifsCommands(GameConfig& config);

}  // namespace motifs
