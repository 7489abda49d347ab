#pragma once
#include <deque>

// The games' random draws: the generator's next value modulo the count, 0 when
// the count is 0. Seeded once per run from the clock; tests fix the seed or
// script the values.
namespace Random {
void Seed(unsigned seed);
int Next();         // 0 .. 2^31 - 2
int Draw(int count);
void Script(std::deque<int> values);  // values returned by Next before the generator's
void FixSeed(bool fixed);             // while fixed, Seed is ignored
}
