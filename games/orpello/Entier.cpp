#include "Entier.h"

namespace orpello {

Entier& Entier::operator=(std::uint32_t v) {
  parts_.clear();
  do {
    parts_.push_back(v % kBase);
    v /= kBase;
  } while (v != 0);
  return *this;
}

Entier& Entier::operator+=(std::uint32_t v) {
  std::uint64_t carry = v;
  for (size_t i = 0; carry != 0; ++i) {
    if (i == parts_.size()) parts_.push_back(0);
    const std::uint64_t sum = parts_[i] + carry;
    parts_[i] = static_cast<std::uint32_t>(sum % kBase);
    carry = sum / kBase;
  }
  return *this;
}

Entier& Entier::operator*=(std::uint32_t v) {
  if (v == 0) return *this = 0;
  std::uint64_t carry = 0;
  for (std::uint32_t& part : parts_) {
    const std::uint64_t product = static_cast<std::uint64_t>(part) * v + carry;
    part = static_cast<std::uint32_t>(product % kBase);
    carry = product / kBase;
  }
  while (carry != 0) {
    parts_.push_back(static_cast<std::uint32_t>(carry % kBase));
    carry /= kBase;
  }
  return *this;
}

std::string Entier::ToString() const {
  std::string text = std::to_string(parts_.back());
  for (size_t i = parts_.size() - 1; i-- > 0;) {
    const std::string part = std::to_string(parts_[i]);
    text += std::string(9 - part.size(), '0') + part;
  }
  return text;
}

}  // namespace orpello
