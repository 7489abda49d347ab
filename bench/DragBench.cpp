// One move of a dragged disc at 1920 x 1080, at the top level: through the
// window as the pointer sends it (the game's wipe and draw, then Qt painting the
// two touched rectangles), and the game's own part alone.
#include "GameHarness.h"
#include "Keys.h"
#include "TorretaWindow.h"

#include <QApplication>
#include "HeadlessMain.h"
#include <benchmark/benchmark.h>

namespace {
// A game at level 4 with the top disc of column 0 held, ready to be dragged.
struct HeldDisc {
  HeldDisc() {
    GameHarness::Options options;
    options.screenWidth = 1920;
    options.screenHeight = 1080;
    h = GameHarness::Start<torreta::TMyAppCumMenuSuite>(options);
    h->Command(torreta::cmd::kLevelChoices[4]);
    const torreta::CaseDisque& top = Window().Board().At(1, 0);
    h->Press(QPoint(top.left + 45, top.top + 15));
  }
  ~HeldDisc() { h->Release(QPoint(5, 5)); }
  torreta::TMainWindowSuite& Window() { return static_cast<torreta::TMainWindowSuite&>(h->Window()); }
  std::unique_ptr<GameHarness> h;
};

// Points along a slow sweep across the board, a few pixels apart.
QPoint Along(int i) { return QPoint(200 + (i * 7) % 1400, 300 + (i * 3) % 500); }

void BM_DragMoveThroughTheWindow(benchmark::State& state) {
  HeldDisc held;
  int i = 0;
  for (auto _ : state) held.h->Move(Along(i++));
  if (!held.Window().Board().Dragging()) state.SkipWithError("the disc was dropped on the way");
}
BENCHMARK(BM_DragMoveThroughTheWindow)->Unit(benchmark::kMicrosecond);

void BM_DragMoveGameOnly(benchmark::State& state) {
  HeldDisc held;
  int i = 0;
  for (auto _ : state) held.Window().TheEcran()->MouseMove(Along(i++), MK_LBUTTON);
  QApplication::processEvents();
  if (!held.Window().Board().Dragging()) state.SkipWithError("the disc was dropped on the way");
}
BENCHMARK(BM_DragMoveGameOnly)->Unit(benchmark::kMicrosecond);
}  // namespace

int main(int argc, char** argv) { return RunHeadlessBenchmarks(argc, argv, QSize(1920, 1080)); }
