#pragma once
#include "AppCumMenu.h"
#include "Board.h"
#include "GameState.h"
#include "Hexag.h"
#include "MainWindow.h"

#include <array>
#include <memory>

namespace alveolo {

// Command ids of the bars.
namespace cmd {
enum : int {
  Quit = 510, QuitMenu = 511, About = 560, Hint = 565, Rules = 570, NextLevel = 571, SameLevel = 572,
  PreviousLevel = 573, NextLevelMenu = 591, SameLevelMenu = 592, PreviousLevelMenu = 593, RulesMenu = 596,
};
inline constexpr int kLevels[kLevels] = {584, 585, 586, 587, 588, 589};
}  // namespace cmd

// Game state: the shell's; the game starts at level 1.
class JeuANNivSuite : public JeuANNiv {
public:
  JeuANNivSuite() : JeuANNiv(1) {}
};

class TMainWindowSuite;

// The board screen: reveals with the left button, flags with the right one,
// and gives hints.
class Ecran : public ::Ecran {
public:
  Ecran(TabpHexag& board, HelpPointer& pointer, JeuANNivSuite& jeu) : board_(board), pointer_(pointer), jeu_(jeu) {}
  void LButtonDown() override;
  void LButtonUp() override;
  void RButtonDown() override;
  void DrawAll() override;
  // The hint command.
  void Hint();

private:
  TMainWindowSuite& Window() const;
  // Draws `h` as it now stands, on the window and on the copy.
  void Draw(Hexag& h);
  void Reveal(Hexag& h);
  void Explode(Hexag& h);
  void ShowOutline(const Hexag& h);
  void HideOutline();
  void NoHint();

  TabpHexag& board_;
  HelpPointer& pointer_;
  JeuANNivSuite& jeu_;
};

// The game's drawing tools: the fourteen cell pictures and the outline's pen.
class TMemDCWindowSuite : public TMemDCWindowBase {
public:
  explicit TMemDCWindowSuite(const GameConfig& config);

  TMemoryDC& HexagDC(int image) { return *hexagonDCs_[image]; }
  // Draws cell `h` with its picture through the hexagon mask: AND with the
  // mask, then OR with the picture, so that only the hexagon changes.
  void DrawHexag(TDC& dc, const Hexag& h);
  void DrawHexag(const Hexag& h);
  // Draws the outline around `pointer`'s centre in exclusive-or on the window
  // only; drawing it a second time takes it away.
  void DrawOutline(const HelpPointer& pointer);

private:
  std::array<TBitmap, ImageCount> hexagons_;
  std::array<std::unique_ptr<TMemoryDC>, ImageCount> hexagonDCs_;
  TPen outlinePen_;
};

class TMainWindowSuite : public TNLevelChain<TMemDCWindowSuite> {
public:
  TMainWindowSuite();
  static const GameConfig& Config();

  void SetupWindow() override;
  void ApplyLevel() override;
  void ResetGame() override;

  JeuANNivSuite& Jeu() { return jeu_; }
  TabpHexag& Board() { return board_; }
  const HelpPointer& Pointer() const { return pointer_; }
  alveolo::Ecran& TheBoardScreen() { return ecran_; }

private:
  JeuANNivSuite jeu_;
  TabpHexag board_;
  HelpPointer pointer_;
  alveolo::Ecran ecran_{board_, pointer_, jeu_};
  Case dialogCase_;
};

using TMyAppCumMenuSuite = ::TMyAppCumMenuSuite<TMainWindowSuite>;

}  // namespace alveolo
