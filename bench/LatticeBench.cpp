// Mirador at 1920 x 1080, level 3: a click that toggles a segment, an arrow key,
// and a comparison that draws the whole board again on both surfaces.
#include "GameHarness.h"
#include "MiradorWindow.h"

#include <QApplication>
#include "HeadlessMain.h"
#include <benchmark/benchmark.h>

namespace {
std::unique_ptr<GameHarness> Start() {
  auto h = GameHarness::Start<mirador::TMyAppCumMenuSuite>({.screenWidth = 1920, .screenHeight = 1080});
  h->Command(reseau::cmd::kLevelChoices[3]);
  return h;
}

void BM_ClickSegment(benchmark::State& state) {
  auto h = Start();
  auto& w = static_cast<reseau::TMainWindowReseau&>(h->Window());
  const reseau::CaseNoeud& n = w.Copy(2).Node(2, 2);
  const QPoint p(n.x, n.y + w.Copy(2).CellHeight() / 2);
  for (auto _ : state) w.TheEcran()->LButtonDown(p);
}
BENCHMARK(BM_ClickSegment)->Unit(benchmark::kMicrosecond);

void BM_ArrowKey(benchmark::State& state) {
  auto h = Start();
  auto& w = static_cast<reseau::TMainWindowReseau&>(h->Window());
  int step = 0;
  for (auto _ : state) w.TheEcran()->Arrow(step++ % 2 ? Direction::Left : Direction::Right);
}
BENCHMARK(BM_ArrowKey)->Unit(benchmark::kMicrosecond);

void BM_Compare(benchmark::State& state) {
  auto h = Start();
  auto& w = static_cast<reseau::TMainWindowReseau&>(h->Window());
  for (auto _ : state) {
    w.Screen().Compare();
    state.PauseTiming();
    h->TakeMessages();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_Compare)->Unit(benchmark::kMillisecond);
}  // namespace

int main(int argc, char** argv) { return RunHeadlessBenchmarks(argc, argv); }
