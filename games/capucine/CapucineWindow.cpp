#include "CapucineWindow.h"

#include "ShowMessage.h"

namespace capucine {
using foret::CaseForet;
using foret::Kind;
using foret::Pas;

EcranSuite::EcranSuite(TMainWindowSuite& window, JeuANNivSuite& jeu) : EcranForet(window, window.TheBalade(), jeu) {}

int EcranSuite::Picture(Kind kind) const {
  switch (kind) {
    case Kind::Hut: return 1;
    case Kind::Wolf: return 4;
    case Kind::Child: return 5;
    case Kind::ChildAtHome: return 6;
    case Kind::Path: return 7;
    default: return 0;  // the tree
  }
}

void EcranSuite::Clicked(CaseForet& cell) {
  if (!balade_.IsNear(cell)) {
    ShowMessage(&w_, "B O F  !", "Pour faire avancer le Capucinen Rouge", QString::fromUtf8("clique dans dans une case à côté de lui."),
                2, MessageOk);
    return;
  }
  Step(cell);
}

void EcranSuite::Answer(Pas pas, CaseForet&) {
  switch (pas) {
    case Pas::Walked:
    case Pas::Letters:
      break;
    case Pas::Stumbled:
      jeu_.phase = PhaseFinished;
      ShowMessage(&w_, QString::fromUtf8("A Ï E  ! "), QString::fromUtf8("Le petit capucinen rouge a trébuché ..."),
                  QString::fromUtf8("... et le loup l'a mangé."), 3, MessageOk);
      break;
    case Pas::IntoWolf:
      jeu_.phase = PhaseFinished;
      ShowMessage(&w_, "O  H  !", "Le petit capucinen rouge s'est", QString::fromUtf8("jeté dans la gueule du loup ..."),
                  QString::fromUtf8("... et le loup l'a mangé."), 3, MessageOk);
      break;
    case Pas::Home:
      jeu_.phase = PhaseFinished;
      ShowMessage(&w_, "B R A V O  ,  F E L I C I T A T I O N S  !", QString::fromUtf8("Tu as gagné, la partie est finie"),
                  2, MessageOk);
      break;
  }
}

TMainWindowSuite::TMainWindowSuite() : foret::TFenetreForet(Config(), jeu_, false) { SetGameObjects(&jeu_, &ecran_); }

}  // namespace capucine
