// One input event at 1920 x 1080, for each game, as the test harness sends it
// through the frame's window: the game's answer and the window's repaint, both
// done before the harness returns. Whatever makes the next event possible (a
// new board, the press before a release) is done with the clock stopped.
#include "AlveoloWindow.h"
#include "CorridoWindow.h"
#include "DedaloWindow.h"
#include "GameHarness.h"
#include "Keys.h"
#include "OrugaWindow.h"
#include "PeldanoWindow.h"
#include "VeliscaWindow.h"

#include <QApplication>
#include "HeadlessMain.h"
#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {
constexpr int kWidth = 1920, kHeight = 1080;

// A game started on the benchmark's screen, every question answered "yes" and
// every notice at once.
template <class App>
std::unique_ptr<GameHarness> Start() {
  auto h = GameHarness::Start<App>({.screenWidth = kWidth, .screenHeight = kHeight});
  h->AnswerWith([](const ShownMessage&) { return int(AnswerYes); });
  return h;
}
template <class Window>
Window& W(GameHarness& h) { return static_cast<Window&>(h.Window()); }
QPoint Centre(const Case& c) { return QPoint(c.left + c.width / 2, c.top + c.height / 2); }

// The press is the event; the release that follows is not timed.
void TimedPress(benchmark::State& state, GameHarness& h, QPoint at) {
  state.ResumeTiming();
  h.Press(at);
  state.PauseTiming();
  h.Release(at);
}

// A turn and a step at the large view, the plan repainted with it. The maze has
// a second room, north of the first; the steps go forward and back in the first.
void BM_DedaloTurn(benchmark::State& state) {
  auto h = Start<dedalo::TMyAppCumMenuSuite>();
  auto& w = W<dedalo::TMainWindowSuite>(*h);
  h->ButtonCommand(dedalo::cmd::Large);
  if (w.View().Half() != 256) state.SkipWithError("the view is not the large one");
  for (auto _ : state) {
    const int facing = w.ThePlayer().facing;
    h->ButtonCommand(dedalo::cmd::TurnRight);
    if (w.ThePlayer().facing == facing) {
      state.SkipWithError("the player did not turn");
      return;
    }
  }
}

void BM_DedaloStep(benchmark::State& state) {
  auto h = Start<dedalo::TMyAppCumMenuSuite>();
  auto& w = W<dedalo::TMainWindowSuite>(*h);
  h->Click(w.Plan().FromPlan(QPoint(16, 48)) + w.Plan().pos());
  h->ButtonCommand(dedalo::cmd::Large);
  if (w.Rooms().Count() != 2) state.SkipWithError("the plan click added no room");
  bool forward = true;
  for (auto _ : state) {
    const int y = w.ThePlayer().py;
    h->ButtonCommand(forward ? dedalo::cmd::Forward : dedalo::cmd::Back);
    forward = !forward;
    if (w.ThePlayer().py == y || h->PendingMessages() != 0) {
      state.SkipWithError("the player did not step");
      return;
    }
  }
}

// The target square found: the release answers, after a press on it. The game
// starts again before its last square, so that no answer ends it.
void BM_VeliscaRightAnswer(benchmark::State& state) {
  auto h = Start<velisca::TMyAppCumMenuSuite>();
  auto& w = W<velisca::TMainWindowSuite>(*h);
  for (auto _ : state) {
    state.PauseTiming();
    if (w.Grid().FoundCount() == velisca::kSquares - 1) h->Command(velisca::cmd::Start);
    const int found = w.Grid().FoundCount();
    h->TakeMessages();
    const QPoint at = Centre(*w.Model().Target());
    h->Press(at);
    state.ResumeTiming();
    h->Release(at);
    state.PauseTiming();
    if (w.Grid().FoundCount() != found + 1 || h->PendingMessages() != 0) {
      state.SkipWithError("the right answer was not taken");
      return;
    }
    state.ResumeTiming();
  }
}

// A click on a hidden cell of a new board at the last level: a safe cell next
// to a mine (one cell shown), or a mine (the whole board shown).
void Alveolo(benchmark::State& state, bool mine) {
  auto h = Start<alveolo::TMyAppCumMenuSuite>();
  auto& w = W<alveolo::TMainWindowSuite>(*h);
  for (auto _ : state) {
    state.PauseTiming();
    h->Command(alveolo::cmd::kLevelChoices[alveolo::kLevelCount - 1]);
    h->TakeMessages();
    alveolo::Hexag* aim = nullptr;
    w.Board().ForEachCell([&](alveolo::Hexag& x) {
      if (!aim && !x.revealed && (mine ? x.mine : !x.mine && w.Board().MinesAround(x) > 0)) aim = &x;
    });
    if (!aim) {
      state.SkipWithError("no cell to click on this board");
      return;
    }
    const QPoint at(42 * aim->col + 21 * aim->row + 21, 36 * aim->row + 24);
    if (w.Board().CellAt(at) != aim) {
      state.SkipWithError("the cell is not where it was looked for");
      return;
    }
    TimedPress(state, *h, at);
    if (!aim->revealed) {
      state.SkipWithError("the cell was not revealed");
      return;
    }
    state.ResumeTiming();
  }
}
void BM_AlveoloReveal(benchmark::State& state) { Alveolo(state, false); }
void BM_AlveoloMineHit(benchmark::State& state) { Alveolo(state, true); }

// A step of the caterpillar to the right, across a wide lawn; a new lawn when
// the head reaches the right edge.
void BM_OrugaMove(benchmark::State& state) {
  auto h = Start<oruga::TMyAppCumMenuSuite>();
  auto& w = W<oruga::TMainWindowSuite>(*h);
  std::vector<std::string> lawn(12, std::string(20, '.'));
  lawn[6].replace(0, 3, "QBH");
  for (auto _ : state) {
    state.PauseTiming();
    if (w.Board().TheHead().tile->column == w.Board().Columns() - 1 || w.Board().Rows() != 12) {
      w.Board().Load(lawn, w.DrawingArea().width(), w.DrawingArea().height());
      w.TheEcran()->DrawAll();
    }
    const int column = w.Board().TheHead().tile->column;
    state.ResumeTiming();
    h->KeyPress(VK_RIGHT);
    state.PauseTiming();
    h->KeyRelease(VK_RIGHT);
    if (w.Board().TheHead().tile->column != column + 1 || h->PendingMessages() != 0) {
      state.SkipWithError("the caterpillar did not move");
      return;
    }
    state.ResumeTiming();
  }
}

// The path drawn by the pointer in a maze with no walls: four moves a third of
// a cell and more ahead, half a cell forward, half another, then back the same
// way, each one a step of the path.
void BM_CorridoPathMove(benchmark::State& state) {
  auto h = Start<corrido::TMyAppCumMenuSuite>();
  auto& w = W<corrido::TMainWindowSuite>(*h);
  auto& g = w.Maze();
  const int s = w.CellSize(), ahead = s / 3 + 5;
  g.Reset(w.DrawingArea().width() - corrido::kFrameReach, w.DrawingArea().height(), s, w.HalfCell());
  w.RedrawMaze();
  const QPoint c(g.Cell(1, 0).centreX, g.Cell(1, 0).centreY);
  h->Click(c);
  const QPoint cycle[4] = {c + QPoint(ahead, 0), c + QPoint(s / 2 + ahead, 0), c + QPoint(s - ahead, 0),
                           c + QPoint(s / 2 - ahead, 0)};
  int i = 0;
  for (auto _ : state) {
    const QPoint end = w.Path().End();
    h->Move(cycle[i++ % 4]);
    if (w.Path().End() == end) {
      state.SkipWithError("the path did not follow the pointer");
      return;
    }
  }
}

// The form of the bottom row equal to the model, pressed. The game starts again
// before the answer that would end it.
void BM_PeldanoRightAnswer(benchmark::State& state) {
  auto h = Start<peldano::TMyAppCumMenuSuite>();
  auto& w = W<peldano::TMainWindowSuite>(*h);
  auto answer = [&] { return Centre(w.Row().Cell(w.Model().Modele().forme)); };
  int toWin = 0;
  for (; toWin < 1000 && w.Jeu().phase != PhaseFinished; ++toWin) h->Click(answer());
  h->Command(peldano::cmd::Start);
  h->TakeMessages();
  int answered = 0;
  for (auto _ : state) {
    state.PauseTiming();
    if (answered == toWin - 1) {
      h->Command(peldano::cmd::Start);
      h->TakeMessages();
      answered = 0;
    }
    TimedPress(state, *h, answer());
    ++answered;
    if (w.Jeu().phase == PhaseFinished || h->PendingMessages() != 0) {
      state.SkipWithError("the right answer was not taken");
      return;
    }
    state.ResumeTiming();
  }
}

void Input(const char* name, void (*fn)(benchmark::State&), int iterations) {
  benchmark::RegisterBenchmark(name, fn)->Unit(benchmark::kMillisecond)->Iterations(iterations);
}
}  // namespace

int main(int argc, char** argv) {
  Input("BM_Input/dedalo_turn", BM_DedaloTurn, 40);
  Input("BM_Input/dedalo_step", BM_DedaloStep, 40);
  Input("BM_Input/velisca_right_answer", BM_VeliscaRightAnswer, 100);
  Input("BM_Input/alveolo_reveal", BM_AlveoloReveal, 100);
  Input("BM_Input/alveolo_mine_hit", BM_AlveoloMineHit, 100);
  Input("BM_Input/oruga_move", BM_OrugaMove, 200);
  Input("BM_Input/corrido_path_move", BM_CorridoPathMove, 200);
  Input("BM_Input/peldano_right_answer", BM_PeldanoRightAnswer, 200);
  return RunHeadlessBenchmarks(argc, argv, QSize(kWidth, kHeight));
}
