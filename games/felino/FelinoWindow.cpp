#include "FelinoWindow.h"

#include "Random.h"
#include "ShowMessage.h"

#include <cstdio>

namespace felino {
namespace {
const char* const kChosen = "Case choisie : ";
}  // namespace

// ---- The board screen: hover, drag and release of the markers.

void EcranSuite::MouseMove(QPoint p, unsigned) {
  TScrollBar& h = w_.Horizontal();
  TScrollBar& v = w_.Vertical();
  if (!Dragging()) {
    move_.code = EcranPourMouseMove::HoverCode(p, h.GetPosition(), v.GetPosition());
    w_.SetCursorShape(EcranPourMouseMove::Pointer(move_.code));
    return;
  }
  // The grabbed marker follows the pointer; its bar holds it inside the range.
  if (move_.code & EcranPourMouseMove::SurRangee) {
    v.SetPosition(p.y() - 11);
    w_.RedrawRowMarker();
  }
  if (move_.code & EcranPourMouseMove::SurColonne) {
    h.SetPosition(p.x() - 11);
    w_.RedrawColumnMarker();
  }
}

void EcranSuite::LButtonDown(QPoint p) {
  const int code = EcranPourMouseMove::HoverCode(p, w_.Horizontal().GetPosition(), w_.Vertical().GetPosition());
  if (code == EcranPourMouseMove::Rien) return;
  move_.code = code;
  button_.state = EcranPourLeftButton::Glisse;
}

void EcranSuite::LButtonUp(QPoint) {
  if (Dragging() && move_.code != EcranPourMouseMove::Rien) {
    // From the markers' middles, so that the nearest cell is chosen; past the
    // board the choice stays and the markers go back to it.
    w_.ChooseAndShow(w_.Horizontal().GetPosition() + 14, w_.Vertical().GetPosition() + 14);
    w_.SnapColumn(board_.Column());
    w_.SnapRow(board_.Row());
    w_.PressChosenDigits();
  }
  button_.state = EcranPourLeftButton::Repos;
  move_.code = EcranPourMouseMove::Rien;
}

void EcranSuite::Reset() {
  button_.state = EcranPourLeftButton::Repos;
  move_.code = EcranPourMouseMove::Rien;
}

void EcranSuite::DrawAll() {
  w_.ClearScreen();
  w_.DrawBoth([this](TDC& dc) {
    for (int r = 0; r < kSide; ++r)
      for (int c = 0; c < kSide; ++c) board_.At(c, r).DrawPicture(w_, dc, kPoubelle);
  });
  w_.ForgetMarkers();
  board_.ResetChoice();
  w_.SnapColumn(0);
  w_.SnapRow(0);
  w_.ChooseAndShow(w_.Horizontal().GetPosition(), w_.Vertical().GetPosition());
  w_.ShowTries();
}

// ---- The window: markers, bars, digit commands and the look.

TMainWindowSuite::TMainWindowSuite() : TOneLevelChain<TScrollBarWindow>(Config()) {
  SetGameObjects(&jeu_, &ecran_);
  OnCommand(cmd::Look, [this] { Look(); });
  for (int k = 0; k < kSide; ++k) {
    OnCommand(cmd::FirstColumn + k, [this, k] { ChooseColumn(k); });
    OnCommand(cmd::FirstRow + k, [this, k] { ChooseRow(k); });
  }
}

void TMainWindowSuite::ResetGame() {
  SetBarRanges(kRangeMin, kCellSize);
  Vertical().SetPosition(50);
  Horizontal().SetPosition(200);
  ecran_.Reset();
  SetCursorShape(TCursor::Arrow);
  ReleaseButtons(kColumnDigits);
  ReleaseButtons(kRowDigits);
  const int column = Random::Draw(kSide);
  const int row = Random::Draw(kSide);
  board_.Hide(column, row);
}

void TMainWindowSuite::Redraw(Ligne& marker, int position) {
  const QSize area = DrawingArea().size();
  DrawBoth([&](TDC& dc) {
    if (marker.drawn) marker.DrawAt(dc, marker.place, area);
    marker.DrawAt(dc, position, area);
  });
  marker.place = position;
  marker.drawn = true;
}

void TMainWindowSuite::RedrawColumnMarker() { Redraw(columnMarker_, Horizontal().GetPosition()); }
void TMainWindowSuite::RedrawRowMarker() { Redraw(rowMarker_, Vertical().GetPosition()); }

void TMainWindowSuite::SnapColumn(int index) {
  Horizontal().SetPosition(PositionOf(index));
  RedrawColumnMarker();
}

void TMainWindowSuite::SnapRow(int index) {
  Vertical().SetPosition(PositionOf(index));
  RedrawRowMarker();
}

bool TMainWindowSuite::ChooseAndShow(int hpos, int vpos) {
  const bool chosen = board_.Choose(hpos, vpos);
  SetMessageField(kChosen, board_.Row(), board_.Column());
  return chosen;
}

void TMainWindowSuite::PressChosenDigits() {
  PressButton(cmd::FirstColumn + board_.Column());
  PressButton(cmd::FirstRow + board_.Row());
}

void TMainWindowSuite::ShowTries() {
  if (board_.Tries() == 0)
    SetFirstField("Pas d'essai");
  else
    SetFirstField(board_.Tries(), "Essai(s)");
}

void TMainWindowSuite::ScrollBarChanged(int id) {
  ChooseAndShow(Horizontal().GetPosition(), Vertical().GetPosition());
  // The moved bar goes back onto the chosen cell, also when it was moved past
  // the board: bars, markers and choice always agree.
  if (id == kHorizontalBar) {
    SnapColumn(board_.Column());
    PressButton(cmd::FirstColumn + board_.Column());
  } else {
    SnapRow(board_.Row());
    PressButton(cmd::FirstRow + board_.Row());
  }
}

void TMainWindowSuite::ChooseColumn(int c) {
  SnapColumn(c);
  PressButton(cmd::FirstColumn + c);
  ChooseAndShow(Horizontal().GetPosition(), Vertical().GetPosition());
}

void TMainWindowSuite::ChooseRow(int r) {
  SnapRow(r);
  PressButton(cmd::FirstRow + r);
  ChooseAndShow(Horizontal().GetPosition(), Vertical().GetPosition());
}

void TMainWindowSuite::Look() {
  jeu_.phase = PhaseInProgress;
  board_.Choose(Horizontal().GetPosition(), Vertical().GetPosition());
  const int heat = board_.Look();
  board_.Chosen().DrawPicture(*this, kFirstHeat + heat);
  ShowTries();
  if (heat == TheCat) {
    char line[80];
    std::snprintf(line, sizeof line, "Tu as trouvé  T I G R O N  en %d coups", board_.Tries());
    ShowMessage(this, "B  R  A  V  O ", QString::fromUtf8(line), 2, MessageOk);
  }
}

}  // namespace felino
