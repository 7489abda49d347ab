// Start-up of a game program up to its first painted board, against a bare Qt
// program that shows an empty maximised main window. Each run starts a fresh
// process (this program, in a child mode), so both pay for the whole start.
#include "OrugaWindow.h"

#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

extern char** environ;

namespace {
std::string g_self;

// Quits the application once `widget` has been painted.
class FirstPaint : public QObject {
public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) QMetaObject::invokeMethod(qApp, &QApplication::quit, Qt::QueuedConnection);
    return QObject::eventFilter(watched, event);
  }
};

int RunChild(const std::string& mode, int argc, char** argv) {
  QApplication qt(argc, argv);
  FirstPaint watcher;
  if (mode == "--child-bare") {
    QMainWindow window;
    auto* board = new QWidget;
    window.setCentralWidget(board);
    board->installEventFilter(&watcher);
    window.showMaximized();
    return QApplication::exec();
  }
  oruga::TMyAppCumMenuSuite app;
  app.Start();
  app.GameWindow()->installEventFilter(&watcher);
  return QApplication::exec();
}

void RunProgram(benchmark::State& state, const char* mode) {
  for (auto _ : state) {
    pid_t pid = 0;
    char* args[] = {g_self.data(), const_cast<char*>(mode), nullptr};
    if (posix_spawn(&pid, g_self.c_str(), nullptr, nullptr, args, environ) != 0) {
      state.SkipWithError("cannot start the program");
      return;
    }
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      state.SkipWithError("the program failed");
      return;
    }
  }
}

void BM_BareQtMainWindow(benchmark::State& state) { RunProgram(state, "--child-bare"); }
void BM_OrugaFirstBoard(benchmark::State& state) { RunProgram(state, "--child-shell"); }
BENCHMARK(BM_BareQtMainWindow)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);
BENCHMARK(BM_OrugaFirstBoard)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);
}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::string(argv[1]).rfind("--child-", 0) == 0) return RunChild(argv[1], argc, argv);
  g_self = "/proc/self/exe";
  char path[4096];
  const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
  if (n > 0) g_self.assign(path, static_cast<size_t>(n));
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
