#pragma once

namespace visado {

// The catalogue of pictures that the row is taken from: thirty pictures in a
// ring, read from `offset` on.
class Source {
public:
  static constexpr int kCount = 30;
  int offset = 0;
  // The catalogue index of the i-th picture from the offset.
  int Picture(int i) const { return (offset + i) % kCount; }
};

}  // namespace visado
