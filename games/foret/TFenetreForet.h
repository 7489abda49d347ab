#pragma once
#include "AppCumMenu.h"
#include "Balade.h"
#include "JeuForet.h"
#include "MainWindow.h"

namespace foret {

// Command ids of the bars.
namespace cmd {
enum : int {
  Quit = 520, QuitMenu = 521, NextLevel = 530, NextLevelMenu = 531, SameLevel = 540, SameLevelMenu = 541,
  PreviousLevel = 550, PreviousLevelMenu = 551, About = 670, Help = 680, HelpMenu = 681,
};
inline constexpr int kLevelChoices[4] = {560, 570, 580, 590};
// Exercises 1 to 3: the button's id and the menu's.
inline constexpr CommandPair kExercises[3] = {{591, 592}, {593, 594}, {595, 596}};
}  // namespace cmd

// Everything the forest walks share in their config: the commands, the bar
// with the exercise digits, the menus with the exercise popup, the status
// fields, the arrow keys, and a picture table whose dialog pictures follow the
// game's own (`pictures` names, an empty name for a number the game skips).
void SetForetConfig(GameConfig& config, const std::vector<QString>& pictures);

class TMemDCWindowSuite : public TMemDCWindowBase {
public:
  using TMemDCWindowBase::TMemDCWindowBase;
};

// The window of a forest walk: the board and the walk, a new game laid from the
// chosen exercise, and the exercise commands.
class TFenetreForet : public TNLevelChain<TMemDCWindowSuite> {
public:
  // `letters`: whether the letters cells of the layouts are letters, or path.
  TFenetreForet(const GameConfig& config, JeuForet& jeu, bool letters);

  // The exercise chosen (1 unless an exercise command asked for another) laid
  // at the current level, and the game state reset.
  void ResetGame() override;
  // A new game at exercise `n`, asking first as any restart does.
  void ChooseExercise(int n);

  ToClic2D& Board() { return board_; }
  Balade& TheBalade() { return balade_; }

private:
  JeuForet& jeu_;
  bool letters_;
  int nextExercise_ = 1;
  ToClic2D board_;
  Balade balade_{board_};
};

}  // namespace foret
