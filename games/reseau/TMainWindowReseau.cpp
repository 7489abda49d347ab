#include "TMainWindowReseau.h"

#include "LevelMenu.h"
#include "ShowMessage.h"
#include "ToClic2DQuadrants.h"

namespace reseau {
namespace {
std::unique_ptr<ToClic2D> MakeLattice(Quadrant q, const Variante& v) {
  switch (q) {
    case Quadrant::NorWst: return std::make_unique<ToClic2D_NorWst>(v.maxRows, v.maxColumns);
    case Quadrant::NorEst: return std::make_unique<ToClic2D_NorEst>(v.maxRows, v.maxColumns);
    case Quadrant::SudWst: return std::make_unique<ToClic2D_SudWst>(v.maxRows, v.maxColumns);
    case Quadrant::SudEst: return std::make_unique<ToClic2D_SudEst>(v.maxRows, v.maxColumns);
  }
  return nullptr;
}
}  // namespace

TMainWindowReseau::TMainWindowReseau(const GameConfig& config, const Variante& variante)
    : TNLevelChain<TMemDCWindowReseau>(config), variante_(variante), model_(MakeLattice(Quadrant::NorWst, variante)) {
  for (const Copie& copie : variante.copies) copies_.push_back(MakeLattice(copie.where, variante));
  for (int k = 0; k < 3; ++k) OnCommandPair(cmd::kExercises[k], [this, k] { ChooseExercise(k + 1); });
  OnCommandPair({cmd::Compare, cmd::CompareMenu}, [this] { ecran_.Compare(); });
  SetGameObjects(&jeu_, &ecran_);
}

std::vector<const ToClic2D*> TMainWindowReseau::Lattices() const {
  std::vector<const ToClic2D*> all{model_.get()};
  for (const auto& copy : copies_) all.push_back(copy.get());
  return all;
}

void TMainWindowReseau::ApplyLevel() {
  const int n = variante_.columns[static_cast<size_t>(std::clamp(jeu_.level, 0, 3))];
  const QSize board = DrawingArea().size();
  model_->SetSize(n, variante_.rows(n), board.width(), board.height());
  for (auto& copy : copies_) copy->SetSize(n, variante_.rows(n), board.width(), board.height());
  ShowLevelName(*this);
}

void TMainWindowReseau::NewBoard(int exercise) {
  jeu_.Reset();
  jeu_.exercise = exercise;
  jeu_.errors = 0;
  model_->Reset();
  for (auto& copy : copies_) copy->Reset();
  curseur_.Forget();
  model_->Place();
  for (auto& copy : copies_) copy->Place();
  model_->LoadModel(variante_.models[static_cast<size_t>(std::clamp(jeu_.level, 0, 3))][static_cast<size_t>(exercise - 1)]);
}

void TMainWindowReseau::ChooseExercise(int k) {
  if (jeu_.phase == PhaseInProgress &&
      ShowMessage(this, "A  T  T  E  N  T  I  O  N", "Veux-tu vraiment tout recommencer ?", 4, MessageYesNo) != AnswerYes)
    return;
  ClearScreen();
  NewBoard(k);
  ecran_.DrawAll();
}

void TMainWindowReseau::RedrawNode(const ToClic2D& lattice, const CaseNoeud& node, QPoint cursorAt) {
  // The ring is taken off first, so that nothing is drawn through it and the
  // part copied back holds no piece of it.
  if (curseur_.Shown()) XorCursor(curseur_.at);
  curseur_.Forget();
  DrawBoardPart(NodeBox(lattice, node), Lattices(), variante_.drawAxes);
  if (cursorAt.x() != Curseur::kNowhere) MoveCursor(cursorAt);
}

void TMainWindowReseau::MoveCursor(QPoint at) {
  if (curseur_.Shown()) XorCursor(curseur_.at);
  XorCursor(at);
  curseur_.at = at;
}

void TMainWindowReseau::ShowStatus() {
  SetFirstField("Exercice N°:", jeu_.exercise);
  SetSecondField(jeu_.errors, "erreur(s)");
}

}  // namespace reseau
