#include "TrilogisWindow.h"

#include "Keys.h"
#include "ShowMessage.h"

namespace trilogis {
using foret::CaseForet;
using foret::Kind;
using foret::Pas;

void JeuANNivSuite::NoticeFinished(TWindow& window) {
  ShowMessage(&window, "L A   P A R T I E   E S T   F I N I E  !", "Pour en faire une autre,",
              "clique dans la barre de boutons.", 3, MessageOk);
}

EcranSuite::EcranSuite(TMainWindowSuite& window, JeuANNivSuite& jeu, SaisieCharAuClavier& saisie)
    : EcranForet(window, window.TheBalade(), jeu), jeuSuite_(jeu), saisie_(saisie) {}

int EcranSuite::Picture(Kind kind) const {
  switch (kind) {
    case Kind::Forest:
    case Kind::Flower: return 0;  // no flowers grow on the piglet's paths
    case Kind::Hut: return 1;
    case Kind::Letters: return 2;
    case Kind::Wolf: return 4;
    case Kind::Child: return 5;
    case Kind::ChildAtHome: return 6;
    case Kind::Path: return 7;
  }
  return 0;
}

void EcranSuite::LButtonDown(QPoint p) {
  if (saisie_.Active()) {
    ShowMessage(&w_, "MAINTENANT TRAVAILLONS AVEC LE CLAVIER !", "Tape au clavier les lettres que je te demande.", 3,
                MessageOk);
    return;
  }
  EcranForet::LButtonDown(p);
}

void EcranSuite::Clicked(CaseForet& cell) {
  if (balade_.IsNear(cell) && &cell != balade_.Child()) Step(cell);
}

void EcranSuite::Arrow(Direction d) {
  if (saisie_.Active()) {
    Wrong();
    return;
  }
  EcranForet::Arrow(d);
}

void EcranSuite::Key(int key) {
  if (!saisie_.Active()) return;
  CaseForet* cell = saisie_.Cell();
  switch (saisie_.Answer(key)) {
    case Reponse::Wrong:
      Wrong();
      break;
    case Reponse::Next:
      w_.WriteStatus(StatusField::Message, QString::fromUtf8("%1 succès   ").arg(saisie_.Right()));
      ShowRequest();
      break;
    case Reponse::Done:
      w_.WriteStatus(StatusField::Message, QString::fromUtf8("%1 succès   ").arg(saisie_.Right()));
      balade_.Walk(*cell);
      EndExercise();
      break;
  }
}

void EcranSuite::ShowRequest() {
  w_.WriteStatus(StatusField::Message, saisie_.Prompt() + ' ');
  const int left = saisie_.Left();
  w_.WriteStatus(StatusField::Second, QString::fromUtf8("%1 %2   ")
                                          .arg(left)
                                          .arg(QString::fromUtf8(left > 1 ? " lettres encore à saisir !"
                                                                          : " lettre encore à saisir !")));
}

void EcranSuite::Wrong() {
  ShowRequest();
  ShowMessage(&w_, "N O N ,  C ' E S T   R A T E !", "Essaie encore de taper la lettre que je",
              "te demande dans la barre du bas.", 3, MessageOk);
}

void EcranSuite::EndExercise() {
  const QString blanks(11, QLatin1Char(' '));
  w_.WriteStatus(StatusField::Message, blanks);
  w_.WriteStatus(StatusField::Second, blanks);
  jeu_.phase = PhaseInProgress;
  ShowMessage(&w_, "B   R   A   V   O   ! ", QString::fromUtf8("Maintenant tu peux continuer à"),
              "faire avancer Trilogisnet.", 3, MessageOk);
}

void EcranSuite::Answer(Pas pas, CaseForet& target) {
  switch (pas) {
    case Pas::Walked:
      break;
    case Pas::Letters:
      jeu_.phase = PhaseInProgress;
      ShowMessage(&w_, "MAINTENANT TRAVAILLONS AVEC LE CLAVIER !", "Tape au clavier les lettres que je vais te",
                  QString::fromUtf8("demander, en bas, dans la barre d'état."), 3, MessageOk);
      saisie_.Start(target, 2 * (jeu_.level + 1));
      ShowRequest();
      break;
    case Pas::Stumbled:
      ++jeuSuite_.chocs;
      w_.WriteStatus(StatusField::Second, QStringLiteral("%1 choc(s)   ").arg(jeuSuite_.chocs));
      jeu_.phase = PhaseFinished;
      ShowMessage(&w_, QString::fromUtf8("A  Ï  E   !"), QString::fromUtf8("Trilogisnet a trébuché ..."),
                  QString::fromUtf8("... et le loup l'a mangé."), 2, MessageOk);
      break;
    case Pas::IntoWolf:
      jeu_.phase = PhaseFinished;
      ShowMessage(&w_, "O H !", "Trilogisnet s'est jeté dans la gueule", QString::fromUtf8("du loup, et le loup l'a mangé."),
                  2, MessageOk);
      break;
    case Pas::Home:
      jeu_.phase = PhaseFinished;
      ShowMessage(&w_, "B R A V O  ,  F E L I C I T A T I O N S  !", QString::fromUtf8("Tu as gagné, la partie est finie."),
                  2, MessageOk);
      break;
  }
}

TMainWindowSuite::TMainWindowSuite() : foret::TFenetreForet(Config(), jeu_, true) { SetGameObjects(&jeu_, &ecran_); }

void TMainWindowSuite::ResetGame() {
  saisie_.Stop();
  TFenetreForet::ResetGame();
  jeu_.chocs = 0;
  WriteStatus(StatusField::Message, QStringLiteral(" "));
  WriteStatus(StatusField::Second, QStringLiteral("%1 choc(s)   ").arg(jeu_.chocs));
}

}  // namespace trilogis
