#pragma once
// The figures of ./tavreno bench: goals read from a small text file, results
// read from Google Benchmark's JSON output, and the rows of the final table.
#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <vector>

// One line of the goals file: a benchmark name (a * matches any text), then
// either "<ms> ms [per <n>]" (its median time, divided among n events) or
// "<ratio> x <baseline>" (its median over the baseline's).
struct Goal {
  QString pattern;
  double value = 0;
  bool ratio = false;
  QString baseline;
  double per = 1;
};
// Reads the goals, skipping blank lines and those starting with '#'; a line
// it cannot read goes to `errors` with its number.
std::vector<Goal> ParseGoals(const QString& text, QStringList* errors);

// A benchmark's figures in milliseconds: the median of its repetitions and the
// lowest and highest repetition (the median alone when run once).
struct Measure {
  double median = 0;
  double low = 0, high = 0;
  int repetitions = 0;
  QString error;
};
// Adds the benchmarks of one JSON output to `into`; false when it is no such output.
bool ReadResults(const QByteArray& json, QMap<QString, Measure>* into);

struct Row {
  QString figure;
  QString goal;
  bool measured = false;
  Measure measure;     // divided by the goal's `per`
  double ratio = 0;    // over the baseline, or over the goal for times
  bool met = false;
};
// One row per benchmark a goal names (a row saying "not measured" when none);
// benchmarks that are some goal's baseline only get no row of their own.
std::vector<Row> Compare(const std::vector<Goal>& goals, const QMap<QString, Measure>& results);
