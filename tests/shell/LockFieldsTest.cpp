// The Caps Lock and Num Lock indicators of the status bar.
#include "GameHarness.h"
#include "KeyboardLocks.h"
#include "StatusBar.h"
#include "TestGame.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {
class LockFieldsTest : public ::testing::Test {
protected:
  void SetUp() override { h = GameHarness::Start<testgame::TMyAppCumMenuSuite>(); }
  void TearDown() override { TKeyboardLocks::SetForTesting(std::nullopt); }
  QString Locks() const {
    const TStatusBar& bar = *h->App().StatusBar();
    return bar.CapsLockText() + '|' + bar.NumLockText();
  }
  std::unique_ptr<GameHarness> h;
};
}  // namespace

TEST_F(LockFieldsTest, OffscreenTheDisplayServerCannotTellAndTheFieldsStayBlank) {
  ASSERT_EQ(QApplication::platformName(), "offscreen");
  EXPECT_EQ(Locks(), "|");
}

TEST_F(LockFieldsTest, EachFieldFollowsItsLockAtEveryChange) {
  const QString first = h->FirstField(), second = h->SecondField(), message = h->MessageField();
  TKeyboardLocks::SetForTesting(LockState{true, true, false});
  EXPECT_EQ(Locks(), "MAJ|");
  TKeyboardLocks::SetForTesting(LockState{true, true, true});
  EXPECT_EQ(Locks(), "MAJ|NUM");
  TKeyboardLocks::SetForTesting(LockState{true, false, true});
  EXPECT_EQ(Locks(), "|NUM");
  // A state nobody knows shows nothing, whatever the locks say.
  TKeyboardLocks::SetForTesting(LockState{false, true, true});
  EXPECT_EQ(Locks(), "|");
  // The game's own fields are not touched.
  EXPECT_EQ(h->FirstField(), first);
  EXPECT_EQ(h->SecondField(), second);
  EXPECT_EQ(h->MessageField(), message);
}

TEST_F(LockFieldsTest, AProgramStartedWhileALockIsOnShowsItAtOnceAndForgetsItWithTheServer) {
  TKeyboardLocks::SetForTesting(LockState{true, false, true});
  h->Relaunch();
  EXPECT_EQ(Locks(), "|NUM");
  TKeyboardLocks::SetForTesting(std::nullopt);  // the offscreen server again: it cannot tell
  EXPECT_EQ(Locks(), "|");
}
