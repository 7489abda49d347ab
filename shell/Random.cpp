#include "Random.h"

#include <random>

namespace Random {
namespace {
std::minstd_rand& Generator() {
  static std::minstd_rand generator;
  return generator;
}
std::deque<int>& Scripted() {
  static std::deque<int> values;
  return values;
}
bool g_fixed = false;
}  // namespace

void Seed(unsigned seed) {
  if (!g_fixed) Generator().seed(seed == 0 ? 1u : seed);
}

void FixSeed(bool fixed) { g_fixed = fixed; }

void Script(std::deque<int> values) { Scripted() = std::move(values); }

int Next() {
  if (!Scripted().empty()) {
    const int v = Scripted().front();
    Scripted().pop_front();
    return v < 0 ? -v : v;
  }
  return static_cast<int>(Generator()() - Generator().min());
}

int Draw(int count) { return count <= 0 ? 0 : Next() % count; }
}  // namespace Random
