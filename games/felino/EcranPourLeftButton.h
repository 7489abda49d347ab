#pragma once

namespace felino {

// The left button: idle, or dragging a marker (or both) since a press on its band.
class EcranPourLeftButton {
public:
  enum : int { Repos = 1, Glisse = 2 };
  int state = Repos;
};

}  // namespace felino
