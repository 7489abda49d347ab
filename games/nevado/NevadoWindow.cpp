#include "NevadoWindow.h"

#include "FriseEcran.h"
#include "LevelMenu.h"
#include "StatusCount.h"

namespace nevado {

using motifs::CaseMotif;
using motifs::Message;
using motifs::Say;

namespace {
constexpr const char* kOhNo = "O  H  !  N O N   A L O R S  !";
}  // namespace

void EcranSuite::NewGame() {
  jeu_.NewGame();
  const QRect area = w_.DrawingArea();
  flocon_.NewGame(jeu_.level, area.width(), area.height());
  glisse_.Reset();
}

void EcranSuite::DrawAll() {
  w_.ClearScreen();
  w_.DrawBoth([&](TDC& dc) {
    for (int i = 0; i < flocon_.Count(); ++i) w_.DrawDiameter(dc, flocon_, i);
    for (int i = 0; i < flocon_.Count(); ++i) flocon_.Model(i).DrawPicture(w_, dc, flocon_.Model(i).picture);
    for (int i = 0; i < flocon_.Count(); ++i) flocon_.Fill(i).DrawPicture(w_, dc, flocon_.Fill(i).picture);
    for (int n = 0; n < flocon_.Bar().Count(); ++n) flocon_.Bar().At(n).DrawPicture(w_, dc, flocon_.Bar().At(n).picture);
  });
  motifs::WriteCount(w_, StatusField::Message, jeu_.slides, jeu_.slides > 1 ? "glissés" : "glissé");
  ShowLevelName(w_);
  motifs::WriteCount(w_, StatusField::Second, jeu_.errors, "erreur(s)");
}

motifs::Zone EcranSuite::Press(QPoint p) {
  const motifs::Zone zone = flocon_.ZoneAt(p);
  if (zone == motifs::OnModel) Say(w_, Message{"A T T E N T I O N !", "Cette case contient le modèle.", "Il ne peut être déplacé."}, 3);
  if (zone != motifs::OnToFill) return zone;
  int i = 0;
  while (!flocon_.Fill(i).Contains(p)) ++i;
  if (flocon_.Fill(i).picture == motifs::kEmpty)
    Say(w_, Message{"A T T E N T I O N !", "Cette case est vide", "remplis-la avec le motif qui convient."}, 3);
  else
    Say(w_, Message{"A T T E N T I O N !", "Pour remplacer ce motif", "fais-en glisser un autre dessus."}, 3);
  return zone;
}

void EcranSuite::Refuse(const char* line2) {
  Say(w_, Message{kOhNo, "Je ne peux faire ce mouvement.", line2}, 3);
  DrawAll();
}

void EcranSuite::Dropped(QPoint p, int barCell) {
  const Drop drop = flocon_.Release(p, barCell);
  switch (drop) {
    case Drop::OnModel:
      return Refuse("Les motifs modèles ne peuvent être recouverts.");
    case Drop::OnBar:
      return Refuse("Les motifs à déplacer ne peuvent être recouverts.");
    case Drop::Elsewhere:
      return Refuse("Je ne peux recouvrir qu'une case à remplir.");
    default:
      break;
  }
  jeu_.phase = PhaseInProgress;
  CaseMotif& filled = flocon_.Fill(flocon_.LastFilled());
  CaseMotif& bar = flocon_.Bar().At(barCell);
  w_.DrawBoth([&](TDC& dc) {
    filled.DrawPicture(w_, dc, filled.picture);
    bar.DrawPicture(w_, dc, bar.picture);
  });
  ++jeu_.slides;
  motifs::WriteCount(w_, StatusField::Message, jeu_.slides, jeu_.slides == 1 ? "glissé" : "glissés");
  Judge(drop);
}

void EcranSuite::Judge(Drop drop) {
  if (drop == Drop::Won) {
    Say(w_, Message{"B  R  A  V  O ,  C ' E S T   G A G N E !", "Tu as bien complété le nevado !"}, 2);
    jeu_.phase = PhaseFinished;
  } else if (drop == Drop::Wrong) {
    w_.DrawBoth([&](TDC& dc) {
      for (int i = 0; i < flocon_.Count(); ++i)
        if (!flocon_.Matches(i)) w_.CrossOut(dc, flocon_.Fill(i));
    });
    Say(w_, Message{"T U   A S   B I E N   C O M P L E T E   L E   N E V A D O ... ", "... mais tous les motifs ne sont pas",
                    "bien à leur place. Clique dans la barre", "de contrôle pour faire une autre partie."}, 3);
    jeu_.phase = PhaseFinished;
  }
}

TMainWindowSuite::TMainWindowSuite() : TNLevelChain<TMemDCWindowSuite>(Config()), ecran_(*this, jeu_) {
  SetGameObjects(&jeu_, &ecran_);
}

}  // namespace nevado
