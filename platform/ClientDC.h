#pragma once
#include "DC.h"

#include <QImage>
#include <QRect>
#include <vector>

class TWindow;

// Drawing on a window's screen. What the drawings leave as it was is not sent
// to the screen again: the context keeps the pixels of the areas it is about
// to draw on and, when it ends (or a modal box is about to show), updates the
// window only where they differ. Past a budget of kept pixels it updates each
// drawing's area as it goes, and so does a context on a window not shown yet
// or one asked to send every drawing as it is made (a whole repaint, where
// keeping pixels would only cost time).
class TClientDC : public TDC {
public:
  enum class Sending { OnlyChanges, AsDrawn };
  explicit TClientDC(TWindow& window, Sending sending = Sending::OnlyChanges);
  ~TClientDC() override;

  // Sends the changes of every live context to the screen now: called before
  // a modal box runs its own event loop over a half-drawn window.
  static void PushAll();

protected:
  void Touching(const QRect& area) override;
  void Changed(const QRect& area) override;

private:
  // Updates the window where the pixels differ from those kept, then keeps
  // the present ones.
  void Push();
  bool Kept(const QRect& area) const;

  struct Before {
    QRect area;
    QImage pixels;
  };
  TWindow& window_;
  QSize size_;
  std::vector<Before> before_;
  qint64 keptPixels_ = 0;
  bool asDrawn_ = false;  // no pixels kept: each drawing updates its area
  TClientDC* next_ = nullptr;  // the live contexts, most recent first
};
