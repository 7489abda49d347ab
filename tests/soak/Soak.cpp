// The soak: every game, from every level, played by the hostile random player
// for thousands of events with fixed seeds, each event timed. Prints a table and
// fails on any slow event; crashes, hangs and sanitizer reports end the process.
//   soak [--seed N] [--events M] [game ...]
#include "GameConfig.h"
#include "RandomPlayer.h"
#include "SoakGames.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {
struct Options {
  std::vector<unsigned> seeds{1, 2};
  // Per game, level and seed: with twenty-three games this keeps the whole
  // soak under half an hour and still plays every game with levels tens of
  // thousands of events.
  int events = 5000;
  std::vector<std::string> games;
};

bool Parse(int argc, char** argv, Options& o) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if ((arg == "--seed" || arg == "--events") && i + 1 < argc) {
      const long value = std::strtol(argv[++i], nullptr, 10);
      if (value <= 0) return false;
      if (arg == "--seed") o.seeds = {static_cast<unsigned>(value)};
      else o.events = static_cast<int>(value);
    } else if (!arg.empty() && arg[0] != '-') {
      o.games.push_back(arg);
    } else {
      return false;
    }
  }
  return true;
}

std::vector<SoakGame> Chosen(const Options& o) {
  std::vector<SoakGame> all = SoakGames(), faulty = FaultyGames(), chosen;
  if (o.games.empty()) return all;
  all.insert(all.end(), faulty.begin(), faulty.end());
  for (const std::string& name : o.games)
    for (const SoakGame& g : all)
      if (g.name == name) chosen.push_back(g);
  return chosen;
}

// Qt's notes about what the headless platform cannot do, and about the points
// the player sends far outside the window on purpose, would bury the table.
void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type <= QtWarningMsg && (message.contains(QStringLiteral("occurs outside target window")) ||
                               message.startsWith(QStringLiteral("This plugin does not support"))))
    return;
  std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}
}  // namespace

int main(int argc, char** argv) {
  Options o;
  if (!Parse(argc, argv, o)) {
    std::fprintf(stderr, "usage: soak [--seed N] [--events M] [game ...]\n");
    return 2;
  }
  // A headless application on a fixed 1920 x 1080 screen, as the tests have.
  QTemporaryDir dir;
  QFile screen(dir.filePath(QStringLiteral("screen.json")));
  if (screen.open(QIODevice::WriteOnly)) {
    screen.write(R"({"screens":[{"name":"soak","x":0,"y":0,"width":1920,"height":1080,"logicalDpi":96,"dpr":1}]})");
    screen.close();
  }
  qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + screen.fileName().toUtf8());
  qInstallMessageHandler(QuietHandler);
  QApplication app(argc, argv);
  QApplication::setStyle(QStringLiteral("Fusion"));

  const std::vector<SoakGame> games = Chosen(o);
  if (games.empty()) {
    std::fprintf(stderr, "soak: no such game\n");
    return 2;
  }
  std::printf("%-10s %5s %5s %8s %10s  %-6s  %s\n", "game", "level", "seed", "events", "slowest ms", "result",
              "slowest event");
  int failures = 0, runs = 0;
  long total = 0;
  const auto start = std::chrono::steady_clock::now();
  for (const SoakGame& game : games) {
    const std::vector<int> levels = game.config().levelCommands;
    const int count = levels.empty() ? 1 : static_cast<int>(levels.size());
    for (int level = 0; level < count; ++level)
      for (unsigned seed : o.seeds) {
        auto harness = game.start({.seed = seed});
        if (!levels.empty()) harness->Command(levels[static_cast<size_t>(level)]);
        harness->TakeMessages();
        RandomPlayer player(*harness, seed * 100 + static_cast<unsigned>(level));
        player.SetHostile(true);
        player.SetAims(game.aims);
        const PlayReport report = player.Play(o.events);
        total += report.events;
        ++runs;
        std::printf("%-10s %5d %5u %8d %10.1f  %-6s  %s\n", game.name.c_str(), level, seed, report.events,
                    report.slowestMs, report.ok ? "ok" : "FAILED", report.slowestEvent.c_str());
        if (!report.ok) {
          ++failures;
          std::printf("  %s\n  (replay: soak --seed %u --events %d %s)\n", report.failure.c_str(), seed, o.events,
                      game.name.c_str());
        }
        std::fflush(stdout);
      }
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("%ld events in %.0f s\n", total, seconds);
  std::printf("soak: %d passed, %d failed\n", runs - failures, failures);
  return failures == 0 ? 0 : 1;
}
