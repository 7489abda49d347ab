// One move of the counting frame dragged whole at 3840 x 2160, at the expert
// level: through the window as the pointer sends it (the frame wiped and drawn
// in exclusive-or, then Qt painting the touched strips), and the game's own part alone.
#include "GameHarness.h"
#include "Keys.h"
#include "OrpelloWindow.h"

#include <QApplication>
#include "HeadlessMain.h"
#include <benchmark/benchmark.h>

namespace {
// A game at level 3 with the frame held by its inside.
struct HeldFrame {
  HeldFrame() {
    GameHarness::Options options;
    options.screenWidth = 3840;
    options.screenHeight = 2160;
    h = GameHarness::Start<orpello::TMyAppCumMenuSuite>(options);
    h->Command(orpello::cmd::kLevelChoices[3]);
    const orpello::Rectang& f = Window().BoardScreen().Frame();
    h->Press(QPoint((f.left + f.right) / 2, (f.top + f.bottom) / 2));
  }
  ~HeldFrame() { h->Release(QPoint(5, 5)); }
  orpello::TMainWindowSuite& Window() { return static_cast<orpello::TMainWindowSuite&>(h->Window()); }
  bool Held() { return Window().BoardScreen().Mouse().Dragging(); }
  std::unique_ptr<GameHarness> h;
};

// Points along a slow sweep across the board, a few pixels apart.
QPoint Along(int i) { return QPoint(600 + (i * 7) % 2400, 300 + (i * 3) % 1500); }

void BM_FrameMoveThroughTheWindow(benchmark::State& state) {
  HeldFrame held;
  int i = 0;
  for (auto _ : state) held.h->Move(Along(i++));
  if (!held.Held()) state.SkipWithError("the frame was let go on the way");
}
BENCHMARK(BM_FrameMoveThroughTheWindow)->Unit(benchmark::kMicrosecond);

void BM_FrameMoveGameOnly(benchmark::State& state) {
  HeldFrame held;
  int i = 0;
  for (auto _ : state) {
    held.Window().TheEcran()->MouseMove(Along(i++), MK_LBUTTON);
    // Qt's painting of the touched strips is left out of the figure.
    state.PauseTiming();
    QApplication::processEvents();
    state.ResumeTiming();
  }
  if (!held.Held()) state.SkipWithError("the frame was let go on the way");
}
BENCHMARK(BM_FrameMoveGameOnly)->Unit(benchmark::kMicrosecond);
}  // namespace

int main(int argc, char** argv) { return RunHeadlessBenchmarks(argc, argv, QSize(3840, 2160)); }
