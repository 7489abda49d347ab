#pragma once
#include "Univers.h"

#include <QPoint>
#include <functional>
#include <vector>

class QWidget;
class TChildFrame;

namespace gigogne {

// The world of windows as the game holds it (monde: world): every place
// window with its home, what a new dead end draws and whom a chest tells.
class Monde {
public:
  // A dead end's message index, drawn when it is made.
  std::function<int()> drawIndex = [] { return 0; };
  // Told the number of open chests each time it changes.
  std::function<void(int)> chestsCounted = [](int) {};

  // A new window for `lieu` inside `parent`, of the class its place asks for,
  // with the places inside it; it is put at home and remembered.
  TChildFrame* NewPlace(QWidget* parent, const Lieu& lieu);
  // Remembers a window made elsewhere and puts it at home.
  void Register(TChildFrame* window, QPoint home);
  // Every window back at home at 130 x 27, neither activated nor raised.
  void PutHome();

  struct Place {
    TChildFrame* window;
    QPoint home;
  };
  const std::vector<Place>& Places() const { return places_; }

private:
  std::vector<Place> places_;
};

}  // namespace gigogne
