#pragma once
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace orpello {

// A whole number of any length, never negative, grown by adding and
// multiplying small numbers: enough for the exact sum or product of a field of
// digits (9 to the 144th has 138 digits). Kept in base 10^9, lowest part first.
class Entier {
public:
  Entier(std::uint32_t v = 0) { *this = v; }
  Entier& operator=(std::uint32_t v);
  Entier& operator+=(std::uint32_t v);
  Entier& operator*=(std::uint32_t v);
  // Its decimal digits, without leading zeros ("0" for zero).
  std::string ToString() const;

  friend bool operator==(const Entier& a, const Entier& b) { return a.parts_ == b.parts_; }
  friend std::ostream& operator<<(std::ostream& out, const Entier& e) { return out << e.ToString(); }

private:
  static constexpr std::uint32_t kBase = 1000000000u;
  std::vector<std::uint32_t> parts_;  // never empty; no zero part at the top but for zero itself
};

}  // namespace orpello
