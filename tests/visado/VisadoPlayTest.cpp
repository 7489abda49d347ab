// Whole games with the mouse and the bars, and long random play at every level.
#include "RandomPlayer.h"
#include "VisadoFixture.h"

using namespace visado;

namespace {
// Where the row, the centre and the road lie, for the random player to aim at.
std::vector<QRect> Aims(Course& c) {
  const CaseToAfi& first = c.row.Cell(0);
  const CaseToAfi& last = c.row.Cell(c.row.Count() - 1);
  return {QRect(first.left - 5, first.top - 5, last.left + kSide + 10 - first.left, kSide + 10),
          QRect(c.tacot.x, c.tacot.y, c.arbre.x + Arbre::kSide - c.tacot.x, kSide)};
}
}  // namespace

TEST_F(VisadoTest, GamesWonAndLostWithTheMouseAtTheFirstAndLastLevels) {
  for (int level : {0, 5}) {
    SCOPED_TRACE(testing::Message() << "level " << level);
    h->Command(cmd::kLevelChoices[level]);
    // Won: the picture of the centre found in the row.
    h->ButtonCommand(cmd::Start);
    h->StepTimers(700);
    h->Click(CentreOf(C().row.FirstShowing(C().centre.picture)));
    EXPECT_EQ(OnlyMessage().title, "B R A V O ,   T U   A S   G A G N E .");

    // Lost: another picture.
    h->ButtonCommand(cmd::SameLevel);
    h->ButtonCommand(cmd::Start);
    h->StepTimers(300);
    const int wrong = (C().row.FirstShowing(C().centre.picture) + 1) % C().row.Count();
    h->Click(CentreOf(wrong));
    EXPECT_EQ(OnlyMessage().title, "Z U T ,  C ' E S T   R A T E !");

    // Lost to the tree.
    h->ButtonCommand(cmd::SameLevel);
    h->ButtonCommand(cmd::Start);
    ASSERT_TRUE(RunUntil([&] { return Phase() == PhaseFinished; }));
    h->StepTimers(1500);
    EXPECT_TRUE(h->TakeMessages().empty());
    EXPECT_TRUE(Shows(h->Copy(), Arbre::kFirstPicture + 8, {C().arbre.x, C().arbre.y}));
    h->Click(CentreOf(0));
    EXPECT_EQ(OnlyMessage().title, "C E T T E   P A R T I E   E S T   T E R M I N E E !");
    ASSERT_EQ(h->Screen(), h->Copy());
  }
}

TEST_F(VisadoTest, RandomPlayAtEveryLevelKeepsBothSurfacesTogether) {
  RandomPlayer player(*h, 4242);
  std::vector<int> commands{cmd::Start, cmd::Start, cmd::StartMenu, cmd::SameLevel, cmd::NextLevel,
                            cmd::PreviousLevel, cmd::About};
  commands.insert(commands.end(), std::begin(cmd::kLevelChoices), std::end(cmd::kLevelChoices));
  player.SetCommands(commands);
  h->AnswerWith([](const ShownMessage&) { return AnswerYes; });
  for (int level = 0; level < kLevels; ++level) {
    h->Command(cmd::kLevelChoices[level]);
    player.SetAims(Aims(C()));
    const PlayReport report = player.Play(2000);
    ASSERT_TRUE(report.ok) << report.failure;
    h->TakeInformationBoxes();
    h->TakeMessages();
    ASSERT_EQ(h->Screen(), h->Copy()) << "level " << level;
  }
  EXPECT_TRUE(h->FrameVisible());
}
