#pragma once
#include "Balade.h"
#include "Ecran.h"
#include "JeuForet.h"

class TGameWindow;

namespace foret {

// The board screen of a forest walk: a press finds its cell (outside the board
// it is refused), an arrow key steps beside the child, and every changed cell
// is drawn at once on the window and the off-screen copy. What a press on a
// cell does and how a step's end is told are each game's own.
class EcranForet : public Ecran {
public:
  EcranForet(TGameWindow& window, Balade& balade, JeuForet& jeu);
  void LButtonDown(QPoint p) override;
  void Arrow(Direction d) override;
  void DrawAll() override;
  // Draws `cell`'s picture on both surfaces.
  void DrawCell(CaseForet& cell);

protected:
  // A press on `cell`, the game under way.
  virtual void Clicked(CaseForet& cell) = 0;
  // Tells the child how a step ended.
  virtual void Answer(Pas pas, CaseForet& target) = 0;
  // The picture that shows `kind`.
  virtual int Picture(Kind kind) const = 0;
  void Step(CaseForet& target) { Answer(balade_.Step(target), target); }

  TGameWindow& w_;
  Balade& balade_;
  JeuForet& jeu_;
};

}  // namespace foret
