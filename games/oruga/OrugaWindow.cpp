#include "OrugaWindow.h"

#include "LevelMenu.h"
#include "ShowMessage.h"

namespace oruga {

void JeuANNivSuite::NoticeFinishedKey(TWindow& window) {
  ShowMessage(&window, "L A    P A R T I E   E S T   F I N I E !", "Clique dans la barre de boutons",
              "pour en faire une autre", 3, MessageOk);
}

void EcranSuite::LButtonDown(QPoint p) {
  Tuile* tile = grille_.TileAt(p);
  if (!tile) {
    ShowMessage(&w_, "A T T E N T I O N ", QString::fromUtf8("Il faut cliquer à l'intérieur des cases."), 3,
                MessageOk);
    return;
  }
  Direction d;
  if (grille_.DirectionOfClick(*tile, d)) Move(d);
}

void EcranSuite::Move(Direction d) {
  TWindow* w = &w_;
  const QString lost = QStringLiteral("Zut, tu as perdu !");
  switch (grille_.Move(d)) {
    case Outcome::HitTree:
      ShowMessage(w, "B  O  U  M  !", QString::fromUtf8("Tu t'es cogné !"), lost, 2, MessageOk);
      jeu_.phase = PhaseFinished;
      break;
    case Outcome::Backwards:
      ShowMessage(w, "H  E  U  !", " N O N ,  N O N .", "Je ne sais pas reculer !", 1, MessageOk);
      break;
    case Outcome::BitBody:
      ShowMessage(w, QString::fromUtf8("A  Ï  E  !"), "J'ai mordu ma queue.", lost, 1, MessageOk);
      jeu_.phase = PhaseFinished;
      break;
    case Outcome::BitTail:
      ShowMessage(w, QString::fromUtf8("A  Ï  E  !"), "J'ai mordu le bout de ma queue.", lost, 1, MessageOk);
      jeu_.phase = PhaseFinished;
      break;
    case Outcome::Won:
      ShowMessage(w, "B  R  A  V  O  !", QString::fromUtf8("Tu as mangé toute la nourriture !"),
                  QString::fromUtf8("Tu as gagné !"), 2, MessageOk);
      jeu_.phase = PhaseFinished;
      break;
    case Outcome::None:
    case Outcome::Crawled:
    case Outcome::Grew:
      break;
  }
}

void EcranSuite::DrawAll() {
  for (int r = 0; r < grille_.Rows(); ++r)
    for (int c = 0; c < grille_.Columns(); ++c) w_.DrawTile(grille_.Tile(r, c));
  // The caterpillar's ends once more, as a move would draw them.
  for (Tuile* t : {grille_.TheHead().tile, grille_.TheHead().tile ? grille_.TheHead().tile->towardTail : nullptr,
                  grille_.TheTail().tile ? grille_.TheTail().tile->towardHead : nullptr, grille_.TheTail().tile,
                  grille_.TheTail().tile ? grille_.TheTail().tile->towardTail : nullptr})
    if (t) w_.DrawTile(*t);
  ShowLevelName(w_);
}

TMainWindowSuite::TMainWindowSuite() : TNLevelChain<TMemDCWindowSuite>(Config()) {
  grille_.redraw = [this](Tuile& tile) { DrawTile(tile); };
  SetGameObjects(&jeu_, &ecran_);
}

void TMainWindowSuite::ApplyLevel() { ShowLevelName(*this); }

void TMainWindowSuite::ResetGame() {
  const QRect area = DrawingArea();
  grille_.NewGame(jeu_.level, area.width(), area.height());
  jeu_.Reset();
}

}  // namespace oruga
