// Start-up of a game program up to its first painted board, against a bare Qt
// program that shows a maximised main window with a menu and a status message. Each run starts a fresh
// process (this program, in a child mode), so both pay for the whole start.
#include "OrugaWindow.h"

#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

extern char** environ;

namespace {
std::string g_self;

// Ends the process once the watched widget has been painted: the time to measure
// ends there, and both programs skip their tear-down alike.
class FirstPaint : public QObject {
public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) QMetaObject::invokeMethod(qApp, [] { std::_Exit(0); }, Qt::QueuedConnection);
    return QObject::eventFilter(watched, event);
  }
};

int RunChild(const std::string& mode, int argc, char** argv) {
  QApplication qt(argc, argv);
  FirstPaint watcher;
  if (mode == "--child-bare") {
    // The plain Qt main window: a menu, a status bar message and a widget in the middle.
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.menuBar()->addMenu(QStringLiteral("&Fichier"))->addAction(QStringLiteral("&Quitter"));
    window.statusBar()->showMessage(QStringLiteral("Prêt"));
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
BENCHMARK(BM_BareQtMainWindow)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(40);
BENCHMARK(BM_OrugaFirstBoard)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(40);
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
