#pragma once
#include "AppCumMenu.h"
#include "BitmapWindow.h"
#include "DrawingArea.h"
#include "FenGraPlan.h"
#include "MainWindow.h"
#include "PlayerYRay.h"
#include "TabpPiece.h"
#include "Textures.h"

namespace dedalo {

// Command ids: a button's, and one above it the picture menu item's.
namespace cmd {
enum : int {
  Quit = 540, QuitMenu = 541, Forward = 550, ForwardMenu = 551, SeeMaze = 560, SeeMazeMenu = 561,
  Back = 570, BackMenu = 571, StepRight = 580, StepRightMenu = 581, StepLeft = 590, StepLeftMenu = 591,
  About = 600, Help = 610, HelpMenu = 611, Small = 620, SmallMenu = 621, Normal = 630, NormalMenu = 631,
  Large = 640, LargeMenu = 641, TurnRight = 650, TurnRightMenu = 651, TurnLeft = 660, TurnLeftMenu = 661,
};
}  // namespace cmd

// The working area and the drawing tools, with no off-screen copy: everything is
// drawn straight onto the window, which keeps what it shows.
template <class Base>
class TMemDCPaletteWindow : public Base {
public:
  explicit TMemDCPaletteWindow(const GameConfig& config)
      : Base(config), area_(ComputeDrawingArea(config.marginRight, config.marginBottom)) {
    this->SetScreenSize(area_.size());
  }
  QRect DrawingArea() const override { return area_; }
  TMemoryDC& MemDC() override { return screenDC_; }
  const DrawingTools& Tools() const override { return tools_; }

private:
  QRect area_;
  TMemoryDC screenDC_{&this->Screen()};
  DrawingTools tools_;
};

// The mouse over the game window itself does nothing; the plan takes its clicks.
template <class Base>
class TMouseWindow : public Base {
public:
  using Base::Base;
  QPoint ButtonPoint() const override { return {}; }
  QPoint MovePoint() const override { return {}; }
};

// The chain under the game's window: the plain menu layer (the game builds its
// own menu bar), with neither board screen nor game state.
using TMainWindowBase = TMainWindow<TMenuLayer<TMouseWindow<TMemDCPaletteWindow<TBitmapWindow<TGameWindow>>>>>;

// The game: rooms added on the plan, and a walk through them in the 3-D view.
class TMainWindowSuite : public TMainWindowBase {
public:
  TMainWindowSuite();
  static const GameConfig& Config();

  // A new maze: one room, the player in it facing north, and the view drawn at
  // the normal size. The shell runs it once, at set-up.
  void SetupWindow() override;
  void ResetGame() override;

  // After a move or a turn: the facing, the plan and the view.
  void Redraw();
  // The same, with the window cleared in between.
  void SeeMaze();
  void SetViewExponent(int s);
  void AddRoom(int cx, int cy);
  void Walk(Move move);
  void Turn(bool right);

  TabpPiece& Rooms() { return rooms_; }
  Player& ThePlayer() { return player_; }
  PlayerYRay& View() { return view_; }
  Textures& Pictures() { return textures_; }
  TFenGraPlan& Plan() { return *plan_; }

private:
  void PlacePlan();

  TabpPiece rooms_;
  Player player_;
  PlayerYRay view_;
  Textures textures_;
  TFenGraPlan* plan_;
};

using TMyAppCumMenuSuite = ::TMyAppCumMenuSuite<TMainWindowSuite>;

}  // namespace dedalo
