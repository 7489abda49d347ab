// Prints the table that ends ./tavreno bench: each figure of the goals file
// against the benchmarks' JSON outputs, with its median, the spread of its
// repetitions, its ratio and whether its goal is met.
//   bench_table GOALS_FILE RESULT.json...
#include "BenchFigures.h"

#include <QFile>
#include <QTextStream>
#include <algorithm>

namespace {
QString Ms(double v) { return QString::number(v, v < 10 ? 'f' : 'g', v < 10 ? 3 : 4); }

QString Cell(const QString& text, int width) { return text.leftJustified(width, QLatin1Char(' ')); }
}  // namespace

int main(int argc, char** argv) {
  QTextStream out(stdout), err(stderr);
  if (argc < 3) {
    err << "usage: bench_table GOALS_FILE RESULT.json...\n";
    return 2;
  }
  QFile goalsFile(QString::fromLocal8Bit(argv[1]));
  if (!goalsFile.open(QIODevice::ReadOnly)) {
    err << "cannot read " << goalsFile.fileName() << "\n";
    return 2;
  }
  QStringList errors;
  const std::vector<Goal> goals = ParseGoals(QString::fromUtf8(goalsFile.readAll()), &errors);
  for (const QString& e : errors) err << goalsFile.fileName() << ": unreadable goal, " << e << "\n";

  QMap<QString, Measure> results;
  for (int i = 2; i < argc; ++i) {
    QFile file(QString::fromLocal8Bit(argv[i]));
    if (!file.open(QIODevice::ReadOnly) || !ReadResults(file.readAll(), &results))
      err << "no benchmark results in " << file.fileName() << "\n";
  }

  const std::vector<Row> rows = Compare(goals, results);
  int figureWidth = 6, goalWidth = 4;
  for (const Row& r : rows) {
    figureWidth = std::max(figureWidth, static_cast<int>(r.figure.size()));
    goalWidth = std::max(goalWidth, static_cast<int>(r.goal.size()));
  }
  out << "\n"
      << Cell(QStringLiteral("figure"), figureWidth + 2) << Cell(QStringLiteral("goal"), goalWidth + 2)
      << Cell(QStringLiteral("median"), 12) << Cell(QStringLiteral("spread (min-max)"), 26)
      << Cell(QStringLiteral("ratio"), 8) << "met\n";
  int met = 0;
  for (const Row& r : rows) {
    out << Cell(r.figure, figureWidth + 2) << Cell(r.goal, goalWidth + 2);
    if (!r.measured) {
      out << (r.measure.error.isEmpty() ? QStringLiteral("not measured") : QStringLiteral("failed: ") + r.measure.error)
          << "\n";
      continue;
    }
    met += r.met;
    const QString spread = r.measure.repetitions > 1
                               ? QStringLiteral("%1-%2 ms (%3 runs)").arg(Ms(r.measure.low), Ms(r.measure.high))
                                     .arg(r.measure.repetitions)
                               : QStringLiteral("one run");
    out << Cell(Ms(r.measure.median) + QStringLiteral(" ms"), 12) << Cell(spread, 26)
        << Cell(QString::number(r.ratio, 'f', 2), 8) << (r.met ? "yes" : "NO") << "\n";
  }
  for (const Goal& g : goals) {
    if (!g.ratio || !results.contains(g.baseline)) continue;
    const Measure& b = results[g.baseline];
    out << "baseline " << g.baseline << ": " << Ms(b.median) << " ms (" << Ms(b.low) << "-" << Ms(b.high) << " ms)\n";
    break;
  }
  out << met << " of " << rows.size() << " goals met\n";
  return 0;
}
