// The two treasure hunts at 1920 x 1080: the tree of places built again, as
// every new hunt does; and one pointer move while the child sizes the solar
// system by its lower right corner with every window down to the treasure
// open, through the window as the pointer sends it.
#include "ChildFrame.h"
#include "ControlHands.h"
#include "GameHarness.h"
#include "GigogneWindow.h"
#include "RamureWindow.h"

#include "HeadlessMain.h"
#include <benchmark/benchmark.h>

namespace {
GameHarness::Options FullHd() {
  GameHarness::Options options;
  options.screenWidth = 1920;
  options.screenHeight = 1080;
  return options;
}

void BM_RamureNewHunt(benchmark::State& state) {
  auto h = GameHarness::Start<ramure::TMyAppCumMenuSuite>(FullHd());
  auto& window = static_cast<ramure::TMainWindowSuite&>(h->Window());
  for (auto _ : state) window.ResetGame();
}
BENCHMARK(BM_RamureNewHunt)->Unit(benchmark::kMillisecond);

TChildFrame& Place(gigogne::TMainWindowSuite& window, const char* caption) {
  for (const auto& place : window.World().Places())
    if (place.window->Caption() == QString::fromUtf8(caption)) return *place.window;
  return *window.World().Places().front().window;
}

void BM_GigogneSizeTheOpenWorld(benchmark::State& state) {
  auto h = GameHarness::Start<gigogne::TMyAppCumMenuSuite>(FullHd());
  auto& window = static_cast<gigogne::TMainWindowSuite&>(h->Window());
  // Every place down to the treasure, and the chests, enlarged to fill the room they have.
  for (const char* caption : {"Système solaire", "La Terre", "Sur terre", "Europe", "France", "Nantes", "Chateau",
                              "Trésor", "Poivre", "Or", "Noix de muscade", "Argent"}) {
    TChildFrame& w = Place(window, caption);
    const QSize parent = w.parentWidget()->size();
    DragFrame(*h, w, TChildFrame::Right | TChildFrame::Bottom,
              QPoint(parent.width() - w.x() - 2 - w.width(), parent.height() - w.y() - 2 - w.height()));
  }
  if (Place(window, "Argent").width() <= 130) {
    state.SkipWithError("the way down to the treasure did not open");
    return;
  }
  TChildFrame& root = Place(window, "Système solaire");
  const QPoint corner = GripPoint(*h, root, TChildFrame::Right | TChildFrame::Bottom);
  h->Press(corner);
  int i = 0;
  for (auto _ : state) {
    const int k = i++ % 40;
    const int back = k < 20 ? k : 40 - k;  // in and out, a few pixels a move
    h->Move(corner - QPoint(6 * back, 4 * back));
  }
  h->Release(corner);
}
BENCHMARK(BM_GigogneSizeTheOpenWorld)->Unit(benchmark::kMillisecond);
}  // namespace

int main(int argc, char** argv) { return RunHeadlessBenchmarks(argc, argv, QSize(1920, 1080)); }
