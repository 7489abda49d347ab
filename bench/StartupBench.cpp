// Start-up of every game program up to its first painted board, against a bare
// Qt program that shows a maximised main window with a menu and a status
// message. Each run starts a fresh process (this program, in a child mode), so
// all pay for the whole start; notices shown at the start are answered at once.
#include "GameWindow.h"
#include "Services.h"
#include "ShowMessage.h"
#include "StartupGames.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

extern char** environ;

namespace {
constexpr int kWidth = 1920, kHeight = 1080;
const std::string kGameMode = "--child-game=";
std::string g_self;

const std::string kStampMode = "--stamp-fd=";

// Nanoseconds on the monotonic clock, which parent and child share.
std::int64_t MonotonicNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// Once the watched widget has been painted (its paint done and the window
// flushed, when the events queued meanwhile run), writes the time to the
// parent and ends the process: the time to measure ends there, and the
// process's tear-down, which no user waits for, is left out alike for all.
class FirstPaint : public QObject {
public:
  explicit FirstPaint(int stampFd) : stampFd_(stampFd) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint)
      QMetaObject::invokeMethod(
          qApp,
          [fd = stampFd_] {
            const std::int64_t painted = MonotonicNs();
            const bool told = fd < 0 || write(fd, &painted, sizeof painted) == sizeof painted;
            std::_Exit(told ? 0 : 4);
          },
          Qt::QueuedConnection);
    return QObject::eventFilter(watched, event);
  }

private:
  int stampFd_;
};

int RunChild(const std::string& mode, int stampFd, int argc, char** argv) {
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type >= QtCriticalMsg) std::fprintf(stderr, "%s\n", qPrintable(text));
  });
  QApplication qt(argc, argv);
  FirstPaint watcher(stampFd);
  // A program that never paints fails its run instead of stopping the bench.
  QTimer::singleShot(30000, [] { std::_Exit(3); });
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
  const std::string name = mode.substr(kGameMode.size());
  for (const StartupGame& game : StartupGames()) {
    if (game.name != name) continue;
    Services::SetInformationBoxForTesting([](const QString&, const QString&) {});
    SetMessageHandlerForTesting([](const ShownMessage&) { return int(AnswerYes); });
    std::unique_ptr<TMyAppCumMenu> app = game.make();
    app->Start();
    app->GameWindow()->installEventFilter(&watcher);
    return QApplication::exec();
  }
  return 2;
}

void RunProgram(benchmark::State& state, const std::string& mode) {
  for (auto _ : state) {
    // The child writes the time of its first paint into a pipe; the run lasts
    // from just before the start of the program to then.
    int fds[2];
    if (pipe(fds) != 0) {
      state.SkipWithError("cannot make a pipe");
      return;
    }
    fcntl(fds[0], F_SETFD, FD_CLOEXEC);
    std::string stamp = kStampMode + std::to_string(fds[1]);
    char* args[] = {g_self.data(), const_cast<char*>(mode.c_str()), stamp.data(), nullptr};
    const std::int64_t started = MonotonicNs();
    pid_t pid = 0;
    const bool spawned = posix_spawn(&pid, g_self.c_str(), nullptr, nullptr, args, environ) == 0;
    close(fds[1]);
    int status = 0;
    if (spawned) waitpid(pid, &status, 0);
    std::int64_t painted = 0;
    const bool told = spawned && read(fds[0], &painted, sizeof painted) == sizeof painted;
    close(fds[0]);
    if (!spawned || !WIFEXITED(status) || WEXITSTATUS(status) != 0 || !told) {
      state.SkipWithError(spawned ? "the program failed" : "cannot start the program");
      return;
    }
    state.SetIterationTime(double(painted - started) / 1e9);
  }
}

void Register(const std::string& name, const std::string& mode) {
  benchmark::RegisterBenchmark(("BM_Startup/" + name).c_str(), [mode](benchmark::State& s) { RunProgram(s, mode); })
      ->Unit(benchmark::kMillisecond)
      ->UseManualTime()
      ->Iterations(1);
}
}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::string(argv[1]).rfind("--child-", 0) == 0) {
    const int stampFd = argc > 2 && std::string(argv[2]).rfind(kStampMode, 0) == 0
                            ? std::atoi(argv[2] + kStampMode.size())
                            : -1;
    return RunChild(argv[1], stampFd, argc, argv);
  }
  g_self = "/proc/self/exe";
  char path[4096];
  const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
  if (n > 0) g_self.assign(path, static_cast<size_t>(n));
  // Qt's offscreen screen at the benchmark's size, for the bare window and the
  // games alike, unless another platform was asked for.
  QTemporaryDir dir;
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  if (!platform || std::string(platform) == "offscreen") {
    const QString config = dir.filePath(QStringLiteral("screen.json"));
    QFile file(config);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
      file.write(QStringLiteral(R"({"screens":[{"name":"bench","x":0,"y":0,"width":%1,"height":%2,"logicalDpi":96,"dpr":1}]})")
                     .arg(kWidth)
                     .arg(kHeight)
                     .toUtf8());
    file.close();
    setenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config.toStdString()).c_str(), 1);
  }
  Register("bare", "--child-bare");
  for (const StartupGame& game : StartupGames()) Register(game.name, kGameMode + game.name);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
