#pragma once
#include "AppCumMenu.h"
#include "Ecran.h"
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
inline constexpr int kLevelChoices[kLevelCount] = {584, 585, 586, 587, 588, 589};
}  // namespace cmd

// Game state: the shell's; the game starts at level 1.
class JeuANNivSuite : public JeuANNiv {
public:
  JeuANNivSuite() : JeuANNiv(1) {}
};

class TMainWindowSuite;

// The board screen: reveals with the left button, flags with the right one,
// and gives hints.
class EcranSuite : public Ecran {
public:
  EcranSuite(TMainWindowSuite& window, TabpHexag& board, HelpPointer& pointer, JeuANNivSuite& jeu)
      : w_(window), board_(board), pointer_(pointer), jeu_(jeu) {}
  void LButtonDown(QPoint p) override;
  void LButtonUp(QPoint p) override;
  void RButtonDown(QPoint p) override;
  void DrawAll() override;
  // The hint command.
  void Hint();

private:
  // Draws `h` as it now stands, on the window and on the copy.
  void Draw(Hexag& h);
  void Reveal(Hexag& h);
  void Explode(Hexag& h);
  void ShowOutline(const Hexag& h);
  void HideOutline();
  void NoHint();

  TMainWindowSuite& w_;
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

  void ApplyLevel() override;
  void ResetGame() override;

  JeuANNivSuite& Jeu() { return jeu_; }
  TabpHexag& Board() { return board_; }
  const HelpPointer& Pointer() const { return pointer_; }
  EcranSuite& TheBoardScreen() { return ecran_; }

private:
  JeuANNivSuite jeu_;
  TabpHexag board_;
  HelpPointer pointer_;
  EcranSuite ecran_{*this, board_, pointer_, jeu_};
};

using TMyAppCumMenuSuite = ::TMyAppCumMenuSuite<TMainWindowSuite>;

}  // namespace alveolo
