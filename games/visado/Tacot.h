#pragma once

namespace visado {

// The jalopy (tacot): a 49 x 49 vehicle driving along the road, drawn through
// its mask so that only the vehicle covers what lies behind.
class Tacot {
public:
  static constexpr int kMaskPicture = 30;    // table entry of the mask
  static constexpr int kColourPicture = 31;  // and of the colour picture
  int step = 1;                              // pixels per step
  int x = 0, y = 0;
};

}  // namespace visado
