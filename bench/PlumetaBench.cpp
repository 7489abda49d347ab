// The writing page on the largest usual screen, 3840 x 2160: a segment of the
// nib (both surfaces, the window updated over the segment's rectangle only) and
// a rubbing move of the large eraser (its circle off, white line on both
// surfaces, its circle on).
#include "GameHarness.h"
#include "HeadlessMain.h"
#include "Keys.h"
#include "PlumetaWindow.h"

#include <benchmark/benchmark.h>

namespace {
std::unique_ptr<GameHarness> StartLarge() {
  return GameHarness::Start<plumeta::TMyAppCumMenuSuite>({.screenWidth = 3840, .screenHeight = 2160});
}

plumeta::TMainWindowSuite& Window(GameHarness& h) { return static_cast<plumeta::TMainWindowSuite&>(h.Window()); }

// The pointer held far below, then far above, the nib: every move draws a
// segment of the widest ink, then of the thinnest.
void BM_PenSegment(benchmark::State& state) {
  auto h = StartLarge();
  plumeta::EcranSuite& page = Window(*h).Page();
  page.MouseMove(QPoint(1000, 1000), MK_LBUTTON);
  int i = 0;
  for (auto _ : state) {
    ++i;
    page.MouseMove(QPoint(1000 + (i & 1), (i / 40) % 2 ? 100 : 2000), MK_LBUTTON);
  }
}
BENCHMARK(BM_PenSegment)->Unit(benchmark::kMicrosecond);

// The large eraser rubbing back and forth across the page, 40 pixels a move.
void BM_LargeEraserRub(benchmark::State& state) {
  auto h = StartLarge();
  plumeta::TMainWindowSuite& w = Window(*h);
  h->Command(plumeta::cmd::LargeEraser);
  w.Page().LButtonDown(QPoint(200, 500));
  int x = 200, step = 40;
  for (auto _ : state) {
    if (x + step > 3600 || x + step < 200) step = -step;
    x += step;
    w.Page().MouseMove(QPoint(x, 500 + (x % 80)), MK_LBUTTON);
  }
}
BENCHMARK(BM_LargeEraserRub)->Unit(benchmark::kMicrosecond);
}  // namespace

int main(int argc, char** argv) { return RunHeadlessBenchmarks(argc, argv, QSize(3840, 2160)); }
