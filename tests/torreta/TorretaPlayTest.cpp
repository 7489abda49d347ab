// Whole games: won by dragging at every level, mouse mishaps, and long random play.
#include "RandomPlayer.h"
#include "TorretaFixture.h"

using namespace torreta;

TEST_F(TorretaTest, ADoubleClickOnADiscDragsOnceAtMostAndShowsTheNoticeOnce) {
  B().Load({"...|.", ".12|1", "345|5"}, W().DrawingArea().width(), W().DrawingArea().height());
  W().TheEcran()->DrawAll();
  h->DoubleClick(Centre(1, 1));
  const auto shown = h->TakeMessages();
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0].title, "O  U  I ,  H  E  U  !   B E N   A L O R S  !");  // the first click's drop on its own slot
  EXPECT_EQ(shown[1].title, "A T T E N T I O N !");
  EXPECT_EQ(h->SecondField(), "1  erreur(s)   ");
  EXPECT_EQ(W().Mouse().mode, AtRest);
  EXPECT_EQ(h->Screen(), h->Copy());
}

TEST_F(TorretaTest, ADragWhoseReleaseNeverCameEndsAsOutsideEveryColumn) {
  Load({"...|.", ".12|1", "345|5"});
  const QImage before = h->Screen();
  // The next press arrives while the disc is still held.
  h->Press(Centre(1, 1));
  h->Move(QPoint(300, 40));
  h->Press(Centre(0, 0));
  EXPECT_EQ(W().Mouse().mode, AtRest);
  h->Release(Centre(0, 0));
  EXPECT_EQ(h->Screen(), before);
  EXPECT_EQ(h->Copy(), before);
  // A move comes without the button held.
  h->Press(Centre(1, 2));
  h->Move(QPoint(300, 40));
  W().TheEcran()->MouseMove(QPoint(310, 45), 0);
  EXPECT_EQ(W().Mouse().mode, AtRest);
  EXPECT_EQ(h->Screen(), before);
  h->Release(Centre(0, 0));
  EXPECT_EQ(h->Screen(), before);
  EXPECT_EQ(B().Text(), (std::vector<std::string>{"...|.", ".12|1", "345|5"}));
  EXPECT_EQ(h->SecondField(), "0 erreur(s)   ");
  EXPECT_EQ(h->PendingMessages(), 0u);
}

TEST_F(TorretaTest, RandomPlayWithDragsAtEveryLevelNeitherCrashesNorHangs) {
  RandomPlayer player(*h, 2024);
  std::vector<int> commands{cmd::NextLevel, cmd::SameLevel, cmd::PreviousLevel, cmd::About, cmd::NextLevelMenu};
  commands.insert(commands.end(), std::begin(cmd::kLevelChoices), std::end(cmd::kLevelChoices));
  player.SetCommands(commands);
  for (int level = 0; level < 5; ++level) {
    h->Command(cmd::kLevelChoices[level]);
    h->TakeMessages();
    // Half of the points on the columns, where the discs are.
    const CaseDisque& first = B().At(0, 0);
    player.SetAims({QRect(first.left, first.top, B().BandLeft() - first.left + 100, 30 * B().Rows())});
    const PlayReport report = player.Play(800);
    ASSERT_TRUE(report.ok) << report.failure;
    h->TakeInformationBoxes();
    ASSERT_EQ(h->Screen(), h->Copy()) << "level " << level;
  }
}
