// Whole games, the win, the start command and random play.
#include "../formes/ExpectStartPicture.h"
#include "RandomPlayer.h"
#include "VeliscaFixture.h"

using namespace velisca;

TEST_F(VeliscaTest, TwentyFindsWinEmptyTheBandAndEachSquareIsTargetOnce) {
  Start(7);
  std::vector<int> targets;
  for (int n = 0; n < kSquares; ++n) {
    ASSERT_EQ(W().Jeu().phase, n == 0 ? PhaseNotStarted : PhaseInProgress);
    ASSERT_FALSE(Target()->found);
    targets.push_back(Target()->forme);
    if (n % 5 == 2) {  // a wrong choice now and then
      h->Click(Centre(AnotherSquare()));
      OnlyMessage();
    }
    FindTarget();
    if (n < kSquares - 1) {
      ASSERT_TRUE(h->TakeMessages().empty());
    }
  }
  ExpectMessage(OnlyMessage(), "B  R  A  V  O   !", "Tu as cliqué sur toutes les cases !", "", 2);
  EXPECT_EQ(W().Jeu().phase, PhaseFinished);
  EXPECT_EQ(W().Jeu().errors, 4);
  std::sort(targets.begin(), targets.end());
  for (int k = 0; k < kSquares; ++k) EXPECT_EQ(targets[k], k);

  const QImage screen = h->Screen();
  EXPECT_EQ(screen, h->Copy());
  const QRect band = W().Model().Band().Band();
  QImage grey(band.size(), screen.format());
  grey.fill(QColor(192, 192, 192));
  EXPECT_EQ(screen.copy(band), grey);
  for (int k = 0; k < kSquares; ++k) {
    EXPECT_TRUE(ShowsFound(screen, Square(k))) << k;
    EXPECT_EQ(RingPixels(screen, Square(k), [](QColor c) { return c == Qt::white; }), 0) << k;
  }

  // A press now only tells how to play again; its release does nothing.
  h->Click(Centre(Square(3)));
  ExpectMessage(OnlyMessage(), "B R A V O ,  C E T T E   P A R T I E   E S T   T E R M I N E E !",
                "Pour en refaire une, clique sur l'éclair jaune,", "dans la barre de boutons.", 3);
  EXPECT_EQ(W().Jeu().errors, 4);
  EXPECT_EQ(h->Screen(), screen);
}

// The start item shows the game's own word picture ("Démarrer").
TEST_F(VeliscaTest, TheStartItemShowsTheGamesOwnWordPicture) { ExpectStartPicture(*h, cmd::StartMenu, ":/velisca"); }

TEST_F(VeliscaTest, StartCommandAnswersByPhase) {
  Start(0, {5, 9});
  // Not started: nothing to start again.
  h->ButtonCommand(cmd::Start);
  ExpectMessage(OnlyMessage(), "I N U T I L E   D E   T O U T   R E C O M M E N C E R",
                "La partie n'est pas commencée !", "", 2);
  EXPECT_EQ(Target(), &Square(kOrder[1]));

  // In progress: asks, and "NON" keeps the game as it is.
  FindTarget();
  h->Click(Centre(AnotherSquare()));
  OnlyMessage();
  const QImage during = h->Screen();
  h->Answer({2});
  h->MenuCommand(cmd::StartMenu);
  ExpectMessage(OnlyMessage(), "A  T  T  E  N  T  I  O  N", "Veux-tu vraiment tout recommencer ?", "", 4, MessageYesNo);
  EXPECT_EQ(W().Jeu().errors, 1);
  EXPECT_EQ(W().Grid().FoundCount(), 1);
  EXPECT_EQ(h->Screen(), during);

  // "OUI": a new game from a new offset.
  h->Answer({1});
  h->ButtonCommand(cmd::Start);
  OnlyMessage();
  EXPECT_EQ(W().Jeu().phase, PhaseNotStarted);
  EXPECT_EQ(W().Jeu().errors, 0);
  EXPECT_EQ(W().Grid().FoundCount(), 0);
  EXPECT_EQ(Target(), &Square(kOrder[6]));
  EXPECT_EQ(h->MessageField(), "0  erreur(s)   ");
  const QImage fresh = h->Screen();
  EXPECT_EQ(fresh, h->Copy());
  for (int k = 0; k < kSquares; ++k) EXPECT_TRUE(ShowsRaised(fresh, Square(k))) << k;
  EXPECT_EQ(RingPixels(fresh, Square(0), [](QColor c) { return c == Qt::white; }), 0);

  // Finished: starts again at once.
  for (int n = 0; n < kSquares; ++n) FindTarget();
  OnlyMessage();
  h->Command(cmd::Start);
  EXPECT_TRUE(h->TakeMessages().empty());
  EXPECT_EQ(W().Jeu().phase, PhaseNotStarted);
  EXPECT_EQ(Target(), &Square(kOrder[10]));
  EXPECT_EQ(h->UnexpectedQuestions(), 0);
}

TEST_F(VeliscaTest, RandomPlayKeepsTheBoardConsistent) {
  RandomPlayer player(*h, 11);
  player.SetCommands({cmd::Start, cmd::StartMenu});
  for (int round = 0; round < 30; ++round) {
    player.Play(40);
    h->TakeMessages();
    if (W().Jeu().phase != PhaseFinished) {
      ASSERT_FALSE(Target()->found);
    }
    const QImage screen = h->Screen(), copy = h->Copy();
    for (int k = 0; k < kSquares; ++k) {
      if (Square(k).found) {
        ASSERT_TRUE(ShowsFound(screen, Square(k)) && ShowsFound(copy, Square(k))) << k;
      }
    }
  }
}

TEST_F(VeliscaTest, ARestartFromTheSameOffsetDrawsTheBoardOfTheFirstStart) {
  Start(7, {7, 7});
  const QImage first = h->Screen();
  const QString field = h->MessageField();
  ASSERT_EQ(first, h->Copy());

  // In progress, with a square found and another framed in red, then restarted.
  FindTarget();
  h->Click(Centre(AnotherSquare()));
  OnlyMessage();
  h->Answer({1});
  h->ButtonCommand(cmd::Start);
  OnlyMessage();
  EXPECT_EQ(h->Screen(), first);
  EXPECT_EQ(h->Copy(), first);
  EXPECT_EQ(h->MessageField(), field);

  // Won, with the band emptied, then restarted at once.
  for (int n = 0; n < kSquares; ++n) FindTarget();
  OnlyMessage();
  h->ButtonCommand(cmd::Start);
  EXPECT_TRUE(h->TakeMessages().empty());
  EXPECT_EQ(h->Screen(), first);
  EXPECT_EQ(h->Copy(), first);
  EXPECT_EQ(h->MessageField(), field);
}
