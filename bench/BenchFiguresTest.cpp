// The goals file and the benchmark output as the final table reads them.
#include "BenchFigures.h"

#include <gtest/gtest.h>

namespace {
// A benchmark run of three repetitions, in the shape Google Benchmark writes.
QByteArray Output(const QString& name, const QString& unit, std::vector<double> times, double median) {
  QString entries;
  for (double t : times)
    entries += QStringLiteral(R"({"name":"%1","run_name":"%1","run_type":"iteration","real_time":%2,"time_unit":"%3"},)")
                   .arg(name).arg(t).arg(unit);
  entries += QStringLiteral(R"({"name":"%1_median","run_name":"%1","run_type":"aggregate","aggregate_name":"median",)"
                            R"("real_time":%2,"time_unit":"%3"})")
                 .arg(name).arg(median).arg(unit);
  return QStringLiteral(R"({"context":{},"benchmarks":[%1]})").arg(entries).toUtf8();
}
}  // namespace

TEST(BenchGoals, ReadsTimesRatiosAndDivisorsAndNamesTheLinesItCannotRead) {
  QStringList errors;
  const auto goals = ParseGoals(QStringLiteral("# a comment\n\n"
                                               "BM_Input/dedalo_turn   2 ms\n"
                                               "BM_TraceView/x:8  2 ms per 4\n"
                                               "BM_Startup/*  1.15 x BM_Startup/bare\n"
                                               "BM_Broken  fast\n"
                                               "BM_NoUnit 3\n"
                                               "BM_Zero 0 ms\n"),
                                &errors);
  ASSERT_EQ(goals.size(), 3u);
  EXPECT_EQ(goals[0].pattern, "BM_Input/dedalo_turn");
  EXPECT_DOUBLE_EQ(goals[0].value, 2);
  EXPECT_FALSE(goals[0].ratio);
  EXPECT_DOUBLE_EQ(goals[1].per, 4);
  EXPECT_TRUE(goals[2].ratio);
  EXPECT_DOUBLE_EQ(goals[2].value, 1.15);
  EXPECT_EQ(goals[2].baseline, "BM_Startup/bare");
  EXPECT_EQ(errors, (QStringList{"line 6: BM_Broken  fast", "line 7: BM_NoUnit 3", "line 8: BM_Zero 0 ms"}));
}

TEST(BenchResults, MillisecondsFromEveryUnitWithTheSpreadOfTheRepetitions) {
  QMap<QString, Measure> results;
  ASSERT_TRUE(ReadResults(Output("BM_A", "us", {900, 1200, 1000}, 1000), &results));
  ASSERT_TRUE(ReadResults(Output("BM_B/iterations:40/real_time", "ns", {2e6, 4e6}, 3e6), &results));
  EXPECT_FALSE(ReadResults("not json", &results));
  EXPECT_DOUBLE_EQ(results["BM_A"].median, 1.0);
  EXPECT_DOUBLE_EQ(results["BM_A"].low, 0.9);
  EXPECT_DOUBLE_EQ(results["BM_A"].high, 1.2);
  EXPECT_EQ(results["BM_A"].repetitions, 3);
  EXPECT_DOUBLE_EQ(results["BM_B"].median, 3.0);
}

TEST(BenchTable, RatiosAgainstTheGoalOrTheBaselineWhichGetsNoRowOfItsOwn) {
  QMap<QString, Measure> results;
  results["BM_Startup/bare"].median = 100;
  results["BM_Startup/oruga"].median = 110;
  results["BM_Startup/dedalo"].median = 150;
  results["BM_View"].median = 10;
  results["BM_Failed"].error = "the program failed";
  QStringList errors;
  const auto goals = ParseGoals(QStringLiteral("BM_Startup/* 1.15 x BM_Startup/bare\n"
                                               "BM_View 2 ms per 4\n"
                                               "BM_Failed 1 ms\n"
                                               "BM_Missing 1 ms\n"),
                                &errors);
  const auto rows = Compare(goals, results);
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_EQ(rows[0].figure, "BM_Startup/dedalo");
  EXPECT_DOUBLE_EQ(rows[0].ratio, 1.5);
  EXPECT_FALSE(rows[0].met);
  EXPECT_EQ(rows[1].figure, "BM_Startup/oruga");
  EXPECT_DOUBLE_EQ(rows[1].ratio, 1.1);
  EXPECT_TRUE(rows[1].met);
  EXPECT_DOUBLE_EQ(rows[2].measure.median, 2.5);  // one view of the four
  EXPECT_DOUBLE_EQ(rows[2].ratio, 1.25);
  EXPECT_FALSE(rows[2].met);
  EXPECT_FALSE(rows[3].measured);
  EXPECT_EQ(rows[3].measure.error, "the program failed");
  EXPECT_EQ(rows[4].figure, "BM_Missing");
  EXPECT_FALSE(rows[4].measured);
}
