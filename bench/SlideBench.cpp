// One move of a picture dragged from the bar of tesselo at 3840 x 2160, at the
// top level: through the window as the pointer sends it (the game's wipe and
// draw, then Qt painting the touched squares), and the game's own part alone.
#include "GameHarness.h"
#include "TesseloWindow.h"

#include <QApplication>
#include "HeadlessMain.h"
#include <benchmark/benchmark.h>

namespace {
// A game at the top level with the first bar picture held, ready to be dragged.
struct HeldPicture {
  HeldPicture() {
    GameHarness::Options options;
    options.screenWidth = 3840;
    options.screenHeight = 2160;
    h = GameHarness::Start<tesselo::TMyAppCumMenuSuite>(options);
    h->Command(tesselo::TMainWindowSuite::Config().levelCommands.back());
    const motifs::CaseMotif& first = Window().Game().Board().Bar().At(0);
    h->Press(QPoint(first.left + 20, first.top + 20));
  }
  ~HeldPicture() { h->Release(QPoint(5, 5)); }
  tesselo::TMainWindowSuite& Window() { return static_cast<tesselo::TMainWindowSuite&>(h->Window()); }
  std::unique_ptr<GameHarness> h;
};

// Points along a slow sweep across the board, a few pixels apart.
QPoint Along(int i) { return QPoint(200 + (i * 7) % 3000, 300 + (i * 3) % 1200); }

void BM_SlideMoveThroughTheWindow(benchmark::State& state) {
  HeldPicture held;
  int i = 0;
  for (auto _ : state) held.h->Move(Along(i++));
  if (!held.Window().Game().Drag().Dragging()) state.SkipWithError("the picture was dropped on the way");
}
BENCHMARK(BM_SlideMoveThroughTheWindow)->Unit(benchmark::kMicrosecond);

void BM_SlideMoveGameOnly(benchmark::State& state) {
  HeldPicture held;
  motifs::Glisse& drag = held.Window().Game().Drag();
  int i = 0;
  for (auto _ : state) drag.Move(Along(i++), MK_LBUTTON);
  if (!drag.Dragging()) state.SkipWithError("the picture was dropped on the way");
}
BENCHMARK(BM_SlideMoveGameOnly)->Unit(benchmark::kMicrosecond);
}  // namespace

int main(int argc, char** argv) { return RunHeadlessBenchmarks(argc, argv, QSize(3840, 2160)); }
