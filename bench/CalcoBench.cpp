// Calco on the largest usual screen, 3840 x 2160: preparing a model (stretch
// and grid lines on both surfaces) and a press that colours a cell.
#include "CalcoWindow.h"
#include "GameHarness.h"

#include <QApplication>
#include "HeadlessMain.h"
#include <benchmark/benchmark.h>

namespace {
std::unique_ptr<GameHarness> StartLarge(int model) {
  auto h = GameHarness::Start<calco::TMyAppCumMenuSuite>({.screenWidth = 3840, .screenHeight = 2160});
  h->Command(calco::cmd::FirstModel + model);
  return h;
}

calco::TMainWindowSuite& Window(GameHarness& h) { return static_cast<calco::TMainWindowSuite&>(h.Window()); }

void BM_PrepareModel(benchmark::State& state) {
  auto h = StartLarge(static_cast<int>(state.range(0)));
  Ecran& ecran = *Window(*h).TheEcran();
  for (auto _ : state) ecran.DrawAll();
  state.counters["cell"] = Window(*h).Grid().cell;
}
BENCHMARK(BM_PrepareModel)->Arg(0)->Arg(12)->ArgName("model")->Unit(benchmark::kMillisecond);

// The press on the last coloured cell of the grid, again and again: the
// colouring and the win test, which finds the other cells still white.
void BM_PressColouredCell(benchmark::State& state) {
  auto h = StartLarge(static_cast<int>(state.range(0)));
  calco::TMainWindowSuite& w = Window(*h);
  const calco::Grille& g = w.Grid();
  QPoint target;
  for (int r = 0; r < g.count; ++r)
    for (int k = 0; k < g.count; ++k)
      if (!calco::IsWhite(g.ModelColour(w.ModelPicture(), r, k))) target = QPoint(k * g.cell + g.cell / 2, r * g.cell + g.cell / 2);
  for (auto _ : state) w.TheEcran()->LButtonDown(target);
  if (!h->TakeMessages().empty()) state.SkipWithError("the press was answered by a message");
}
BENCHMARK(BM_PressColouredCell)->Arg(0)->Arg(12)->ArgName("model")->Unit(benchmark::kMicrosecond);
}  // namespace

int main(int argc, char** argv) { return RunHeadlessBenchmarks(argc, argv); }
