#pragma once
#include "AppCumMenu.h"
#include "Ecran.h"
#include "GameState.h"
#include "MainWindow.h"
#include "Grille.h"
#include "Run.h"
#include "TraMouseEvent.h"

namespace corrido {

namespace cmd {
enum : int {
  Quit = 510, QuitMenu = 511, NextLevel = 520, NextLevelMenu = 521, SameLevel = 530, SameLevelMenu = 531,
  PreviousLevel = 540, PreviousLevelMenu = 541, Wipe = 620, WipeMenu = 621, Help = 650, HelpMenu = 651, About = 660,
};
inline constexpr int kLevelChoices[7] = {550, 560, 570, 580, 590, 600, 610};
}  // namespace cmd

// Half a cell at each level; a cell is twice that.
inline constexpr int kHalfCell[7] = {28, 22, 17, 13, 10, 8, 7};
// How far the frame's right line reaches past the maze's last column.
inline constexpr int kFrameReach = 3;

enum MouseMode { AtRest = 1, Drawing = 2 };

// Game state: the shell's, starting at level 1, with the game's own wording
// of an arrow key on a finished maze.
class JeuANNivSuite : public JeuANNiv {
public:
  JeuANNivSuite() : JeuANNiv(1) {}
  void NoticeFinishedKey(TWindow& window) override;
};

// The game's drawing: the board's frame, the walls, the path and its markers.
class TMemDCWindowSuite : public TMemDCWindowBase {
public:
  using TMemDCWindowBase::TMemDCWindowBase;
  static void DrawFrame(TDC& dc, int width, int height, int cell);
  static void DrawWalls(TDC& dc, const Grille& grille, int cell);
  void DrawSegment(TDC& dc, QPoint from, QPoint to);
  void DrawMarker(TDC& dc, QPoint at);

private:
  TPen pathPen_{TColor::LtMagenta, 3};
};

class TMainWindowSuite;

// The mouse modes: at rest, or drawing the path; each sets its text in the status bar.
class TraMouseEventSuite : public TraMouseEvent {
public:
  explicit TraMouseEventSuite(TMainWindowSuite& w) : w_(w) {}
  void SetMode(int m);

private:
  TMainWindowSuite& w_;
};

// A release starts the path on a cell it may start from, or ends the drawing.
class TraMouseLeftButtonSuite : public TraMouseLeftButton {
public:
  explicit TraMouseLeftButtonSuite(TMainWindowSuite& w) : w_(w) {}
  void Up(TraMouseEvent& event, QPoint p) override;

private:
  TMainWindowSuite& w_;
};

// A move shows the cell and the walls under the pointer, and extends the path
// while drawing.
class TraMouseMoveSuite : public TraMouseMove {
public:
  explicit TraMouseMoveSuite(TMainWindowSuite& w) : w_(w) {}
  void Move(TraMouseEvent& event, QPoint p, unsigned flags) override;

private:
  TMainWindowSuite& w_;
};

// The board screen: the releases and moves go to the mouse translators, the
// arrow keys extend the path.
class EcranSuite : public Ecran {
public:
  EcranSuite(TMainWindowSuite& w, TraMouseEventSuite& mouse) : w_(w), mouse_(mouse) {}
  void LButtonUp(QPoint p) override { mouse_.LButtonUp(p); }
  void MouseMove(QPoint p, unsigned flags) override { mouse_.MouseMove(p, flags); }
  void Arrow(Direction d) override;
  // A new maze, built and drawn.
  void DrawAll() override;

private:
  TMainWindowSuite& w_;
  TraMouseEventSuite& mouse_;
};

class TMainWindowSuite : public TNLevelChain<TMemDCWindowSuite> {
public:
  TMainWindowSuite();
  static const GameConfig& Config();

  void ApplyLevel() override;
  void ResetGame() override;

  // The same maze drawn again without the path; the touched cells stay touched.
  void RedrawMaze();
  // Extends the path by the step that reached `cell` (or by nothing); wins on the last column.
  void Stepped(Cellule* cell);

  JeuANNivSuite& Jeu() { return jeu_; }
  Grille& Maze() { return grille_; }
  Run& Path() { return run_; }
  TraMouseEventSuite& Mouse() { return mouse_; }
  int CellSize() const { return 2 * half_; }
  int HalfCell() const { return half_; }

private:
  void Wipe();

  JeuANNivSuite jeu_;
  Grille grille_;
  Run run_{grille_};
  TraMouseEventSuite mouse_{*this};
  TraMouseLeftButtonSuite left_{*this};
  TraMouseMoveSuite move_{*this};
  EcranSuite ecran_{*this, mouse_};
  int half_ = kHalfCell[1];
  QPoint lastMarker_;
};

using TMyAppCumMenuSuite = ::TMyAppCumMenuSuite<TMainWindowSuite>;

}  // namespace corrido
