// Felino at 1920 x 1080: a mouse move that drags both markers, each redrawn by
// its two lines on both surfaces.
#include "FelinoWindow.h"
#include "GameHarness.h"

#include <QApplication>
#include "HeadlessMain.h"
#include <benchmark/benchmark.h>

namespace {
void BM_DragBothMarkers(benchmark::State& state) {
  auto h = GameHarness::Start<felino::TMyAppCumMenuSuite>({.screenWidth = 1920, .screenHeight = 1080});
  auto& w = static_cast<felino::TMainWindowSuite&>(h->Window());
  Ecran& ecran = *w.TheEcran();
  ecran.LButtonDown(QPoint(felino::PositionOf(0) + 5, felino::PositionOf(0) + 5));  // on the markers' crossing
  int step = 0;
  for (auto _ : state) {
    const int d = 11 + (step++ % 300);
    ecran.MouseMove(QPoint(d + 20, d + 20), 0);
  }
  ecran.LButtonUp(QPoint(20, 20));
}
BENCHMARK(BM_DragBothMarkers)->Unit(benchmark::kMicrosecond);
}  // namespace

int main(int argc, char** argv) { return RunHeadlessBenchmarks(argc, argv); }
