// The five laps, the end of the game, the start command and random play.
#include "../formes/ExpectStartPicture.h"
#include "PeldanoFixture.h"
#include "RandomPlayer.h"

using namespace peldano;

namespace {
// The board after `n` correct answers: lap r takes 8 answers to climb and
// one per place from place 4 down to place r, where its figure stays.
std::string Expected(int n) {
  int lap = 0;
  for (int length = 13; n > length && lap < 4; ++lap, length -= 1) n -= length;
  const int length = 13 - lap;
  std::string places(kPlaces, '_'), steps(kSteps, '.');
  for (int i = 0; i < lap; ++i) places[i] = 'o';
  if (n == length && lap < 4) {
    places[lap] = 'o';
    steps[8] = 'F';
  } else if (n <= 8) {
    steps[8 - n] = 'F';
  } else {
    places[4 - (n - 9)] = 'o';
  }
  return places + '|' + steps;
}

std::deque<int> Draws(int count) {
  std::deque<int> draws;
  for (int i = 0; i < count; ++i) draws.push_back((i * 7 + i / 3) % 5);
  return draws;
}
}  // namespace

TEST_F(PeldanoTest, FiveLapsOf13To9AnswersFillThePlatformAndTheStaircaseStaysWhole) {
  Start(Draws(60));
  std::vector<int> lapLengths;
  int sinceLap = 0;
  for (int n = 1; n <= 55; ++n) {
    ASSERT_NE(W().Jeu().phase, PhaseFinished);
    AnswerRight();
    ++sinceLap;
    ASSERT_EQ(Board(), Expected(n)) << "after " << n << " answers";
    if (Stairs().Lap() + 1 > static_cast<int>(lapLengths.size()) || n == 55) {
      lapLengths.push_back(sinceLap);
      sinceLap = 0;
    }
    if (n == 55) break;
    ASSERT_TRUE(h->TakeMessages().empty());
    // What the answers drew equals the board drawn whole, in its order.
    const QImage screen = h->Screen();
    ASSERT_EQ(screen, h->Copy());
    W().TheEcran()->DrawAll();
    ASSERT_EQ(h->Screen(), screen) << "the staircase is cut after " << n << " answers";
  }
  EXPECT_EQ(lapLengths, (std::vector<int>{13, 12, 11, 10, 9}));
  EXPECT_EQ(Board(), "ooooo|.........");
  EXPECT_EQ(W().Jeu().phase, PhaseFinished);
  OnlyMessage();

  // The band is empty, every place shows its figure.
  const QImage screen = h->Screen();
  EXPECT_EQ(screen, h->Copy());
  const QRect band = W().Model().Band();
  QImage grey(band.size(), screen.format());
  grey.fill(QColor(192, 192, 192));
  EXPECT_EQ(screen.copy(band), grey);
  for (int i = 0; i < kPlaces; ++i) EXPECT_TRUE(Shows(screen, Stairs().Place(i), kFirstStepPicture + FilledPlace));

  // A press now only tells how to play again.
  AnswerRight();
  ExpectMessage(OnlyMessage(), "B R A V O ,  C E T T E   P A R T I E   E S T   T E R M I N E E !",
                "Pour en refaire une, clique sur l'éclair jaune,", "dans la barre de boutons.", 3);
  EXPECT_EQ(h->Screen(), screen);
}

TEST_F(PeldanoTest, FinalMessageNamesNoErrorOneErrorOrSeveral) {
  const struct {
    int errors;
    const char* title;
    const char* line;
  } cases[] = {{0, "B R A V O ,  C ' E S T   G A G N E !", "Tu as fait aucune erreur."},
               {1, "B R A V O ,  C ' E S T   G A G N E !", "Tu as fait une seule erreur."},
               {3, "O  U  I  !", "Tu as fait plusieurs erreurs."}};
  for (const auto& c : cases) {
    Start(Draws(60));
    for (int n = 0; n < 55; ++n) {
      if (n == 20 && c.errors > 0) {
        for (int e = 0; e < c.errors; ++e) AnswerWrong();
        ASSERT_EQ(h->TakeMessages().size(), static_cast<size_t>(c.errors));
      }
      AnswerRight();
    }
    ExpectMessage(OnlyMessage(), c.title, "La partie est terminée.", c.line, 2);
    EXPECT_EQ(h->MessageField(), QString("%1  erreur(s)   ").arg(c.errors));
  }
}

// The start item shows the game's own word picture ("Exécuter").
TEST_F(PeldanoTest, TheStartItemShowsTheGamesOwnWordPicture) { ExpectStartPicture(*h, cmd::StartMenu, ":/peldano"); }

TEST_F(PeldanoTest, StartCommandAnswersByPhase) {
  Start({0, 1, 2, 3, 4});
  // No right answer yet, even after a wrong one: nothing to start again.
  AnswerWrong();
  OnlyMessage();
  h->ButtonCommand(cmd::Start);
  ExpectMessage(OnlyMessage(), "I N U T I L E   D E   T O U T   R E C O M M E N C E R",
                "La partie n'est pas commencée !", "", 2);
  EXPECT_EQ(W().Jeu().errors, 1);

  // In play: asks; "NON" keeps the game.
  AnswerRight();
  h->Answer({2});
  h->MenuCommand(cmd::StartMenu);
  ExpectMessage(OnlyMessage(), "A  T  T  E  N  T  I  O  N", "Veux-tu vraiment tout recommencer ?", "", 4, MessageYesNo);
  EXPECT_EQ(Board(), "_____|.......F.");
  EXPECT_EQ(W().Jeu().errors, 1);

  // "OUI": a new board with a new model.
  h->Answer({1});
  h->ButtonCommand(cmd::Start);
  OnlyMessage();
  EXPECT_EQ(Board(), "_____|........F");
  EXPECT_EQ(W().Jeu().errors, 0);
  EXPECT_EQ(W().Jeu().phase, PhaseNotStarted);
  EXPECT_EQ(ModelKind(), 2);
  EXPECT_EQ(h->MessageField(), "0  erreur(s)   ");
  EXPECT_EQ(h->Screen(), h->Copy());

  // Finished: starts again at once.
  for (int n = 0; n < 55; ++n) AnswerRight();
  OnlyMessage();
  h->Command(cmd::Start);
  EXPECT_TRUE(h->TakeMessages().empty());
  EXPECT_EQ(Board(), "_____|........F");
  EXPECT_EQ(W().Jeu().phase, PhaseNotStarted);
  EXPECT_EQ(h->UnexpectedQuestions(), 0);
}

TEST_F(PeldanoTest, RandomPlayKeepsOneFigureOnTheWayUp) {
  RandomPlayer player(*h, 5);
  player.SetCommands({cmd::Start, cmd::StartMenu});
  for (int round = 0; round < 30; ++round) {
    player.Play(40);
    h->TakeMessages();
    const std::string board = Board();
    const auto figures = std::count(board.begin(), board.end(), 'F');
    const int lap = Stairs().Lap();
    ASSERT_LE(figures, 1) << board;
    ASSERT_EQ(board.substr(0, lap + 1), std::string(lap + 1, 'o')) << board;
    ASSERT_EQ(h->Screen(), h->Copy());
  }
}

TEST_F(PeldanoTest, ARestartWithTheSameModelDrawsTheBoardOfTheFirstStart) {
  std::deque<int> draws = Draws(60);
  draws.push_front(3);  // the first model
  draws.insert(draws.begin() + 21, 3);  // the model after a restart following 20 answers
  Start(draws);
  const QImage first = h->Screen();
  const QString field = h->MessageField();
  ASSERT_EQ(first, h->Copy());

  // Past the first lap, with an error, then restarted.
  AnswerWrong();
  OnlyMessage();
  for (int n = 0; n < 20; ++n) AnswerRight();
  ASSERT_EQ(Board(), Expected(20));
  h->Answer({1});
  h->ButtonCommand(cmd::Start);
  OnlyMessage();
  EXPECT_EQ(h->Screen(), first);
  EXPECT_EQ(h->Copy(), first);
  EXPECT_EQ(h->MessageField(), field);

  // Won, with the band emptied, then restarted at once on the same model.
  draws = Draws(55);
  draws.push_front(3);
  draws.push_back(3);
  Start(draws);
  for (int n = 0; n < 55; ++n) AnswerRight();
  ASSERT_EQ(W().Jeu().phase, PhaseFinished);
  OnlyMessage();
  h->ButtonCommand(cmd::Start);
  EXPECT_TRUE(h->TakeMessages().empty());
  EXPECT_EQ(h->Screen(), first);
  EXPECT_EQ(h->Copy(), first);
  EXPECT_EQ(h->MessageField(), field);
}
