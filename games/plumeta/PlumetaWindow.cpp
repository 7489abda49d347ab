#include "PlumetaWindow.h"

#include "DecoratedFrame.h"
#include "Keys.h"
#include "ShowMessage.h"
#include "TImpression.h"

#include <algorithm>

namespace plumeta {
namespace {
// The widest ink is 13 pixels: the nib keeps this far from the page's edges.
constexpr int kNibMargin = 7;
// The eraser's circle is drawn 3 pixels wide.
constexpr int kCircleMargin = 2;

QPoint Inside(QPoint p, const QRect& area, int margin) {
  return QPoint(std::clamp(p.x(), margin, std::max(margin, area.width() - 1 - margin)),
                std::clamp(p.y(), margin, std::max(margin, area.height() - 1 - margin)));
}
}  // namespace

QPoint EcranSuite::EraserPoint(QPoint p) const { return Inside(p, w_.DrawingArea(), w_.Radius() + kCircleMargin); }

void EcranSuite::HideCircle() {
  if (!circle_) return;
  TClientDC dc(w_);
  w_.DrawCircle(dc, *circle_);
  circle_.reset();
}

void EcranSuite::ShowCircle(QPoint p) {
  TClientDC dc(w_);
  w_.DrawCircle(dc, p);
  circle_ = p;
}

void EcranSuite::Rub(QPoint p) {
  const QPoint from = rubbed_;
  w_.DrawBoth([&](TDC& dc) { w_.DrawRubbing(dc, from, p); });
  rubbed_ = p;
}

void EcranSuite::LButtonDown(QPoint p) {
  if (outil_ == Crayon) {
    plume_.Lift();  // ink starts at the first move, never from the last stroke's end
    return;
  }
  if (etat_ == Moving_LaSourisBouge) {  // a release we never saw
    etat_ = Attente_PasDeClic;
    return;
  }
  p = EraserPoint(p);
  HideCircle();
  rubbed_ = p;
  Rub(p);
  ShowCircle(p);
  etat_ = Moving_LaSourisBouge;
}

void EcranSuite::LButtonUp(QPoint p) {
  plume_.Lift();
  if (outil_ != Gomme || etat_ != Moving_LaSourisBouge) return;
  HideCircle();
  Rub(EraserPoint(p));
  etat_ = Attente_PasDeClic;
}

void EcranSuite::MouseMove(QPoint p, unsigned flags) {
  if (outil_ == Crayon) {
    if (!(flags & MK_LBUTTON)) {
      plume_.Lift();
      return;
    }
    const Plume::Ink ink = plume_.Move(Inside(p, w_.DrawingArea(), kNibMargin));
    w_.DrawBoth([&](TDC& dc) { w_.DrawInk(dc, ink.from, ink.to, ink.width); });
    return;
  }
  p = EraserPoint(p);
  HideCircle();
  if (etat_ == Moving_LaSourisBouge) Rub(p);
  ShowCircle(p);
}

void EcranSuite::ChoosePen() {
  w_.SetCaption(QStringLiteral("P L U M E T A - en mode Ecriture"));
  w_.SetCursorShape(TCursor::Arrow);
  outil_ = Crayon;
  etat_ = Attente_PasDeClic;
  HideCircle();
}

void EcranSuite::ChooseEraser(int radius, const QString& caption) {
  w_.SetCaption(caption);
  HideCircle();
  w_.SetRadius(radius);
  w_.SetCursorShape(TCursor::Cross);
  outil_ = Gomme;
  etat_ = Attente_PasDeClic;
  plume_.Lift();
}

void EcranSuite::Clear() {
  if (ShowMessage(&w_, "A  T  T  E  N  T  I  O  N", "Faut-il vraiment tout effacer ?", 4, MessageYesNo) != AnswerYes)
    return;
  w_.ClearScreen();
  circle_.reset();
}

TMainWindowSuite::TMainWindowSuite() : TOneLevelChain<TPrinterWindow>(Config()) {
  SetGameObjects(&jeu_, &ecran_);
  OnCommandPair({cmd::Pen, cmd::PenMenu}, [this] { ecran_.ChoosePen(); });
  OnCommandPair({cmd::SmallEraser, cmd::SmallEraserMenu},
                [this] { ecran_.ChooseEraser(kSmallEraser, QStringLiteral("P L U M E T A  -  Mode petite gomme ")); });
  OnCommandPair({cmd::NormalEraser, cmd::NormalEraserMenu},
                [this] { ecran_.ChooseEraser(kNormalEraser, QStringLiteral("P L U M E T A  -  Mode gomme normale")); });
  OnCommandPair({cmd::LargeEraser, cmd::LargeEraserMenu},
                [this] { ecran_.ChooseEraser(kLargeEraser, QStringLiteral("P L U M E T A  -  Mode grande gomme ")); });
  OnCommandPair({cmd::Clear, cmd::ClearMenu}, [this] { ecran_.Clear(); });
  OnCommand(cmd::ChoosePrinter, [this] { Printer().Setup(this, QString::fromUtf8("Choix de l'imprimante")); });
  OnCommand(cmd::Print, [this] { Print(); });
}

void TMainWindowSuite::Paint(TDC& dc, const QRect& rect) {
  TOneLevelChain<TPrinterWindow>::Paint(dc, rect);
  ecran_.ForgetCircle();
}

void TMainWindowSuite::SetCaption(const QString& caption) {
  if (auto* frame = dynamic_cast<TDecoratedFrame*>(window())) frame->SetCaption(caption);
}

void TMainWindowSuite::Print() {
  TImpression page(*MemDC().Image());
  if (Printer().Print(this, page) == TPrinter::Result::Failed)
    ShowMessage(this, "A  T  T  E  N  T  I  O  N", QString::fromUtf8("L'impression n'a pas pu se faire."), 1, MessageOk);
}

}  // namespace plumeta
