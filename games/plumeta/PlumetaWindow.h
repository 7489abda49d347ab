#pragma once
#include "AppCumMenu.h"
#include "Ecran.h"
#include "GameState.h"
#include "MainWindow.h"
#include "Plume.h"
#include "TPrinterWindow.h"

#include <optional>

namespace plumeta {

// Command ids of the bars.
namespace cmd {
enum : int {
  ChoosePrinter = 101, Print = 102,
  Quit = 510, QuitMenu = 511, Clear = 520, ClearMenu = 521, About = 530, Help = 535, HelpMenu = 536,
  SmallEraser = 540, SmallEraserMenu = 541, NormalEraser = 543, NormalEraserMenu = 544,
  LargeEraser = 545, LargeEraserMenu = 546, Pen = 550, PenMenu = 551,
};
}  // namespace cmd

// The eraser radii.
enum : int { kSmallEraser = 6, kNormalEraser = 18, kLargeEraser = 54 };

class TMainWindowSuite;

// The writing page: the pen writes, the eraser rubs out under its circle.
class EcranSuite : public Ecran {
public:
  enum Outil { Crayon = 0, Gomme = 1 };
  enum Etat { Attente_PasDeClic = 0, Moving_LaSourisBouge = 2 };

  explicit EcranSuite(TMainWindowSuite& window) : w_(window) {}
  void LButtonDown(QPoint p) override;
  void LButtonUp(QPoint p) override;
  void MouseMove(QPoint p, unsigned flags) override;

  // The tools: the pen, or an eraser of radius `radius` named in `caption`.
  void ChoosePen();
  void ChooseEraser(int radius, const QString& caption);
  // Asks first, then whitens the whole page.
  void Clear();
  // The window was painted again from the copy: the eraser's circle is gone.
  void ForgetCircle() { circle_.reset(); }

  Outil Tool() const { return outil_; }
  Etat State() const { return etat_; }
  const Plume& Pen() const { return plume_; }
  std::optional<QPoint> Circle() const { return circle_; }

private:
  void HideCircle();
  void ShowCircle(QPoint p);
  // Where the eraser may stand: its circle and its rubbing stay on the page.
  QPoint EraserPoint(QPoint p) const;
  void Rub(QPoint p);

  TMainWindowSuite& w_;
  Outil outil_ = Crayon;
  Etat etat_ = Attente_PasDeClic;
  Plume plume_;
  std::optional<QPoint> circle_;  // where the eraser's circle shows on the window
  QPoint rubbed_;                 // the end of the rubbing line so far
};

class TMainWindowSuite : public TOneLevelChain<TPrinterWindow> {
public:
  TMainWindowSuite();
  static const GameConfig& Config();

  void Paint(TDC& dc, const QRect& rect) override;
  void SetCaption(const QString& caption);
  void Print();
  EcranSuite& Page() { return ecran_; }

private:
  JeuA1Niv jeu_;
  EcranSuite ecran_{*this};
};

using TMyAppCumMenuSuite = ::TMyAppCumMenuSuite<TMainWindowSuite>;

}  // namespace plumeta
