#pragma once
#include "DraggedMark.h"
#include "Glissable.h"
#include "TraMouseEvent.h"

class TGameWindow;

namespace motifs {

class Glisse;

// The translators of the drag: presses and releases, and moves.
class TraMouseLeftButtonGlisse : public TraMouseLeftButton {
public:
  explicit TraMouseLeftButtonGlisse(Glisse& g) : g_(g) {}
  void Down(TraMouseEvent&, QPoint p) override;
  void Up(TraMouseEvent&, QPoint p) override;

private:
  Glisse& g_;
};

class TraMouseMoveGlisse : public TraMouseMove {
public:
  explicit TraMouseMoveGlisse(Glisse& g) : g_(g) {}
  void Move(TraMouseEvent&, QPoint p, unsigned flags) override;

private:
  Glisse& g_;
};

// The drag of a bar picture: a press on the bar picks the picture up (its
// cell shows empty in the off-screen copy), the picture follows the pointer on
// the window alone, and the release hands it to the game to judge.
class Glisse {
public:
  Glisse(TGameWindow& window, Glissable& game);
  TraMouseEvent& Mouse() { return mouse_; }
  const DraggedMark& Mark() const { return mark_; }
  bool Dragging() const { return mouse_.mode == motifs::Dragging; }

  void Down(QPoint p);
  void Up(QPoint p);
  void Move(QPoint p, unsigned flags);
  // A new game: the mouse at rest and nothing picked, the mark forgotten on
  // the whitened window; a release that follows judges nothing.
  void Reset();

private:
  // A drag whose release never reached the window: the picture goes home.
  void Cancel();
  QPoint MarkCorner(QPoint p) const;

  TGameWindow& w_;
  Glissable& game_;
  TraMouseEvent mouse_;
  TraMouseLeftButtonGlisse left_{*this};
  TraMouseMoveGlisse move_{*this};
  DraggedMark mark_;
};

}  // namespace motifs
