#pragma once
#include "AppCumMenu.h"
#include "Ecran.h"
#include "EcranPourLeftButton.h"
#include "EcranPourMouseMove.h"
#include "GameState.h"
#include "Ligne.h"
#include "MainWindow.h"
#include "TScrollBarWindow.h"
#include "TabpCase.h"

namespace felino {

// Command ids of the bars.
namespace cmd {
enum : int {
  Quit = 530, QuitMenu = 531, Look = 541, Start = 550, StartMenu = 551, About = 560, Help = 570, HelpMenu = 571,
  FirstColumn = 580,  // columns 0 to 9 are 580 to 589
  FirstRow = 590,     // rows 0 to 9 are 590 to 599
};
}  // namespace cmd

// Toggle groups of the digit buttons.
enum : int { kColumnDigits = 1, kRowDigits = 2 };

// Pictures of the window's table: the bin, then the heats 0 to 4.
enum : int { kPoubelle = 0, kFirstHeat = 1 };

// Game state: phase 0 before the first look, 1 afterwards; finding the cat
// does not end the game.
class JeuA1NivSuite : public JeuA1Niv {};

class TMainWindowSuite;

// The board screen: hover, drag and release of the markers; drawing the board.
class EcranSuite : public Ecran {
public:
  EcranSuite(TMainWindowSuite& window, TabpCase& board) : w_(window), board_(board) {}
  void LButtonDown(QPoint p) override;
  void LButtonUp(QPoint p) override;
  void MouseMove(QPoint p, unsigned flags) override;
  // A white screen, the hundred bins, both markers on cell (0, 0), no try.
  void DrawAll() override;
  void Reset() override;

  int HoverCode() const { return move_.code; }
  bool Dragging() const { return button_.state == EcranPourLeftButton::Glisse; }

private:
  TMainWindowSuite& w_;
  TabpCase& board_;
  EcranPourMouseMove move_;
  EcranPourLeftButton button_;
};

class TMainWindowSuite : public TOneLevelChain<TScrollBarWindow> {
public:
  TMainWindowSuite();
  static const GameConfig& Config();

  // The game's part of the restart: bars, hover, buttons, the cat hidden again.
  void ResetGame() override;

  // Moves a bar to column (or row) `index` and redraws its marker there.
  void SnapColumn(int index);
  void SnapRow(int index);
  // Draws a marker again at its bar's position, taking it off its old place first.
  void RedrawColumnMarker();
  void RedrawRowMarker();
  // The choice from the bars' positions (as given), shown in the message field.
  bool ChooseAndShow(int hpos, int vpos);
  // Presses the digit buttons of the chosen cell, releasing the others.
  void PressChosenDigits();
  void ForgetMarkers() { columnMarker_.drawn = rowMarker_.drawn = false; }
  void ShowTries();

  void ChooseColumn(int c);
  void ChooseRow(int r);
  void Look();

  TabpCase& Board() { return board_; }
  JeuA1NivSuite& Jeu() { return jeu_; }
  const Ligne& ColumnMarker() const { return columnMarker_; }
  const Ligne& RowMarker() const { return rowMarker_; }
  EcranSuite& Screen() { return ecran_; }

protected:
  void ScrollBarChanged(int id) override;

private:
  void Redraw(Ligne& marker, int position);

  JeuA1NivSuite jeu_;
  TabpCase board_;
  Ligne rowMarker_{Ligne::Rangee, TColor(128, 0, 0)};
  Ligne columnMarker_{Ligne::Colonne, TColor(0, 128, 0)};
  EcranSuite ecran_{*this, board_};
};

using TMyAppCumMenuSuite = ::TMyAppCumMenuSuite<TMainWindowSuite>;

}  // namespace felino
