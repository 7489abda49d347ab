#pragma once
#include "Curseur.h"
#include "EcranReseau.h"
#include "JeuReseau.h"
#include "MainWindow.h"
#include "TMemDCWindowReseau.h"
#include "ToClic2D.h"
#include "Variante.h"

#include <memory>
#include <vector>

namespace reseau {

// Command ids of the bars, the same in every lattice game.
namespace cmd {
enum : int {
  Quit = 530, QuitMenu = 531, NextLevel = 572, NextLevelMenu = 573, SameLevel = 574, SameLevelMenu = 575,
  PreviousLevel = 576, PreviousLevelMenu = 577, Compare = 550, CompareMenu = 551, About = 560, Help = 570,
  HelpMenu = 571,
};
inline constexpr int kLevelChoices[4] = {578, 579, 581, 582};
inline constexpr CommandPair kExercises[3] = {{591, 592}, {593, 594}, {595, 596}};
}  // namespace cmd

// Sets the commands, bars and menus of a lattice game, whose new-game button
// shows `newGamePicture`.
void SetReseauCommands(GameConfig& config, const QString& newGamePicture);

// The window of a lattice game: the model and its copies, the active copy
// (the one the arrow keys draw in), the cursor, and the steps of a new board,
// an exercise and a comparison.
class TMainWindowReseau : public TNLevelChain<TMemDCWindowReseau> {
public:
  TMainWindowReseau(const GameConfig& config, const Variante& variante);

  // The level's lattice size, and its name in the status bar.
  void ApplyLevel() override;
  // A new board at exercise 1.
  void ResetGame() override { NewBoard(1); }
  // Asks while a drawing is in progress, then a new board at exercise `k`.
  void ChooseExercise(int k);

  const Variante& Game() const { return variante_; }
  JeuReseau& State() { return jeu_; }
  ToClic2D& Model() { return *model_; }
  size_t CopyCount() const { return copies_.size(); }
  ToClic2D& Copy(size_t i) { return *copies_[i]; }
  size_t ActiveCopy() const { return active_; }
  void SetActiveCopy(size_t i) { active_ = i; }
  Curseur& Cursor() { return curseur_; }
  EcranReseau& Screen() { return ecran_; }
  std::vector<const ToClic2D*> Lattices() const;

  // Redraws the nodes whose drawing `node` reaches, the cursor hidden
  // meanwhile, then shows the cursor at `cursorAt` (unless it is nowhere).
  void RedrawNode(const ToClic2D& lattice, const CaseNoeud& node, QPoint cursorAt);
  // Moves the cursor to `at`: erased where it was, drawn there.
  void MoveCursor(QPoint at);
  // The exercise number and the error count in the status bar.
  void ShowStatus();

private:
  void NewBoard(int exercise);

  const Variante& variante_;
  JeuReseau jeu_;
  std::unique_ptr<ToClic2D> model_;
  std::vector<std::unique_ptr<ToClic2D>> copies_;
  size_t active_ = 0;
  Curseur curseur_;
  EcranReseau ecran_{*this};
};

}  // namespace reseau
