#pragma once
#include "AppCumMenu.h"
#include "Ecran.h"
#include "GameState.h"
#include "Grille.h"
#include "MainWindow.h"
#include "Rectang.h"
#include "TCoffreWindow.h"
#include "TabpPoignee.h"
#include "TraMouseEventSuite.h"

#include <array>

namespace orpello {

// Command ids of the bars and menus.
namespace cmd {
enum : int {
  Quit = 510, QuitMenu = 511, NextLevel = 520, NextLevelMenu = 521, SameLevel = 530, SameLevelMenu = 531,
  PreviousLevel = 540, PreviousLevelMenu = 541, Add = 610, Multiply = 620, GiveUp = 640, GiveUpMenu = 641,
  About = 650, Help = 660, HelpMenu = 661,
};
inline constexpr int kLevelChoices[kLevels] = {560, 570, 590, 600};
// The cell-content menu: id d + 1 declares d nuggets.
constexpr int kFirstDeclaration = 1;
constexpr int kLastDeclaration = 10;
}  // namespace cmd

// Game state: the treasure is the score.
class JeuANNivSuite : public JeuANNiv {
public:
  JeuANNivSuite() : JeuANNiv(0) {}
  int& Treasure() { return score; }
};

class TMainWindowSuite;

// The board screen: the frame's mouse, the cell-content menu, the declarations
// and the drawing of the field.
class EcranSuite : public Ecran, public FrameView {
public:
  EcranSuite(TMainWindowSuite& window, Grille& grille, JeuANNivSuite& jeu);

  void LButtonDown(QPoint p) override { mouse_.LButtonDown(p); }
  void LButtonUp(QPoint p) override { mouse_.LButtonUp(p); }
  void MouseMove(QPoint p, unsigned) override { mouse_.MouseMove(p); }
  void RButtonDown(QPoint p) override;
  void DrawAll() override;

  // A new game's objects: the mouse at rest, the frame over its two cells.
  void NewGame();
  // Declares `d` nuggets for the cell under the last right press.
  void Declare(int d);
  // Shows the framed result of the frame's span.
  void ShowFramed(const Span& span);
  // Every cell shown, the game over.
  void GiveUp();
  // The framed result again, after a change of operation.
  void Recompute() { ShowFramed(frame_.span); }

  // Draws every cell as it stands, for a board without its frame.
  void DrawCells(TDC& dc);
  Rectang& Frame() { return frame_; }
  TraMouseEventSuite& Mouse() { return mouse_; }
  TabpPoignee& Handles() { return stack_; }

  // FrameView.
  void XorOnWindow(const std::vector<QRect>& shapes) override;
  void XorOnBoth(const std::vector<QRect>& shapes) override;
  void SetPointer(TCursor shape) override;
  void Framed(const Span& span) override { ShowFramed(span); }
  QSize Room() const override;

private:
  // Draws the cell on both surfaces, the frame taken off around it.
  void Redraw(const Carre& cell);
  void SetCaption(const QString& text);

  TMainWindowSuite& w_;
  Grille& grille_;
  JeuANNivSuite& jeu_;
  TabpPoignee stack_;
  Rectang frame_;
  TraMouseEventSuite mouse_;
  QPoint rightPress_;
};

// The drawing layer: the cell pens and the frame pen, and how cells and the frame are drawn.
class TMemDCWindowSuite : public TBitmapWindow<TMemDCWindow<TGameWindow>> {
public:
  using TBitmapWindow<TMemDCWindow<TGameWindow>>::TBitmapWindow;
  void DrawHidden(TDC& dc, const QRect& cell) const;
  void DrawRevealed(TDC& dc, const QRect& cell, int value, QPoint textAt) const;
  void DrawXor(TDC& dc, const std::vector<QRect>& shapes) const;

private:
  const std::array<TPen, 10> cellPens_{
      TPen(TColor(255, 255, 0), 3),  TPen(TColor(0, 255, 0), 6),  TPen(TColor(192, 192, 192), 9),
      TPen(TColor(255, 0, 255), 12), TPen(TColor(255, 0, 0), 15), TPen(TColor(128, 128, 0), 18),
      TPen(TColor(0, 128, 0), 18),   TPen(TColor(128, 0, 128), 21), TPen(TColor(128, 0, 0), 24),
      TPen(TColor(0, 0, 0), 27)};
  const TPen framePen_{TColor::LtMagenta, 3};
};

class TMainWindowSuite : public TNLevelChain<TMemDCWindowSuite> {
public:
  TMainWindowSuite();
  static const GameConfig& Config();

  void ApplyLevel() override;
  void ResetGame() override;

  JeuANNivSuite& Jeu() { return jeu_; }
  Grille& Board() { return grille_; }
  EcranSuite& BoardScreen() { return ecran_; }
  TCoffreWindow& Chest() { return *chest_; }

private:
  // Asks before changing the operation; on yes the result is shown again.
  void ChooseOperation(int operation);
  void AskGiveUp();

  JeuANNivSuite jeu_;
  Grille grille_;
  TCoffreWindow* chest_;  // a child window, owned by this one
  EcranSuite ecran_{*this, grille_, jeu_};
};

using TMyAppCumMenuSuite = ::TMyAppCumMenuSuite<TMainWindowSuite>;

}  // namespace orpello
