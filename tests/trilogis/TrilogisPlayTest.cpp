// Whole games: every exercise won with the arrow keys and the letters typed,
// and long random play.
#include "Keys.h"
#include "RandomPlayer.h"
#include "TrilogisFixture.h"

using namespace trilogis;

TEST_F(TrilogisTest, TheWayHomeWinsEveryExerciseWithTheArrowsAndTheLettersTyped) {
  for (int level = 0; level < 4; ++level)
    for (int exercise = 1; exercise <= 3; ++exercise) {
      SCOPED_TRACE(testing::Message() << "level " << level << " exercise " << exercise);
      h->Command(cmd::kLevelChoices[level]);
      h->Command(cmd::kExercises[exercise - 1].button);
      const auto way = WayHome(W().TheBalade());
      ASSERT_TRUE(way);
      for (Direction d : *way) {
        h->Key(d == Direction::Up ? VK_UP : d == Direction::Down ? VK_DOWN : d == Direction::Right ? VK_RIGHT : VK_LEFT);
        if (W().Saisie().Active()) {
          EXPECT_EQ(OnlyMessage().title, "MAINTENANT TRAVAILLONS AVEC LE CLAVIER !");
          while (W().Saisie().Active()) TypeAsked();
          EXPECT_EQ(OnlyMessage().title, "B   R   A   V   O   ! ");
        }
      }
      EXPECT_EQ(OnlyMessage().title, "B R A V O  ,  F E L I C I T A T I O N S  !");
      EXPECT_EQ(Phase(), PhaseFinished);
      ExpectSurfacesShowTheBoard();
    }
}

TEST_F(TrilogisTest, TheMouseLosesIntoATreeAndOntoTheWolf) {
  h->Command(cmd::kExercises[1].button);  // the piglet under the wolf, a column of path below
  h->Click(Centre(2, 5));
  EXPECT_EQ(OnlyMessage().title, QString::fromUtf8("A  Ï  E   !"));
  EXPECT_EQ(Text()[1], "TTTTTTWTT");
  h->Command(cmd::kExercises[1].button);
  h->Click(Centre(0, 6));
  EXPECT_EQ(OnlyMessage().title, "O H !");
  EXPECT_EQ(Text()[1], "TTTTTT.TT");
  ExpectSurfacesShowTheBoard();
}

TEST_F(TrilogisTest, LongRandomPlayAtEveryExerciseKeepsBothSurfacesAlike) {
  RandomPlayer player(*h, 2024);
  player.SetCommands({cmd::SameLevel, cmd::kExercises[0].button, cmd::About});
  player.SetKeys({VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN, VK_SHIFT, LetterKey('A'), LetterKey('E'), LetterKey('K'),
                  LetterKey('Z')});
  const QPoint centre = W().DrawingArea().center();
  player.SetAims({QRect(centre - QPoint(290, 210), QSize(580, 420))});
  h->AnswerWith([](const ShownMessage&) { return AnswerYes; });
  for (int level = 0; level < 4; ++level)
    for (int exercise = 1; exercise <= 3; ++exercise) {
      h->Command(cmd::kLevelChoices[level]);
      h->Command(cmd::kExercises[exercise - 1].button);
      const PlayReport report = player.Play(1500);
      ASSERT_TRUE(report.ok) << report.failure;
      h->TakeMessages();
      h->TakeInformationBoxes();
      ASSERT_EQ(h->Screen(), h->Copy()) << "level " << level << " exercise " << exercise;
    }
}
