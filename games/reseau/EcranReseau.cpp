#include "EcranReseau.h"

#include "ShowMessage.h"
#include "TMainWindowReseau.h"

namespace reseau {
namespace {
QString Text(const char* s) { return QString::fromUtf8(s); }
}  // namespace

void EcranReseau::LButtonDown(QPoint p) {
  const Variante& v = w_.Game();
  if (w_.Model().HitTest(p) != Touche::Rien) {
    const auto& l = v.modelLines;
    if (!l[1]) ShowMessage(&w_, Text(v.modelTitle), Text(l[0]), 1, MessageOk);
    else if (!l[2]) ShowMessage(&w_, Text(v.modelTitle), Text(l[0]), Text(l[1]), 1, MessageOk);
    else ShowMessage(&w_, Text(v.modelTitle), Text(l[0]), Text(l[1]), Text(l[2]), 1, MessageOk);
    return;
  }
  for (size_t i = 0; i < w_.CopyCount(); ++i) {
    ToClic2D& copy = w_.Copy(i);
    const Touche hit = copy.HitTest(p);
    if (hit == Touche::Rien) continue;
    CaseNoeud& node = copy.Current();
    if (hit == Touche::Point) {
      w_.SetActiveCopy(i);
      w_.MoveCursor(QPoint(node.x, node.y));
    } else {
      ToClic2D::Toggle(hit == Touche::Bas ? node.lower : node.right);
      w_.RedrawNode(copy, node, w_.Cursor().at);
    }
    if (w_.State().phase == PhaseNotStarted) w_.State().phase = PhaseInProgress;
    return;
  }
  ShowMessage(&w_, "A T T E N T I O N ", Text(v.missLine), 3, MessageOk);
}

void EcranReseau::Arrow(Direction d) {
  ToClic2D& copy = w_.Copy(w_.ActiveCopy());
  const CaseNoeud* toggled = copy.Step(d);
  if (!toggled) return;
  // A segment drawn or erased with the keys is a drawing in progress too.
  if (w_.State().phase == PhaseNotStarted) w_.State().phase = PhaseInProgress;
  w_.RedrawNode(copy, *toggled, QPoint(copy.Current().x, copy.Current().y));
}

void EcranReseau::DrawAll() {
  w_.DrawBoardPart(w_.DrawingArea(), w_.Lattices(), w_.Game().drawAxes);
  // The board under it was drawn anew: the ring is nowhere until drawn again.
  w_.Cursor().Forget();
  const CaseNoeud& node = w_.Copy(w_.ActiveCopy()).Current();
  w_.MoveCursor(QPoint(node.x, node.y));
  w_.ShowStatus();
}

void EcranReseau::Compare() {
  JeuReseau& jeu = w_.State();
  jeu.errors = 0;
  const Variante& v = w_.Game();
  for (size_t i = 0; i < w_.CopyCount(); ++i) jeu.errors += w_.Copy(i).CompareWith(w_.Model(), v.copies[i].miroir);
  w_.ClearScreen();
  DrawAll();
  if (jeu.errors == 0)
    ShowMessage(&w_, "O  U  I  ,  B R A V O !", "Il n'y a pas d'erreur.", 2, MessageOk);
  else if (jeu.errors == 1)
    ShowMessage(&w_, "O  U  I  ,  C ' E S T   B I E N .", Text(v.oneErrorLine), 3, MessageOk);
  else
    ShowMessage(&w_, "A T T E N T I O N  !", "Il y a plusieurs erreurs : ",
                QString::fromUtf8("Les segments en trop sont barrés en rouge."),
                QString::fromUtf8("Les segments manquants sont rajoutés en gris."), 1, MessageOk);
}

}  // namespace reseau
