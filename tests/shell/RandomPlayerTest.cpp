// The random player as the soak uses it: a slow event fails the run with what
// is needed to replay it, a seed replays the same events, a hang is caught, and
// hostile play survives quitting.
#include "EventWatchdog.h"
#include "GameHarness.h"
#include "RandomPlayer.h"
#include "TestGame.h"

#include <gtest/gtest.h>
#include <set>
#include <thread>

using namespace testgame;
using namespace std::chrono_literals;

namespace {
TMainWindowSuite& W(GameHarness& h) { return static_cast<TMainWindowSuite&>(h.Window()); }

std::vector<std::string> HostileEvents(unsigned seed, int steps) {
  auto h = GameHarness::Start<testgame::TMyAppCumMenuSuite>({.seed = 3});
  RandomPlayer player(*h, seed);
  player.SetHostile(true);
  EXPECT_TRUE(player.Play(steps).ok);
  return player.Events();
}
}  // namespace

TEST(RandomPlayer, AnEventOverTheLimitEndsTheRunNamingTheSeedAndTheLastEvents) {
  auto h = GameHarness::Start<testgame::TMyAppCumMenuSuite>();
  W(*h).sleepMs = 300;
  RandomPlayer player(*h, 77);
  player.SetCommands({cmd::Sleep});
  player.SetEventLimit(100ms);
  const PlayReport report = player.Play(400);
  ASSERT_FALSE(report.ok);
  EXPECT_LT(report.events, 400);  // it stopped at the first slow event
  EXPECT_GE(report.slowestMs, 300);
  EXPECT_EQ(report.slowestEvent, "command 702");
  EXPECT_NE(report.failure.find("seed 77"), std::string::npos) << report.failure;
  EXPECT_NE(report.failure.find("command 702"), std::string::npos) << report.failure;
  // Quick events pass.
  W(*h).sleepMs = 0;
  EXPECT_TRUE(player.Play(50).ok);
}

TEST(RandomPlayer, TheSameSeedReplaysTheSameEvents) {
  const auto first = HostileEvents(9, 300), again = HostileEvents(9, 300), other = HostileEvents(10, 300);
  EXPECT_GE(first.size(), 300u);  // and a line for each new start of the program
  EXPECT_EQ(first, again);
  EXPECT_NE(first, other);
}

TEST(RandomPlayer, HostilePlayQuitsNowAndThenAndTheProgramStartsAgain) {
  auto h = GameHarness::Start<testgame::TMyAppCumMenuSuite>();
  RandomPlayer player(*h, 2024);
  player.SetHostile(true);
  const PlayReport report = player.Play(3000);
  EXPECT_TRUE(report.ok) << report.failure;
  EXPECT_EQ(report.events, 3000);
  const auto& events = player.Events();
  std::set<std::string> kinds;
  for (const std::string& e : events) kinds.insert(e.substr(0, e.find_first_of(" 0123456789")));
  for (const char* kind : {"click", "double", "drag", "move", "press", "release", "key", "command", "menu", "button",
                           "close", "timers", "program"})
    EXPECT_TRUE(kinds.count(kind)) << "no " << kind << " event";
  EXPECT_TRUE(h->FrameVisible());
  h->Click(QPoint(200, 200));  // the last program started still plays
  h->TakeMessages();
}

TEST(RandomPlayerDeathTest, AnEventThatNeverEndsStopsTheProcessWithItsContext) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        EventWatchdog watchdog(200ms);
        watchdog.Begin("seed 5, event 12; last events: command 702");
        std::this_thread::sleep_for(5s);
      },
      ::testing::ExitedWithCode(3), "HANG.*\n.*seed 5, event 12");
}
