// Tracing the 3-D view at its three sizes, in mazes of 1, 100 and 500 rooms.
#include "PlayerYRay.h"
#include "TabpPiece.h"
#include "Textures.h"

#include <benchmark/benchmark.h>

namespace {
// A maze grown room by room from the start room, in a fixed pseudo-random order,
// so that it has long corridors and open halls alike.
void GrowMaze(dedalo::TabpPiece& rooms, int count) {
  rooms.Clear();
  rooms.Add(0, 0);
  unsigned state = 12345;
  while (rooms.Count() < count) {
    state = state * 1103515245u + 12345u;
    const dedalo::Piece& from = rooms[static_cast<int>((state >> 8) % rooms.Count())];
    static constexpr int kDelta[4][2] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}};
    const int d = (state >> 20) % 4;
    const int x = from.x + kDelta[d][0], y = from.y + kDelta[d][1];
    if (rooms.CanAdd(x, y)) rooms.Add(x, y);
  }
}

void BM_TraceView(benchmark::State& state) {
  const int exponent = static_cast<int>(state.range(0));
  const int roomCount = static_cast<int>(state.range(1));
  dedalo::TabpPiece rooms;
  GrowMaze(rooms, roomCount);
  rooms.Scale(exponent);
  dedalo::Textures textures;
  for (int s = 0; s < 6; ++s) textures.SetFlat(static_cast<dedalo::Surface>(s), qRgb(40 * s, 100, 200 - 30 * s));
  dedalo::PlayerYRay view;
  view.SetExponent(exponent);
  dedalo::Player player;
  player.room = &rooms[0];
  QImage target(1300, 1000, QImage::Format_RGB32);
  for (auto _ : state) {
    for (int facing = 0; facing < 4; ++facing) {
      player.facing = facing;
      view.Render(target, player, textures);
    }
    benchmark::DoNotOptimize(target.constBits());
  }
  state.SetItemsProcessed(state.iterations() * 4);  // views traced
  state.counters["ms_per_view"] = benchmark::Counter(
      static_cast<double>(state.iterations() * 4), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_TraceView)
    ->ArgsProduct({{6, 7, 8}, {1, 100, 500}})
    ->ArgNames({"exponent", "rooms"})
    ->Unit(benchmark::kMillisecond);
}  // namespace

BENCHMARK_MAIN();
