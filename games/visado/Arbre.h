#pragma once

namespace visado {

// The tree at the end of the road: 123 x 123, nine pictures from full foliage
// to bare branches.
class Arbre {
public:
  static constexpr int kSide = 123;
  static constexpr int kFirstPicture = 32;  // table entry of the full tree
  static constexpr int kPictures = 9;
  int x = 0, y = 0;
};

}  // namespace visado
