#include "SentierWindow.h"

#include "ShowMessage.h"

namespace sentier {
using foret::CaseForet;
using foret::Kind;

namespace {
int Picture(Kind kind) {
  switch (kind) {
    case Kind::Hut: return 1;
    case Kind::Flower: return 3;
    case Kind::Wolf: return 4;
    case Kind::Child: return 5;
    case Kind::Path: return 7;
    default: return 0;  // the tree
  }
}

QString U(const char* text) { return QString::fromUtf8(text); }
}  // namespace

EcranSuite::EcranSuite(TMainWindowSuite& window, Labyrinthe& labyrinthe, JeuANNivSuite& jeu)
    : w_(window), labyrinthe_(labyrinthe), jeu_(jeu) {}

void EcranSuite::LButtonDown(QPoint p) {
  CaseForet* cell = labyrinthe_.Board().CellAt(p);
  if (!cell) {
    ShowMessage(&w_, "A T T E N T I O N ", U("Il faut cliquer à l'intérieur du jeu."), 3, MessageOk);
    return;
  }
  Tell(labyrinthe_.Press(*cell));
}

void EcranSuite::Arrow(Direction d) { Tell(labyrinthe_.Arrow(d)); }

void EcranSuite::DrawCell(CaseForet& cell) { cell.DrawPicture(w_, Picture(cell.kind)); }

void EcranSuite::DrawAll() {
  foret::ToClic2D& board = labyrinthe_.Board();
  for (int r = 0; r < board.Rows(); ++r)
    for (int c = 0; c < board.Columns(); ++c) DrawCell(board.Cell(r, c));
}

void EcranSuite::Tell(Effet effet) {
  const QString careful = QStringLiteral("A T T E N T I O N  !");
  const QString sorry = QStringLiteral("D E S O L E  !");
  const QString aie = U("A Ï E  !");
  const QString bang = QStringLiteral("P  A  N  ! ");
  const QString before = QStringLiteral("A V A N T  D E  R E N T R E R  D A N S  L A  C A B A N E !");
  switch (effet) {
    case Effet::Nothing:
    case Effet::GirlPlaced:
    case Effet::HutPlaced:
    case Effet::PathCut:
    case Effet::TreePlanted:
    case Effet::Walked:
      break;
    case Effet::Finished: jeu_.NoticeFinished(w_); break;
    case Effet::FinishedKey: jeu_.NoticeFinishedKey(w_); break;
    case Effet::Idle:
      ShowMessage(&w_, "H E U , J E   N E   S A I S   P A S   Q U O I   F A I R E  !",
                  "Clique dans la barre de boutons pour", "me dire ce que je dois faire.", 4, MessageOk);
      break;
    case Effet::KeysNeedBasket:
      ShowMessage(&w_, "A V E C   L E S   T O U C H E S   D U   C L A V I E R,",
                  U("Pour récolter des fleurs, il faut d'abord cliquer"),
                  U("dans la barre des boutons sur la corbeille ! "), 3, MessageOk);
      break;
    case Effet::GirlNotOnTree:
      ShowMessage(&w_, careful, "Ici il n'y a pas d'arbre, tu ne peux placer",
                  U("le Capucinen Rouge que dans la forêt."), 1, MessageOk);
      break;
    case Effet::HutNotOnTree:
      ShowMessage(&w_, careful, "Ici ce n'est pas un arbre", U("Tu ne peux placer la cabane que dans la forêt."), 1,
                  MessageOk);
      break;
    case Effet::FlowerSown:
    case Effet::FlowerRemoved:
      w_.SetSecondField(labyrinthe_.Flowers().flowersPlaced, "fleur(s)");
      break;
    case Effet::FlowersFull:
      ShowMessage(&w_, sorry, U("Je ne peux ajouter une fleur supplémentaire ..."),
                  U("... tu as déja planté toutes les fleurs."), 3, MessageOk);
      break;
    case Effet::NotTreeNorFlower:
      ShowMessage(&w_, careful, "Ici ce n'est ni un arbre, ni une fleur.", "Clique sur un arbre pour mettre une fleur,",
                  "et sur une fleur pour planter un arbre.", 1, MessageOk);
      break;
    case Effet::WolfHidden:
    case Effet::WolfRemoved:
      w_.SetMessageField(labyrinthe_.Wolves().wolvesPlaced, "loup(s)");
      break;
    case Effet::WolvesFull:
      ShowMessage(&w_, sorry, U("Tu ne peux ajouter un loup supplémentaire ..."),
                  U("... tu as déja choisi tous les loups."), 3, MessageOk);
      break;
    case Effet::NotTreeNorWolf:
      ShowMessage(&w_, careful, "Ici ce n'est ni un arbre, ni un loup.", "Clique sur un arbre pour mettre un loup,",
                  "et sur un loup pour planter un arbre.", 1, MessageOk);
      break;
    case Effet::NotTreeNorPath:
      ShowMessage(&w_, careful, "Ici ce n'est ni un arbre, ni un chemin.", "Clique sur un arbre pour mettre un chemin,",
                  "et sur un chemin pour planter un arbre.", 1, MessageOk);
      break;
    case Effet::Bump:
      w_.SetSecondField(labyrinthe_.ShockCount(), "choc(s)");
      ShowMessage(&w_, U("A Ï E  !  !  !"), U("Tu t'es cogné(e) !"), 3, MessageOk);
      break;
    case Effet::Bitten:
      ShowMessage(&w_, aie, U("Le loup t'as mordu(e) !"), "Prends un fusil pour le chasser.", 3, MessageOk);
      break;
    case Effet::HutNeedsBoth:
      ShowMessage(&w_, before, "Il te faut chasser les cinq loups", "et cueillir les cinq fleurs.", 3, MessageOk);
      break;
    case Effet::HutNeedsFlowers:
      ShowMessage(&w_, before, "Il te faut cueillir les cinq fleurs.", 3, MessageOk);
      break;
    case Effet::HutNeedsWolves:
      ShowMessage(&w_, before, "Il te faut chasser les cinq loups.", 3, MessageOk);
      break;
    case Effet::Home:
      jeu_.FollowMode();
      w_.ReleaseButtons(cmd::kModeGroup);
      w_.SetMessageField(ModeName(Mode::Won));
      ShowMessage(&w_, "B R A V O  ,  F E L I C I T A T I O N S  !", U("Tu as gagné, la partie est finie"), 2,
                  MessageOk);
      break;
    case Effet::Picked:
      w_.SetSecondField(labyrinthe_.Flowers().flowersPicked, "fleur(s)");
      break;
    case Effet::BrokenFlower:
      ShowMessage(&w_, QStringLiteral("P  A  N  !  "), U("Brute épaisse !"), U("Ne recommence jamais ça :"),
                  U("Tu as cassé ma Fleur !"), 2, MessageOk);
      break;
    case Effet::WolfShot:
      w_.SetMessageField(labyrinthe_.Wolves().wolvesHunted, "loup(s)");
      ShowMessage(&w_, bang, "Bravo, tu viens de chasser ce loup !", 2, MessageOk);
      break;
    case Effet::Missed:
      ShowMessage(&w_, bang, U("Raté, il n'y a pas de loup ici  !"), 2, MessageOk);
      break;
  }
}

void EcranSuite::Refuse(Demande demande, Mode m) {
  const QString careful = QStringLiteral("A  T  T  E  N  T  I  O  N  ");
  const QString unfinished = QStringLiteral("Tu veux jouer dans un labyrinthe qui");
  const QString unfinishedShort = QStringLiteral("Tu veux jouer dans un labyrinthe");
  const QString first = U("qui n'est pas terminé. Il faut d'abord");
  switch (demande) {
    case Demande::Entered:
    case Demande::Confirm:
      break;
    case Demande::Finished: jeu_.NoticeFinished(w_); break;
    case Demande::NoGirl:
      ShowMessage(&w_, careful, unfinished, U("n'est pas terminé. Il faut avant tout"),
                  "que tu places le Capucinen Rouge.", 3, MessageOk);
      break;
    case Demande::NoHut:
      ShowMessage(&w_, careful, unfinished, U("n'est pas terminé. Il faut que le Capucinen"),
                  U("Rouge puisse se réfugier dans la cabane."), 3, MessageOk);
      break;
    case Demande::NoFlowersNorWolves:
      ShowMessage(&w_, careful, unfinished, U("n'est pas terminé. Il faut d'abord planter"),
                  "cinq fleurs et cacher cinq loups.", 3, MessageOk);
      break;
    case Demande::NoFlowers:
      ShowMessage(&w_, careful, unfinishedShort, first, U("que tu aies planté cinq fleurs."), 3, MessageOk);
      break;
    case Demande::NoWolves:
      ShowMessage(&w_, careful, unfinishedShort, first, U("que tu aies caché cinq loups."), 3, MessageOk);
      break;
    case Demande::Cheat:
      if (m == Mode::Girl)
        ShowMessage(&w_, careful, "Tu veux tricher !", U("La construction du labyrinthe est terminée."),
                    U("Déplacer le Capucinen Rouge est interdit."), 3, MessageOk);
      else if (m == Mode::Hut)
        ShowMessage(&w_, careful, "Tu veux tricher !", U("La construction du labyrinthe est terminée."),
                    U("Déplacer la cabane est interdit."), 3, MessageOk);
      else
        ShowMessage(&w_, careful, "Tu veux tricher !", U("La construction est terminée."),
                    U("Modifier le labyrinthe est interdit."), 3, MessageOk);
      break;
  }
}

}  // namespace sentier
