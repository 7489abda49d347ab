#pragma once
#include "Ecran.h"
#include "GameConfig.h"
#include "GameState.h"
#include "ShowMessage.h"

#include <QPoint>
#include <algorithm>

// Three points of the last event: previous, current and a copy of current.
struct RecordedPoints {
  QPoint previous, current, copy;
  void Record(QPoint p, const QRect& area) {
    previous = current;
    current = QPoint(std::clamp(p.x(), 0, area.width()), std::clamp(p.y(), 0, area.height()));
    copy = current;
  }
};

// Button layer: records the clamped point of each press and release (the mouse is
// held by the window from press to release) and hands it to the game state's
// phase gate, on its way to the board screen.
template <class Base>
class TMouseLRButtonWindow : public Base {
public:
  using Base::Base;
  QPoint ButtonPoint() const override { return button_.current; }
  const RecordedPoints& ButtonPoints() const { return button_; }

protected:
  void EvLButtonDown(unsigned, QPoint p) override {
    button_.Record(p, this->DrawingArea());
    if (this->Jeu() && this->TheEcran()) this->Jeu()->LButtonDown(*this, *this->TheEcran(), button_.current);
  }
  void EvLButtonUp(unsigned, QPoint p) override {
    button_.Record(p, this->DrawingArea());
    if (this->Jeu() && this->TheEcran()) this->Jeu()->LButtonUp(*this->TheEcran(), button_.current);
  }
  void EvRButtonDown(unsigned, QPoint p) override {
    button_.Record(p, this->DrawingArea());
    if (this->Jeu() && this->TheEcran()) this->Jeu()->RButtonDown(*this->TheEcran(), button_.current);
  }
  void EvRButtonUp(unsigned, QPoint p) override {
    button_.Record(p, this->DrawingArea());
    if (this->Jeu() && this->TheEcran()) this->Jeu()->RButtonUp(*this->TheEcran(), button_.current);
  }
  void EvLButtonDblClk(unsigned, QPoint) override {
    if (this->Config().doubleClickNotice)
      ShowMessage(this, "A T T E N T I O N !", "Tu as fait un double clic", "qui n'est pas traité dans ce programme !",
                  1, MessageOk);
  }

private:
  RecordedPoints button_;
};

// Move layer: records the key flags and the clamped point of each move and hands
// it to the board screen, whatever the phase.
template <class Base>
class TMouseMoveWindow : public Base {
public:
  using Base::Base;
  QPoint MovePoint() const override { return move_.current; }
  const RecordedPoints& MovePoints() const { return move_; }
  unsigned MoveFlags() const { return flags_; }

protected:
  void EvMouseMove(unsigned flags, QPoint p) override {
    flags_ = flags;
    move_.Record(p, this->DrawingArea());
    if (this->TheEcran()) this->TheEcran()->MouseMove(move_.current, flags);
  }

private:
  unsigned flags_ = 0;
  RecordedPoints move_;
};
