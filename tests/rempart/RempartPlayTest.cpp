// The game through its bars: the layout, the stack, runs step by step with
// every answer, the replay, and a window that ignores everything while the
// attacker runs.
#include "DecoratedFrame.h"
#include "Keys.h"
#include "LevelMenu.h"
#include "RandomPlayer.h"
#include "RempartFixture.h"

using namespace rempart;

namespace {
const char* const kBoum = "B  O  U  M  !   A ï E ";
const char* const kImpossible = "Mouvement impossible car tu";
}  // namespace

TEST_F(RempartTest, LayoutAtEveryLevelOnTwoScreens) {
  struct Expect {
    int screenWidth, screenHeight, areaWidth;
    int margins[4];  // by level
  };
  // Three equal margins: (W - 43 x columns - 29) / 3, W the drawing area's width.
  const Expect table[] = {{1024, 768, 976, {244, 215, 186, 158}}, {1920, 1080, 1872, {542, 514, 485, 456}}};
  for (const Expect& screen : table)
    for (int level = 0; level < 4; ++level) {
      SCOPED_TRACE(testing::Message() << screen.screenWidth << " level " << level);
      if (level == 0) Start({.screenWidth = screen.screenWidth, .screenHeight = screen.screenHeight});
      ASSERT_EQ(W().DrawingArea().width(), screen.areaWidth);
      h->Command(cmd::kLevelChoices[level]);
      const QRect area = W().DrawingArea();
      const int columns = 2 * level + 5, m = screen.margins[level];
      ASSERT_EQ(T().Columns(), columns);
      EXPECT_EQ(T().Margin(), m);
      EXPECT_EQ(QPoint(T().Goal().left, T().Goal().top), QPoint(m + 43 * columns / 2 - 68, 0));
      EXPECT_EQ(QPoint(T().Cell(0, 0).left, T().Cell(0, 0).top), QPoint(m, 55));
      const auto& last = T().Cell(level + 1, columns - 1);
      EXPECT_EQ(QPoint(last.left, last.top), QPoint(m + 43 * (columns - 1), 55 + 71 * (level + 1)));
      EXPECT_EQ(QPoint(P().Slot(13).left, P().Slot(13).top), QPoint(area.width() - m - 29, 13 * 29));
      EXPECT_EQ(area.width() - (P().Slot(0).left + 29), m);  // the right margin
      // The middle margin takes what the division left over.
      EXPECT_EQ(P().Slot(0).left - (last.left + 43), area.width() - 43 * columns - 29 - 2 * m);
      EXPECT_LE(P().Slot(0).left - (last.left + 43), m + 2);
      EXPECT_LE(last.top + 71, area.height());
      EXPECT_LE(14 * 29, area.height());
      // The strips under the goal, the goal, a cell, a slot and the attacker on both surfaces.
      for (const QImage& image : {h->Screen(), h->Copy()}) {
        EXPECT_EQ(image.pixel(m, 0), TColor::LtCyan.Rgb());
        EXPECT_EQ(image.pixel(m + 43 * columns - 1, 31), TColor::LtCyan.Rgb());
        EXPECT_EQ(image.pixel(m, 32), TColor::LtGreen.Rgb());
        EXPECT_EQ(image.pixel(m + 43 * columns - 1, 54), TColor::LtGreen.Rgb());
        EXPECT_EQ(image.pixel(m - 1, 0), TColor::White.Rgb());
        EXPECT_EQ(image.pixel(m + 43 * columns, 54), TColor::White.Rgb());
      }
      ExpectGoal(PicGoal);
      ExpectSlot(13, PicEmptySlot);
      ExpectCell(T().Attacker().row, T().Attacker().column, PicAttackerWithBall);
      EXPECT_EQ(h->FirstField(), LevelName(4, level) + ' ');
    }
}

TEST_F(RempartTest, ANewPitchRedrawsTheStartColumnWhileItFallsOnADefender) {
  // Offset 0 puts defenders at both ends of level 0's bottom row: columns 0 and
  // 4 are drawn and refused, then column 1 is taken.
  Start({.scriptedRandom = {0, 0, 4, 1}});
  EXPECT_EQ(PitchText(T()), (Rows{"X.X..", "XA..X"}));
  EXPECT_EQ(T().Attacker().startColumn, 1);
  EXPECT_EQ(Phase(), PhaseNotStarted);
  EXPECT_EQ(h->FirstField(), QString::fromUtf8("Débutant "));
}

TEST_F(RempartTest, TheStackTakesFourteenMovesAndErasesTheLast) {
  h->Command(cmd::Erase);
  ExpectMessage(OnlyMessage(), "D E S O L E  !", "Tu ne peux retirer une action car",
                "la pile des actions à faire est vide.", 3);
  EXPECT_EQ(Phase(), PhaseNotStarted);
  const int moves[] = {cmd::Up, cmd::Back, cmd::Left, cmd::Right};
  for (int i = 0; i < 14; ++i) h->Command(moves[i % 4]);
  EXPECT_EQ(Phase(), PhaseInProgress);
  EXPECT_TRUE(h->TakeMessages().empty());
  ExpectSlot(0, PicUp);
  ExpectSlot(1, PicBack);
  ExpectSlot(2, PicLeft);
  ExpectSlot(3, PicRight);
  h->Command(cmd::Left);
  ExpectMessage(OnlyMessage(), "D E S O L E  !", "Tu ne peux ajouter une action supplémentaire",
                "car la pile des actions à faire est pleine.", 3);
  EXPECT_EQ(P().Count(), 14);
  EXPECT_EQ(P().Slot(13).action, Action::Back);
  EXPECT_EQ(Phase(), PhaseInProgress);
  h->Command(cmd::Erase);
  EXPECT_EQ(P().Count(), 13);
  ExpectSlot(13, PicEmptySlot);
  ExpectSlot(12, PicUp);
}

TEST_F(RempartTest, AGoalTakesOneStepAtOnceAndTheNextOnTheTick) {
  Load({".....", "..A.."});
  Run({cmd::Up, cmd::Up});
  EXPECT_EQ(PitchText(T()), (Rows{"..A..", "..*.."}));
  ExpectSlot(0, PicUpDone);
  ExpectSlot(1, PicUp);
  EXPECT_TRUE(h->TakeMessages().empty());
  EXPECT_EQ(Phase(), PhaseInProgress);
  h->StepTimers(kStepMilliseconds - 1);
  EXPECT_EQ(P().Slot(1).done, false);
  h->StepTimers(1);
  ExpectMessage(OnlyMessage(), "B  U  T  !   B R A V O.", "Félicitations, tu as marqué.", "", 2);
  EXPECT_EQ(Phase(), PhaseFinished);
  EXPECT_FALSE(W().Board().Running());
  ExpectGoal(PicGoalWithBall);
  ExpectCell(0, 2, PicAttacker);
  ExpectCell(1, 2, PicTrail);
  ExpectSlot(0, PicUpDone);
  ExpectSlot(1, PicUpDone);
  // The run is over: no more ticks, and the finished game says so.
  h->StepTimers(10 * kStepMilliseconds);
  EXPECT_TRUE(h->TakeMessages().empty());
  for (int command : {int(cmd::Up), int(cmd::Execute), int(cmd::ExecuteMenu)}) {
    h->Command(command);
    const ShownMessage m = OnlyMessage();
    EXPECT_EQ(m.title, "L A   P A R T I E   E S T   F I N I E !");
    EXPECT_EQ(m.line3, "de la barre de boutons, sur le but de foot.");
    EXPECT_EQ(P().Count(), 2);
  }
}

TEST_F(RempartTest, EveryRefusedMoveEndsTheRunWithItsOwnMessage) {
  struct Case {
    Rows pitch;
    std::vector<int> moves;
    const char* title;
    const char* line1;
    const char* line2;
    int stepsTaken;
  };
  const Case cases[] = {
      {{".....", "A...."}, {cmd::Up, cmd::Up}, kBoum, kImpossible, "es arrivé à la ligne de but", 2},
      {{".....", "..A.."}, {cmd::Back}, kBoum, kImpossible, "es arrivé au centre du terrain.", 1},
      {{".....", ".A..."}, {cmd::Left, cmd::Left, cmd::Up}, kBoum, "Mouvement impossible car tu ne",
       "peux pas franchir la ligne de touche.", 2},
      {{".....", "...A."}, {cmd::Right, cmd::Right}, "B  O  U  M  !   A ï E", "Mouvement impossible car tu ne",
       "peux pas franchir la ligne de touche.", 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line2);
    h->Command(cmd::SameLevel);
    h->TakeMessages();
    Load(c.pitch);
    for (int m : c.moves) h->Command(m);
    h->Command(cmd::ExecuteMenu);
    Finish();
    ExpectMessage(OnlyMessage(), c.title, c.line1, c.line2, 3);
    EXPECT_EQ(Phase(), PhaseFinished);
    for (int i = 0; i < P().Count(); ++i) EXPECT_EQ(P().Slot(i).done, i < c.stepsTaken) << i;
    EXPECT_TRUE(T().Attacker().ball);
  }
}

TEST_F(RempartTest, ADefenderTakesTheBallInFrontOfTheChild) {
  Load({".....", ".AX.."});
  Run({cmd::Left, cmd::Right, cmd::Right, cmd::Up});
  Finish();
  ExpectMessage(OnlyMessage(), "O H   !   A T T E N T I O N   A   L A   D E F E N S E",
                "Zut, le défenseur vient de te prendre le ballon.", "", 3);
  EXPECT_EQ(PitchText(T()), (Rows{".....", "*ax.."}));
  ExpectCell(1, 1, PicAttacker);
  ExpectCell(1, 2, PicDefenderWithBall);
  ExpectCell(1, 0, PicTrail);
  ExpectSlot(0, PicLeftDone);
  ExpectSlot(1, PicRightDone);
  ExpectSlot(2, PicRightDone);
  ExpectSlot(3, PicUp);
  EXPECT_EQ(Phase(), PhaseFinished);
}

TEST_F(RempartTest, AProgramThatEndsOnThePitchStillEndsTheGameSilently) {
  Load({".....", "A...."});
  Run({cmd::Right, cmd::Right, cmd::Up});
  Finish();
  EXPECT_TRUE(h->TakeMessages().empty());
  EXPECT_EQ(Phase(), PhaseFinished);
  EXPECT_EQ(PitchText(T()), (Rows{"..A..", "***.."}));
  ExpectSlot(1, PicRightDone);
  ExpectSlot(2, PicUpDone);
  h->Command(cmd::Erase);  // the replay
  EXPECT_EQ(Phase(), PhaseInProgress);
  EXPECT_EQ(PitchText(T()), (Rows{".....", "A...."}));
}

TEST_F(RempartTest, EraseAfterARunReplaysTheSamePitchFromTheStart) {
  Load({"X.X..", "A...X"});
  Run({cmd::Right, cmd::Right, cmd::Up});
  Finish();
  OnlyMessage();
  ASSERT_EQ(PitchText(T()), (Rows{"X.x..", "**a.X"}));
  h->Command(cmd::Erase);
  EXPECT_EQ(Phase(), PhaseInProgress);
  EXPECT_EQ(P().Count(), 0);
  EXPECT_EQ(PitchText(T()), (Rows{"X.X..", "A...X"}));
  ExpectCell(1, 0, PicAttackerWithBall);
  ExpectCell(1, 1, PicGrass);
  ExpectCell(0, 2, PicDefender);
  ExpectSlot(0, PicEmptySlot);
  ExpectSlot(2, PicEmptySlot);
  // And after a goal the net is empty again.
  Run({cmd::Right, cmd::Up, cmd::Up});
  Finish();
  EXPECT_EQ(OnlyMessage().title, "B  U  T  !   B R A V O.");
  ExpectGoal(PicGoalWithBall);
  h->Command(cmd::Erase);
  ExpectGoal(PicGoal);
  ExpectCell(1, 0, PicAttackerWithBall);
  EXPECT_EQ(PitchText(T()), (Rows{"X.X..", "A...X"}));
}

TEST_F(RempartTest, AnEmptyProgramIsRefusedAndLeavesThePhase) {
  h->Command(cmd::Execute);
  ExpectMessage(OnlyMessage(), "D E S O L E  !  ", "L'attaquant ne peut pas marquer un but ! La pile",
                "qui décrit le trajet à effectuer est vide. Pro-", 0);
  EXPECT_EQ(Phase(), PhaseNotStarted);
  EXPECT_FALSE(W().Board().Running());
}

TEST_F(RempartTest, WhileTheAttackerRunsNothingElseReachesTheGameAndTheWindowRepaints) {
  h->Command(cmd::kLevelChoices[3]);
  Load({"...........", "...........", "...........", "...........", "A.........."});
  Run({cmd::Right, cmd::Right, cmd::Right, cmd::Right, cmd::Up, cmd::Up, cmd::Up});
  const Rows during = PitchText(T());
  const QString level = h->FirstField();
  h->Command(cmd::Up);
  h->Command(cmd::Erase);
  h->ButtonCommand(cmd::SameLevel);
  h->MenuCommand(cmd::kLevelChoices[0]);
  h->ButtonCommand(cmd::Quit);
  h->Command(cmd::Help);
  h->Click(QPoint(100, 100));
  h->DoubleClick(QPoint(100, 100));
  h->Key(Qt::Key_Return);
  h->CloseFrame();
  EXPECT_TRUE(h->FrameVisible());
  EXPECT_TRUE(h->TakeMessages().empty());
  EXPECT_EQ(P().Count(), 7);
  EXPECT_EQ(PitchText(T()), during);
  EXPECT_EQ(h->FirstField(), level);
  // Between two steps the window shows the attacker where it now stands.
  h->StepTimers(kStepMilliseconds);
  const auto& cell = T().Cell(4, 2);
  const QImage want = W().PictureDC(PicAttackerWithBall).Image()->copy();
  EXPECT_EQ(h->Grab().copy(cell.left, cell.top, 43, 71), want);
  Finish();
  EXPECT_EQ(PitchText(T())[1], "....A......");
  // Once the run is over the bars answer again.
  h->Command(cmd::Up);
  EXPECT_EQ(OnlyMessage().title, "L A   P A R T I E   E S T   F I N I E !");
}

TEST_F(RempartTest, ANewPitchAsksOnlyWhileTheChildIsProgramming) {
  h->Command(cmd::SameLevel);  // phase 0: no question
  EXPECT_EQ(h->UnexpectedQuestions(), 0);
  Load({".....", "..A.."});
  h->Command(cmd::Up);
  h->Answer({AnswerNo});
  h->Command(cmd::kLevelChoices[2]);
  EXPECT_EQ(OnlyMessage().line1, "Veux-tu vraiment tout recommencer ?");
  EXPECT_EQ(P().Count(), 1);
  EXPECT_EQ(T().Rows(), 2);
  EXPECT_EQ(h->FirstField(), QString::fromUtf8("Débutant "));
  // A command after the refusal keeps showing the old level's pitch and name.
  h->Command(cmd::Up);
  EXPECT_EQ(h->FirstField(), QString::fromUtf8("Débutant "));
  h->Command(cmd::Execute);
  Finish();
  OnlyMessage();
  h->Command(cmd::SameLevel);  // phase 2: no question, the chosen level comes
  EXPECT_EQ(T().Rows(), 4);
  EXPECT_EQ(h->FirstField(), "Professionnel ");
  EXPECT_EQ(Phase(), PhaseNotStarted);
  EXPECT_EQ(P().Count(), 0);
}

TEST_F(RempartTest, TheBarsInTheirOrderAndTheMenusOfTheAttacker) {
  const GameConfig& c = TMainWindowSuite::Config();
  std::vector<int> commands, gaps;
  for (const BarButton& b : c.buttons) {
    commands.push_back(b.command);
    gaps.push_back(b.separatorsAfter);
  }
  EXPECT_EQ(commands, (std::vector<int>{530, 572, 574, 576, 583, 585, 586, 587, 588, 589, 570}));
  EXPECT_EQ(gaps, (std::vector<int>{3, 1, 1, 3, 1, 0, 0, 0, 1, 3, 1}));
  EXPECT_EQ(c.separatorK, 11);
  // Each button and each menu item reaches its command.
  h->ButtonCommand(cmd::Right);
  h->MenuCommand(cmd::Left);
  h->ButtonCommand(cmd::Up);
  h->MenuCommand(cmd::Erase);
  EXPECT_EQ(P().Count(), 2);
  EXPECT_EQ(P().Slot(1).action, Action::Left);
  h->MenuCommand(cmd::ExecuteMenu);
  Finish();
  h->TakeMessages();
  EXPECT_EQ(Phase(), PhaseFinished);
}

TEST_F(RempartTest, RandomPlayAtEveryLevelWithTheTimersStepped) {
  for (int level = 0; level < 4; ++level) {
    h->AnswerWith([](const ShownMessage&) { return int(AnswerYes); });
    h->Command(cmd::kLevelChoices[level]);
    h->AnswerWith(nullptr);
    ASSERT_EQ(T().Rows(), level + 2);
    RandomPlayer player(*h, 11 + level);
    player.SetCommands({cmd::Up, cmd::Back, cmd::Left, cmd::Right, cmd::Up, cmd::Back, cmd::Left, cmd::Right,
                        cmd::Erase, cmd::Execute, cmd::ExecuteMenu, cmd::SameLevel, cmd::kLevelChoices[level]});
    const PlayReport report = player.Play(1500);
    EXPECT_TRUE(report.ok) << report.failure;
    h->TakeMessages();
    for (int r = 0; r < T().Rows(); ++r)
      for (int c = 0; c < T().Columns(); ++c) ASSERT_LE(T().Cell(r, c).left + 43, W().DrawingArea().width());
  }
}
