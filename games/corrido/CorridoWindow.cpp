#include "CorridoWindow.h"

#include "DecoratedFrame.h"
#include "Generator.h"
#include "LevelMenu.h"
#include "ShowMessage.h"

#include <algorithm>

namespace corrido {

void JeuANNivSuite::NoticeFinishedKey(TWindow& window) {
  ShowMessage(&window, "L A   P A R T I E   E S T   T E R M I N E E", "Clique une des cases bleues de gauche ou une case",
              QString::fromUtf8("déjà trazadoue. Puis avec les touches de direction"),
              "traverse le labyrinthe de gauche à droite.", 3, MessageOk);
}

void TraMouseEventSuite::SetMode(int m) {
  mode = m;
  w_.SetMessageField(m == Drawing ? "La souris dessine le trajet" : "La souris est au repos");
}

void TraMouseLeftButtonSuite::Up(TraMouseEvent& event, QPoint p) {
  auto& mouse = static_cast<TraMouseEventSuite&>(event);
  const QRect area = w_.DrawingArea();
  if (p.x() == area.width() || p.y() == area.height()) return;  // the far edge of the area
  if (w_.Jeu().phase == PhaseFinished) return;                  // a won maze takes no new path
  const int s = w_.CellSize();
  Grille& g = w_.Maze();
  // The white strip below or right of the maze holds no cell: a release there
  // neither starts nor stops a path, and leaves the mode's text as it is.
  if (p.x() / s >= g.Columns() || p.y() / s >= g.Rows()) return;
  if (mouse.mode == Drawing) {
    mouse.SetMode(AtRest);
    return;
  }
  mouse.SetMode(Drawing);
  Cellule& cell = g.Cell(p.y() / s, p.x() / s);
  if (!cell.reached) {
    if (w_.Jeu().phase == PhaseNotStarted)
      ShowMessage(&w_, "TRAVERSE LE LABYRINTHE DE LA GAUCHE VERS LA DROITE", "Clique dans une des cases verticales bleues ",
                  QString::fromUtf8("(à gauche). Fais glisser la souris jusqu'aux cases"),
                  QString::fromUtf8("de sortie encadrées en vert sur la droite."), 3, MessageOk);
    else
      ShowMessage(&w_, "P O U R   C O N T I N U E R :", QString::fromUtf8("Pars d'une case encadrée en bleu, ou d'une case"),
                  QString::fromUtf8("déjà trazadoue. Ensuite, trace un chemin à travers"),
                  QString::fromUtf8("du labyrinthe, jusqu'aux cases de sortie vertes."), 3, MessageOk);
    mouse.SetMode(AtRest);
    return;
  }
  if (cell.column == 0) {
    bool pathLeftFirstColumn = false;
    for (int r = 0; r < g.Rows() && !pathLeftFirstColumn; ++r)
      for (int c = 1; c < g.Columns() && !pathLeftFirstColumn; ++c) pathLeftFirstColumn = g.Cell(r, c).reached;
    if (pathLeftFirstColumn) {
      w_.RedrawMaze();
      mouse.SetMode(Drawing);
    }
  }
  w_.Jeu().phase = PhaseInProgress;
  w_.Path().Start(cell);
  w_.Stepped(nullptr);
}

void TraMouseMoveSuite::Move(TraMouseEvent& event, QPoint p, unsigned) {
  const int s = w_.CellSize();
  Grille& g = w_.Maze();
  // The strip beyond the last row or column counts as the last row or column.
  const int r = std::min(p.y() / s, g.Rows() - 1), c = std::min(p.x() / s, g.Columns() - 1);
  const bool onTop = p.y() % s < 7 && g.T(r, c);
  const bool onLeft = p.x() % s < 7 && g.L(r, c);
  w_.SetCursorShape(onTop && onLeft ? TCursor::Cross : onTop ? TCursor::SizeWE : onLeft ? TCursor::SizeNS : TCursor::Arrow);
  w_.SetSecondField(r + 1, c + 1);
  if (event.mode == Drawing && w_.Jeu().phase == PhaseInProgress) w_.Stepped(w_.Path().Follow(p));
}

void EcranSuite::DrawAll() {
  w_.ClearScreen();
  const int s = w_.CellSize();
  Grille& g = w_.Maze();
  w_.DrawBoth([&](TDC& dc) { w_.DrawFrame(dc, g.Columns() * s, g.Rows() * s, s); });
  ShowLevelName(w_);
  auto* frame = dynamic_cast<TDecoratedFrame*>(w_.window());
  Generate(g, w_.Jeu().level, [frame](const QString& step) {
    if (frame) frame->SetCaption(step);
  });
  w_.DrawBoth([&](TDC& dc) { w_.DrawWalls(dc, g, s); });
}

TMainWindowSuite::TMainWindowSuite() : TNLevelChain<TMemDCWindowSuite>(Config()) {
  mouse_.left = &left_;
  mouse_.move = &move_;
  run_.drawSegment = [this](QPoint from, QPoint to) {
    DrawBoth([&](TDC& dc) {
      DrawSegment(dc, from, to);
      DrawMarker(dc, from);
      DrawMarker(dc, to);
    });
    lastMarker_ = to;
  };
  OnCommandPair({cmd::Wipe, cmd::WipeMenu}, [this] { Wipe(); });
  SetGameObjects(&jeu_, &ecran_);
}

void TMainWindowSuite::ApplyLevel() {
  half_ = kHalfCell[std::clamp(jeu_.level, 0, 6)];
  ShowLevelName(*this);
}

void TMainWindowSuite::ResetGame() {
  const QRect area = DrawingArea();
  // The frame's right line reaches 3 pixels past the last column: the columns
  // leave it that room, so the frame is whole at every width.
  grille_.Reset(area.width() - kFrameReach, area.height(), CellSize(), half_);
  run_.SetCellSize(CellSize(), half_);
  run_.Reset();
  mouse_.Reset();
  mouse_.SetMode(AtRest);
  jeu_.Reset();
}

void TMainWindowSuite::RedrawMaze() {
  ClearScreen();
  const int s = CellSize();
  DrawBoth([&](TDC& dc) {
    DrawFrame(dc, grille_.Columns() * s, grille_.Rows() * s, s);
    DrawWalls(dc, grille_, s);
  });
  ShowLevelName(*this);
}

void TMainWindowSuite::Stepped(Cellule* cell) {
  if (!cell) {
    if (run_.Started()) DrawBoth([&](TDC& dc) { DrawMarker(dc, run_.End()); });
    return;
  }
  if (cell->column == grille_.Columns() - 1 && jeu_.phase != PhaseNotStarted && jeu_.phase != PhaseFinished) {
    jeu_.phase = PhaseFinished;
    ShowMessage(this, "B R A V O !  T U   A S   G A G N E .", QString::fromUtf8("Le but était de traverser le labyrinthe, "),
                "depuis les case bleues (à gauche),", QString::fromUtf8("jusqu'aux cases vertes (à droite) !"), 2,
                MessageOk);
    mouse_.SetMode(AtRest);
  }
}

void TMainWindowSuite::Wipe() {
  if (jeu_.phase == PhaseNotStarted) return;
  if (jeu_.phase == PhaseInProgress &&
      ShowMessage(this, "A  T  T  E  N  T  I  O  N", "Veux-tu vraiment effacer ce trazados",
                  "et recommencer avec le même labyrinthe ?", 4, MessageYesNo) != AnswerYes)
    return;
  RedrawMaze();
  mouse_.SetMode(AtRest);
}

void EcranSuite::Arrow(Direction d) {
  if (w_.Jeu().phase == PhaseNotStarted) {
    ShowMessage(&w_, "TRAVERSE LE LABYRINTHE DE LA GAUCHE VERS LA DROITE3", "D'abord clique sur une des cases bleues, puis",
                "avec les touches de direction, traverse le", QString::fromUtf8("labyrinthe, jusqu'aux cases vertes à droite."),
                3, MessageOk);
    return;
  }
  w_.Stepped(w_.Path().Key(d));
  mouse_.SetMode(AtRest);
}

}  // namespace corrido
