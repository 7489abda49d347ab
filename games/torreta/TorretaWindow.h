#pragma once
#include "AppCumMenu.h"
#include "Ecran.h"
#include "GameState.h"
#include "MainWindow.h"
#include "ToSlip.h"
#include "TraMouseEvent.h"

namespace torreta {

// Command ids of the bars.
namespace cmd {
enum : int {
  Quit = 530, QuitMenu = 531, NextLevel = 572, NextLevelMenu = 573, SameLevel = 574, SameLevelMenu = 575,
  PreviousLevel = 576, PreviousLevelMenu = 577, About = 560, Help = 570, HelpMenu = 571,
};
inline constexpr int kLevelChoices[5] = {578, 579, 581, 582, 583};
}  // namespace cmd

enum MouseMode { AtRest = 1, Dragging = 2 };

// Game state: the shell's, starting at level 0, with the moves made and the
// moves refused.
class JeuANNivSuite : public JeuANNiv {
public:
  JeuANNivSuite() : JeuANNiv(0) {}
  int moves = 0, errors = 0;
  void NewGame() {
    Reset();
    moves = errors = 0;
  }
};

// The game's drawing: the example's band and its words, the slots, and the
// dragged disc, a mark on the window alone.
class TMemDCWindowSuite : public TMemDCWindowBase {
public:
  using TMemDCWindowBase::TMemDCWindowBase;
  // The light grey band from `left` to the right of the area, with its words.
  void DrawBand(TDC& dc, int left);
  // Every slot but the example's top one, which is never shown.
  void DrawSlots(TDC& dc, const ToSlip& board);
  void DrawSlot(TDC& dc, const CaseDisque& slot, int kind);
  // The picture of disc `kind` on the window alone, its corner at `at`.
  void MarkDisc(int kind, QPoint at);
  // The window at `at` restored from the off-screen copy, over a disc's size.
  void WipeDisc(QPoint at);
};

class TMainWindowSuite;

// A press on a disc on top of its stack starts a drag; a release ends it.
class TraMouseLeftButtonSuite : public TraMouseLeftButton {
public:
  explicit TraMouseLeftButtonSuite(TMainWindowSuite& w) : w_(w) {}
  void Down(TraMouseEvent& event, QPoint p) override;
  void Up(TraMouseEvent& event, QPoint p) override;

private:
  TMainWindowSuite& w_;
};

// While dragging, the disc follows the pointer.
class TraMouseMoveSuite : public TraMouseMove {
public:
  explicit TraMouseMoveSuite(TMainWindowSuite& w) : w_(w) {}
  void Move(TraMouseEvent& event, QPoint p, unsigned flags) override;

private:
  TMainWindowSuite& w_;
};

// The board screen: presses, releases and moves go to the mouse translators.
class EcranSuite : public Ecran {
public:
  EcranSuite(TMainWindowSuite& w, TraMouseEvent& mouse) : w_(w), mouse_(mouse) {}
  void LButtonDown(QPoint p) override { mouse_.LButtonDown(p); }
  void LButtonUp(QPoint p) override { mouse_.LButtonUp(p); }
  void MouseMove(QPoint p, unsigned flags) override { mouse_.MouseMove(p, flags); }
  // The white screen, the band and its words, every slot and the counters.
  void DrawAll() override;

private:
  TMainWindowSuite& w_;
  TraMouseEvent& mouse_;
};

class TMainWindowSuite : public TNLevelChain<TMemDCWindowSuite> {
public:
  TMainWindowSuite();
  static const GameConfig& Config();

  void ApplyLevel() override;
  void ResetGame() override;

  // The press's outcome: a drag started, or a refusal answered and counted.
  void PickUp(TraMouseEvent& mouse, QPoint p);
  // The dragged disc drawn at the pointer, wiped where it was last drawn.
  void Follow(QPoint p);
  // The dragged disc let go at `p`, the move made or refused.
  void LetGo(QPoint p);
  // A drag whose release never came: the disc goes back, nothing is counted.
  void CancelDrag();
  // Every slot drawn again on both surfaces.
  void RedrawSlots();

  JeuANNivSuite& Jeu() { return jeu_; }
  ToSlip& Board() { return board_; }
  TraMouseEvent& Mouse() { return mouse_; }
  // Where the dragged disc was last drawn on the window.
  QPoint MarkedAt() const { return markedAt_; }

private:
  void StartDrag();
  void Refuse();
  void CountError();

  JeuANNivSuite jeu_;
  ToSlip board_;
  TraMouseEvent mouse_;
  TraMouseLeftButtonSuite left_{*this};
  TraMouseMoveSuite move_{*this};
  EcranSuite ecran_{*this, mouse_};
  QPoint markedAt_;
};

using TMyAppCumMenuSuite = ::TMyAppCumMenuSuite<TMainWindowSuite>;

}  // namespace torreta
