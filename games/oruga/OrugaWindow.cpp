#include "OrugaWindow.h"

#include "Globals.h"
#include "Keys.h"
#include "LevelMenu.h"
#include "Random.h"
#include "Services.h"
#include "ShowMessage.h"

namespace oruga {

void Ecran::LButtonDown() {
  auto& window = static_cast<TMainWindowSuite&>(*gGameWindow);
  Case* tile = grille_.TileAt(window.ButtonPoint());
  if (!tile) {
    ShowMessage(&window, "A T T E N T I O N ", QString::fromUtf8("Il faut cliquer à l'intérieur des cases."), 3,
                MessageOk);
    return;
  }
  Direction d;
  if (grille_.DirectionOfClick(*tile, d)) Move(d);
}

void Ecran::Move(Direction d) {
  TWindow* w = gGameWindow;
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

void Ecran::DrawAll() {
  auto& window = static_cast<TMainWindowSuite&>(*gGameWindow);
  for (int r = 0; r < grille_.Rows(); ++r)
    for (int c = 0; c < grille_.Columns(); ++c) window.DrawTile(grille_.Tile(r, c));
  // The caterpillar's ends once more, as a move would draw them.
  for (Case* t : {grille_.TheHead().tile, grille_.TheHead().tile ? grille_.TheHead().tile->towardTail : nullptr,
                  grille_.TheTail().tile ? grille_.TheTail().tile->towardHead : nullptr, grille_.TheTail().tile,
                  grille_.TheTail().tile ? grille_.TheTail().tile->towardTail : nullptr})
    if (t) window.DrawTile(*t);
  ShowLevelName(window);
}

TMainWindowSuite::TMainWindowSuite() : TNLevelChain<TMemDCWindowSuite>(Config()) {
  grille_.redraw = [this](Case& tile) { DrawTile(tile); };
  dialogCase_.Place(49, 49, 0, 0);
}

void TMainWindowSuite::SetupWindow() {
  TNLevelChain<TMemDCWindowSuite>::SetupWindow();
  Random::Seed(static_cast<unsigned>(Services::NowSeconds()));
  SetGameObjects(&jeu_, &ecran_);
  StartFirstGame(*this);
}

void TMainWindowSuite::ApplyLevel() { ShowLevelName(*this); }

void TMainWindowSuite::ResetGame() {
  const QRect area = DrawingArea();
  grille_.NewGame(jeu_.level, area.width(), area.height());
  jeu_.Reset();
  jeu_.extra = 0;
}

void TMainWindowSuite::EvKeyUp(int key) {
  static constexpr Direction kArrows[4] = {Left, Up, Right, Down};
  const int arrow = ArrowIndex(key);
  if (arrow < 0) return;
  if (jeu_.phase == PhaseFinished) {
    ShowMessage(this, "L A    P A R T I E   E S T   F I N I E !", "Clique dans la barre de boutons",
                "pour en faire une autre", 3, MessageOk);
    return;
  }
  ecran_.Move(kArrows[arrow]);
}

}  // namespace oruga
