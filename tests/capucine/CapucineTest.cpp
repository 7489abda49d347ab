// The girl in red: her board, steps, keys and restarts, and whole games.
#include "CapucineWindow.h"
#include "ForetPaths.h"
#include "GameHarness.h"
#include "Keys.h"
#include "RandomPlayer.h"

#include <gtest/gtest.h>

using namespace capucine;
using Rows = std::vector<std::string>;

class CapucineTest : public ::testing::Test {
protected:
  void SetUp() override { h = GameHarness::Start<capucine::TMyAppCumMenuSuite>(); }
  void TearDown() override { EXPECT_EQ(h->PendingMessages(), 0u) << "a message was shown that the test did not look at"; }
  TMainWindowSuite& W() { return static_cast<TMainWindowSuite&>(h->Window()); }
  foret::ToClic2D& B() { return W().Board(); }
  int Phase() { return W().Jeu().phase; }
  void Load(const Rows& rows) {
    W().TheBalade().Lay(rows, false, W().DrawingArea().width(), W().DrawingArea().height());
    W().TheEcran()->DrawAll();
  }
  Rows Text() { return BoardText(B()); }
  QPoint Centre(int r, int c) { return QPoint(B().Cell(r, c).left + 14, B().Cell(r, c).top + 14); }
  ShownMessage OnlyMessage() {
    auto shown = h->TakeMessages();
    EXPECT_EQ(shown.size(), 1u);
    return shown.empty() ? ShownMessage{} : shown.front();
  }
  void ExpectSurfacesShowTheBoard() {
    static const int pictures[] = {0, 1, 0, 4, 5, 6, 7};
    const QImage screen = h->Screen(), copy = h->Copy();
    for (int r = 0; r < B().Rows(); ++r)
      for (int c = 0; c < B().Columns(); ++c) {
        const foret::CaseForet& cell = B().Cell(r, c);
        const QImage want = W().PictureDC(pictures[static_cast<int>(cell.kind)]).Image()->copy();
        ASSERT_EQ(screen.copy(cell.left, cell.top, 29, 29), want) << "screen cell " << r << "," << c;
        ASSERT_EQ(copy.copy(cell.left, cell.top, 29, 29), want) << "copy cell " << r << "," << c;
      }
  }
  std::unique_ptr<GameHarness> h;
};

TEST_F(CapucineTest, TheLettersOfTheLayoutsArePathAndTheFieldsShowTheExercise) {
  EXPECT_EQ(h->Caption(), "L E   C A P U C I N E N   R O U G E");
  EXPECT_EQ(Text()[1], "TWP....HT");
  EXPECT_EQ(h->FirstField(), QString::fromUtf8("Exercice N°: 1   "));
  ExpectSurfacesShowTheBoard();
  h->Key(VK_RIGHT);
  h->Key(VK_RIGHT);
  EXPECT_EQ(Text()[1], "T..WP..HT");
  EXPECT_EQ(h->PendingMessages(), 0u);
}

TEST_F(CapucineTest, HerOwnCellMakesHerStumbleAndTwoCellsAwayIsRefused) {
  h->Click(Centre(1, 4));
  ShownMessage m = OnlyMessage();
  EXPECT_EQ(m.title, "B O F  !");
  EXPECT_EQ(m.line2, QString::fromUtf8("clique dans dans une case à côté de lui."));
  EXPECT_EQ(Phase(), PhaseInProgress);
  EXPECT_EQ(Text()[1], "TWP....HT");
  h->Click(Centre(1, 2));
  m = OnlyMessage();
  EXPECT_EQ(m.title, QString::fromUtf8("A Ï E  ! "));
  EXPECT_EQ(m.line1, QString::fromUtf8("Le petit capucinen rouge a trébuché ..."));
  EXPECT_EQ(m.picture, 3);
  EXPECT_EQ(Text()[1], "T.W....HT");
  EXPECT_EQ(Phase(), PhaseFinished);
  ExpectSurfacesShowTheBoard();
  // The end: the shell's notice for a press, the walk's for an arrow; letters do nothing.
  h->Click(Centre(1, 3));
  EXPECT_EQ(OnlyMessage().title, "C E T T E   P A R T I E   E S T   T E R M I N E E !");
  h->Key(VK_UP);
  EXPECT_EQ(OnlyMessage().title, "L A    P A R T I E   E S T   F I N I E !");
  h->Key(LetterKey('A'));
  h->Key(VK_SHIFT);
  EXPECT_EQ(h->PendingMessages(), 0u);
}

TEST_F(CapucineTest, OntoTheWolfSheIsEatenAndIntoTheHutSheIsHome) {
  Load({"TTTTT", "TWPHT", "TTTTT"});
  h->Key(VK_LEFT);
  const ShownMessage m = OnlyMessage();
  EXPECT_EQ(m.title, "O  H  !");
  EXPECT_EQ(m.line3, QString::fromUtf8("... et le loup l'a mangé."));
  EXPECT_EQ(Text()[1], "TW.HT");
  Load({"TTTTT", "TWPHT", "TTTTT"});
  W().Jeu().phase = PhaseInProgress;
  h->Click(Centre(1, 3));
  const ShownMessage won = OnlyMessage();
  EXPECT_EQ(won.title, "B R A V O  ,  F E L I C I T A T I O N S  !");
  EXPECT_EQ(won.line1, QString::fromUtf8("Tu as gagné, la partie est finie"));
  EXPECT_EQ(Text()[1], "T..hT");
  EXPECT_EQ(Phase(), PhaseFinished);
  ExpectSurfacesShowTheBoard();
}

TEST_F(CapucineTest, ADoubleClickOnANeighbourIsOneStep) {
  h->DoubleClick(Centre(1, 3));
  EXPECT_EQ(h->PendingMessages(), 0u);
  EXPECT_EQ(Text()[1], "T.WP...HT");
  EXPECT_EQ(Phase(), PhaseInProgress);
}

TEST_F(CapucineTest, OnlyAGameInProgressAsksBeforeARestart) {
  h->Command(cmd::kExercises[2].button);
  EXPECT_EQ(W().Jeu().exercise, 3);
  h->Click(Centre(1, 3));
  h->Answer({AnswerNo});
  h->Command(cmd::kLevelChoices[1]);
  EXPECT_EQ(OnlyMessage().line1, "Veux-tu vraiment tout recommencer ?");
  EXPECT_EQ(Text()[1], "T.WP...TT");  // still exercise 3 of level 0
  h->Click(Centre(1, 2));  // her own cell
  OnlyMessage();
  h->Command(cmd::kExercises[1].menu);  // finished: no question
  EXPECT_EQ(B().Columns(), 12) << "the level chosen before is applied now";
  EXPECT_EQ(W().Jeu().exercise, 2);
  EXPECT_EQ(h->UnexpectedQuestions(), 0);
}

TEST_F(CapucineTest, TheWayHomeWinsEveryExerciseAndRandomPlayKeepsTheSurfacesAlike) {
  for (int level = 0; level < 4; ++level)
    for (int exercise = 1; exercise <= 3; ++exercise) {
      h->Command(cmd::kLevelChoices[level]);
      h->Command(cmd::kExercises[exercise - 1].button);
      const auto way = WayHome(W().TheBalade());
      ASSERT_TRUE(way);
      for (Direction d : *way) {
        foret::CaseForet* next = W().TheBalade().Beside(d);
        ASSERT_TRUE(next);
        h->Click(Centre(next->row, next->column));
      }
      EXPECT_EQ(OnlyMessage().title, "B R A V O  ,  F E L I C I T A T I O N S  !")
          << "level " << level << " exercise " << exercise;
    }
  RandomPlayer player(*h, 77);
  player.SetCommands({cmd::SameLevel, cmd::kExercises[2].button});
  player.SetKeys({VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN, VK_SHIFT, LetterKey('A')});
  const QPoint centre = W().DrawingArea().center();
  player.SetAims({QRect(centre - QPoint(290, 210), QSize(580, 420))});
  h->AnswerWith([](const ShownMessage&) { return AnswerYes; });
  for (int level = 0; level < 4; ++level)
    for (int exercise = 1; exercise <= 3; ++exercise) {
      h->Command(cmd::kLevelChoices[level]);
      h->Command(cmd::kExercises[exercise - 1].button);
      const PlayReport report = player.Play(1000);
      ASSERT_TRUE(report.ok) << report.failure;
      h->TakeMessages();
      ASSERT_EQ(h->Screen(), h->Copy()) << "level " << level << " exercise " << exercise;
    }
}
