// Building a maze at each level for a 1920 x 1080 screen, walls drawn on both
// surfaces, as a new game does.
#include "CorridoWindow.h"
#include "Generator.h"
#include "Random.h"

#include <benchmark/benchmark.h>

namespace {
constexpr int kWidth = 1920 - 52, kHeight = 1080 - 67;

void BM_GenerateMaze(benchmark::State& state) {
  const int level = static_cast<int>(state.range(0));
  const int half = corrido::kHalfCell[level], size = 2 * half;
  corrido::Grille grille;
  TBitmap screen(kWidth, kHeight), copy(kWidth, kHeight);
  TMemoryDC screenDC(screen), copyDC(copy);
  unsigned seed = 1;
  for (auto _ : state) {
    Random::Seed(seed++);
    grille.Reset(kWidth, kHeight, size, half);
    corrido::Generate(grille, level);
    for (TMemoryDC* dc : {&screenDC, &copyDC}) {
      dc->PatBlt(0, 0, kWidth, kHeight, WHITENESS);
      corrido::TMemDCWindowSuite::DrawFrame(*dc, grille.Columns() * size, grille.Rows() * size, size);
      corrido::TMemDCWindowSuite::DrawWalls(*dc, grille, size);
    }
    benchmark::DoNotOptimize(screen.Image().constBits());
  }
  state.counters["cells"] = grille.Rows() * grille.Columns();
}
BENCHMARK(BM_GenerateMaze)->DenseRange(0, 6)->Unit(benchmark::kMillisecond);
}  // namespace

BENCHMARK_MAIN();
