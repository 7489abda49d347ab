#pragma once

namespace motifs {

// The catalogue of the pictures a bar draws from: entry k is picture
// first + k of the window's table, with the start offset of the last draw.
class Source {
public:
  Source(int count, int first) : count_(count), first_(first) {}
  int Count() const { return count_; }
  int Picture(int entry) const { return first_ + entry; }
  int offset = 0;

private:
  int count_, first_;
};

}  // namespace motifs
