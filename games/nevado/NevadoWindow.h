#pragma once
#include "AppCumMenu.h"
#include "Ecran.h"
#include "Flocon.h"
#include "Glisse.h"
#include "JeuFrise.h"
#include "MainWindow.h"

namespace nevado {

class TMemDCWindowSuite : public TMemDCWindowBase {
public:
  using TMemDCWindowBase::TMemDCWindowBase;
  // Diameter `i` of `flocon`, in its colour.
  void DrawDiameter(TDC& dc, const Flocon& flocon, int i);
  // The two black strokes across a wrong cell.
  void CrossOut(TDC& dc, const motifs::CaseMotif& cell);
};

// The board screen: presses, releases and moves go to the drag layer; it
// answers them with the flake's outcomes and draws the whole flake.
class EcranSuite : public Ecran, public motifs::Glissable {
public:
  EcranSuite(TMemDCWindowSuite& w, motifs::JeuFrise& jeu) : w_(w), jeu_(jeu) {}
  void LButtonDown(QPoint p) override { glisse_.Mouse().LButtonDown(p); }
  void LButtonUp(QPoint p) override { glisse_.Mouse().LButtonUp(p); }
  void MouseMove(QPoint p, unsigned flags) override { glisse_.Mouse().MouseMove(p, flags); }
  // White, the diameters, the models, the cells to fill, the bar and the texts.
  void DrawAll() override;
  // Every object of a new flake reset, in order: counts, flake, drag.
  void NewGame();

  motifs::Zone Press(QPoint p) override;
  motifs::BaseToSlip& Bar() override { return flocon_.Bar(); }
  void Dropped(QPoint p, int barCell) override;

  Flocon& Board() { return flocon_; }
  motifs::Glisse& Drag() { return glisse_; }

private:
  void Refuse(const char* line2);
  void Judge(Drop drop);

  TMemDCWindowSuite& w_;
  motifs::JeuFrise& jeu_;
  Flocon flocon_;
  motifs::Glisse glisse_{w_, *this};
};

// The game window: a snowflake to complete, each empty arm with the motif of
// the opposite one.
class TMainWindowSuite : public TNLevelChain<TMemDCWindowSuite> {
public:
  TMainWindowSuite();
  static const GameConfig& Config();

  void ApplyLevel() override { ShowLevelName(*this); }
  void ResetGame() override { ecran_.NewGame(); }

  motifs::JeuFrise& Jeu() { return jeu_; }
  EcranSuite& Game() { return ecran_; }

private:
  motifs::JeuFrise jeu_;
  EcranSuite ecran_;
};

using TMyAppCumMenuSuite = ::TMyAppCumMenuSuite<TMainWindowSuite>;

}  // namespace nevado
