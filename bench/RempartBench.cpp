// Rempart at 1920 x 1080: the full redraw that follows every step of a run
// (both surfaces), which must stay well under the 500 ms between two steps.
#include "GameHarness.h"
#include "RempartWindow.h"

#include <QApplication>
#include "HeadlessMain.h"
#include <benchmark/benchmark.h>

namespace {
void BM_RedrawAfterAStep(benchmark::State& state) {
  auto h = GameHarness::Start<rempart::TMyAppCumMenuSuite>({.screenWidth = 1920, .screenHeight = 1080});
  h->Command(rempart::cmd::kLevelChoices[state.range(0)]);
  auto& w = static_cast<rempart::TMainWindowSuite&>(h->Window());
  for (auto _ : state) w.Board().DrawAll();
}
BENCHMARK(BM_RedrawAfterAStep)->Arg(0)->Arg(3)->ArgName("level")->Unit(benchmark::kMillisecond);
}  // namespace

int main(int argc, char** argv) { return RunHeadlessBenchmarks(argc, argv); }
