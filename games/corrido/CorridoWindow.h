#pragma once
#include "AppCumMenu.h"
#include "Board.h"
#include "GameState.h"
#include "MainWindow.h"
#include "Maze.h"
#include "Run.h"

namespace corrido {

namespace cmd {
enum : int {
  Quit = 510, QuitMenu = 511, NextLevel = 520, NextLevelMenu = 521, SameLevel = 530, SameLevelMenu = 531,
  PreviousLevel = 540, PreviousLevelMenu = 541, Wipe = 620, WipeMenu = 621, Help = 650, HelpMenu = 651, About = 660,
};
inline constexpr int kLevels[7] = {550, 560, 570, 580, 590, 600, 610};
}  // namespace cmd

// Half a cell at each level; a cell is twice that.
inline constexpr int kHalfCell[7] = {28, 22, 17, 13, 10, 8, 7};

enum MouseMode { AtRest = 1, Drawing = 2 };

class JeuANNivSuite : public JeuANNiv {
public:
  JeuANNivSuite() : JeuANNiv(1) {}
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
class TraMouseEvent : public ::TraMouseEvent {
public:
  void SetMode(int m);
};

class TraMouseLeftButton : public ::TraMouseLeftButton {
public:
  explicit TraMouseLeftButton(TMainWindowSuite& w) : w_(w) {}
  void Up(::TraMouseEvent& event) override;

private:
  TMainWindowSuite& w_;
};

class TraMouseMove : public ::TraMouseMove {
public:
  explicit TraMouseMove(TMainWindowSuite& w) : w_(w) {}
  void Move(::TraMouseEvent& event) override;

private:
  TMainWindowSuite& w_;
};

class Ecran : public ::Ecran {
public:
  Ecran(TMainWindowSuite& w, TraMouseEvent& mouse) : w_(w), mouse_(mouse) {}
  void LButtonUp() override { mouse_.LButtonUp(); }
  void MouseMove() override { mouse_.MouseMove(); }
  // A new maze, built and drawn.
  void DrawAll() override;

private:
  TMainWindowSuite& w_;
  TraMouseEvent& mouse_;
};

class TMainWindowSuite : public TNLevelChain<TMemDCWindowSuite> {
public:
  TMainWindowSuite();
  static const GameConfig& Config();

  void SetupWindow() override;
  void ApplyLevel() override;
  void ResetGame() override;

  // The same maze drawn again without the path; the touched cells stay touched.
  void RedrawMaze();
  // Extends the path by the step that reached `cell` (or by nothing); wins on the last column.
  void Stepped(Case* cell);

  JeuANNivSuite& Jeu() { return jeu_; }
  Grille& Maze() { return grille_; }
  Run& Path() { return run_; }
  TraMouseEvent& Mouse() { return mouse_; }
  int CellSize() const { return 2 * half_; }
  int HalfCell() const { return half_; }

protected:
  void EvKeyUp(int key) override;

private:
  void Wipe();

  JeuANNivSuite jeu_;
  Grille grille_;
  Run run_{grille_};
  TraMouseEvent mouse_;
  TraMouseLeftButton left_{*this};
  TraMouseMove move_{*this};
  Ecran ecran_{*this, mouse_};
  int half_ = kHalfCell[1];
  QPoint lastMarker_;
};

using TMyAppCumMenuSuite = ::TMyAppCumMenuSuite<TMainWindowSuite>;

}  // namespace corrido
