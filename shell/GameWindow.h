#pragma once
#include "GameConfig.h"
#include "Window.h"

#include <QRect>
#include <functional>

class Ecran;
class JeuBase;

// The eight drawing tools every game window carries.
struct DrawingTools {
  TPen whitePen{TColor::White}, ltGrayPen{TColor::LtGray}, grayPen{TColor::Gray}, blackPen{TColor::Black};
  TBrush ltGrayBrush{TColor::LtGray}, navyBrush{TColor(0, 0, 127)}, whiteBrush{TColor::White}, ltRedBrush{TColor::LtRed};
};

enum class StatusField { Message, First, Second };

// What every layer of the game window offers to the game, which is handed its
// window by reference: pictures, drawing area, off-screen copy, tools, recorded
// mouse points, status texts, and the game's own steps.
class TGameWindow : public TWindow {
public:
  explicit TGameWindow(const GameConfig& config);
  ~TGameWindow() override;

  const GameConfig& Config() const { return config_; }

  // Picture layer.
  virtual int PictureCount() const = 0;
  virtual TMemoryDC& PictureDC(int index) = 0;
  // Memory layer.
  virtual QRect DrawingArea() const = 0;
  virtual TMemoryDC& MemDC() = 0;
  virtual const DrawingTools& Tools() const = 0;
  // Mouse layers: the last button point and the last move point, clamped.
  virtual QPoint ButtonPoint() const = 0;
  virtual QPoint MovePoint() const = 0;
  // Top layer: writes a text in one of the status fields.
  virtual void WriteStatus(StatusField field, const QString& text) = 0;

  // Draws with `draw` on the window and on the off-screen copy alike.
  void DrawBoth(const std::function<void(TDC&)>& draw);
  // Fills the whole screen's size with white on both surfaces.
  void ClearScreen();
  // The font the program writes with, on the board as in the bars.
  const TFont& SharedFont() const;

  // The game's objects that the input layers and the restart reach; a game
  // names them in its window's constructor.
  void SetGameObjects(JeuBase* jeu, Ecran* ecran) { jeu_ = jeu; ecran_ = ecran; }
  JeuBase* Jeu() const { return jeu_; }
  Ecran* TheEcran() const { return ecran_; }

  // The highest level the child may choose: the last one, unless the grown-up
  // locked the levels above.
  int TopLevel() const { return topLevel_ < 0 ? config_.levelCount - 1 : topLevel_; }
  void SetTopLevel(int level) { topLevel_ = level; }

  // The game's steps of a new game: its level parameters and level name, then
  // the reset of every game object in its fixed order.
  virtual void ApplyLevel() {}
  virtual void ResetGame() {}
  // The new game of a one-level game: phase 0, a white screen, then the
  // game's reset and its whole board drawn.
  virtual void NewGame();

  // Binds both ids of a command, the button's and the picture menu's (an id of 0 is none).
  void OnCommandPair(const CommandPair& pair, const std::function<void()>& handler) {
    if (pair.button) OnCommand(pair.button, handler);
    if (pair.menu) OnCommand(pair.menu, handler);
  }

  // The toggle buttons of the frame's button bar: press one (the rest of its
  // group comes up), release a whole group, or ask whether one is pressed.
  void PressButton(int command);
  void ReleaseButtons(int group);
  bool ButtonPressed(int command) const;

  // The shared commands: quit (asks first), help and about.
  void Quit();
  void Help();
  void About();

protected:
  bool AskQuit();

private:
  const GameConfig& config_;
  JeuBase* jeu_ = nullptr;
  Ecran* ecran_ = nullptr;
  int topLevel_ = -1;
};
