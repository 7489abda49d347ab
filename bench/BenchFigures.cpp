#include "BenchFigures.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <algorithm>

namespace {
double ToMilliseconds(double value, const QString& unit) {
  if (unit == QLatin1String("ns")) return value / 1e6;
  if (unit == QLatin1String("us")) return value / 1e3;
  if (unit == QLatin1String("s")) return value * 1e3;
  return value;
}

bool Matches(const QString& pattern, const QString& name) {
  const QRegularExpression re(QRegularExpression::anchoredPattern(
      QRegularExpression::escape(pattern).replace(QLatin1String("\\*"), QLatin1String(".*"))));
  return re.match(name).hasMatch();
}

QString Number(double v) { return QString::number(v, 'g', 3); }
}  // namespace

std::vector<Goal> ParseGoals(const QString& text, QStringList* errors) {
  std::vector<Goal> goals;
  const QStringList lines = text.split(QLatin1Char('\n'));
  for (int i = 0; i < lines.size(); ++i) {
    const QString line = lines[i].trimmed();
    if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
    const QStringList words = line.split(QRegularExpression(QStringLiteral("\\s+")));
    Goal goal;
    bool number = words.size() >= 3;
    if (number) goal.value = words[1].toDouble(&number);
    if (number && goal.value > 0 && words[2] == QLatin1String("ms") && words.size() == 3) {
      goal.pattern = words[0];
    } else if (number && goal.value > 0 && words[2] == QLatin1String("ms") && words.size() == 5 &&
               words[3] == QLatin1String("per") && words[4].toDouble() >= 1) {
      goal.pattern = words[0];
      goal.per = words[4].toDouble();
    } else if (number && goal.value > 0 && words[2] == QLatin1String("x") && words.size() == 4) {
      goal.pattern = words[0];
      goal.ratio = true;
      goal.baseline = words[3];
    } else {
      if (errors) errors->append(QStringLiteral("line %1: %2").arg(i + 1).arg(line));
      continue;
    }
    goals.push_back(goal);
  }
  return goals;
}

bool ReadResults(const QByteArray& json, QMap<QString, Measure>* into) {
  const QJsonDocument doc = QJsonDocument::fromJson(json);
  if (!doc.isObject() || !doc.object().value(QLatin1String("benchmarks")).isArray()) return false;
  QMap<QString, std::vector<double>> runs;
  for (const QJsonValue& v : doc.object().value(QLatin1String("benchmarks")).toArray()) {
    const QJsonObject b = v.toObject();
    QString name = b.value(QLatin1String("run_name")).toString();
    if (name.isEmpty()) name = b.value(QLatin1String("name")).toString();
    // How the benchmark was run is no part of the figure's name.
    static const QRegularExpression settings(QStringLiteral("/(iterations|repeats|min_time):[^/]*|/(real|manual)_time"));
    name.remove(settings);
    Measure& m = (*into)[name];
    if (b.value(QLatin1String("error_occurred")).toBool()) {
      m.error = b.value(QLatin1String("error_message")).toString();
      continue;
    }
    const double ms = ToMilliseconds(b.value(QLatin1String("real_time")).toDouble(),
                                     b.value(QLatin1String("time_unit")).toString());
    const QString type = b.value(QLatin1String("run_type")).toString();
    if (type == QLatin1String("aggregate")) {
      if (b.value(QLatin1String("aggregate_name")).toString() == QLatin1String("median")) m.median = ms;
    } else {
      runs[name].push_back(ms);
    }
  }
  for (auto it = runs.begin(); it != runs.end(); ++it) {
    std::vector<double>& times = it.value();
    std::sort(times.begin(), times.end());
    Measure& m = (*into)[it.key()];
    const size_t n = times.size();
    if (m.median == 0) m.median = n % 2 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
    m.low = times.front();
    m.high = times.back();
    m.repetitions = static_cast<int>(n);
  }
  for (Measure& m : *into)
    if (m.repetitions == 0) m.low = m.high = m.median;
  return true;
}

std::vector<Row> Compare(const std::vector<Goal>& goals, const QMap<QString, Measure>& results) {
  QStringList baselines;
  for (const Goal& g : goals)
    if (g.ratio) baselines.append(g.baseline);
  std::vector<Row> rows;
  for (const Goal& g : goals) {
    const QString goalText = g.ratio ? QStringLiteral("≤ %1 x %2").arg(Number(g.value), g.baseline)
                                     : QStringLiteral("≤ %1 ms").arg(Number(g.value));
    const Measure* base = nullptr;
    if (g.ratio) {
      auto it = results.find(g.baseline);
      if (it != results.end() && it->error.isEmpty() && it->median > 0) base = &*it;
    }
    bool any = false;
    for (auto it = results.begin(); it != results.end(); ++it) {
      if (!Matches(g.pattern, it.key()) || (baselines.contains(it.key()) && g.pattern != it.key())) continue;
      any = true;
      Row row{it.key(), goalText};
      row.measure = *it;
      row.measure.median /= g.per;
      row.measure.low /= g.per;
      row.measure.high /= g.per;
      row.measured = it->error.isEmpty() && (!g.ratio || base);
      if (row.measured) {
        row.ratio = row.measure.median / (g.ratio ? base->median : g.value);
        row.met = g.ratio ? row.ratio <= g.value : row.measure.median <= g.value;
      }
      rows.push_back(row);
    }
    if (!any) rows.push_back(Row{g.pattern, goalText});
  }
  return rows;
}
