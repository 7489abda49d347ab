// Whole games with the mouse at every level: won, lost, and played at random.
#include "AlveoloFixture.h"
#include "RandomPlayer.h"

using namespace alveolo;

TEST_F(AlveoloTest, EveryLevelIsWonByRevealingEverySafeCellAndLostOnAMine) {
  const char* const titles[kLevelCount] = {"O U I, C'EST BON",
                                       "O U I  C H E R  D E B U T A N T",
                                       "O U I  C H E R  A M A T E U R",
                                       "T R E S  B I E N, B R A V O",
                                       "F E L I C I T A T I O N",
                                       "SINCERES F E L I C I T A T I O N"};
  const char* const texts[kLevelCount] = {"Tu vois, ce n'est pas si difficile !",
                                      "Bravo, c'est un bon début !",
                                      "Bravo, tu es un amateur éclairé !",
                                      "Tu vas faire une belle carrière chez les pros !",
                                      "Tu es un vrai pro, je m'incline !",
                                      "Après vous, Maître, je vous en prie !"};
  for (int level = 0; level < kLevelCount; ++level) {
    h->Command(cmd::kLevelChoices[level]);
    B().ForEachCell([&](Hexag& x) {
      if (!x.mine) Reveal(x.row, x.col);
    });
    const ShownMessage won = OnlyMessage();
    EXPECT_EQ(won.title, titles[level]);
    EXPECT_EQ(won.line1, QString::fromUtf8(texts[level]));
    EXPECT_EQ(won.picture, 2);
    EXPECT_EQ(Phase(), PhaseFinished);
    ExpectBoardDrawn();

    h->Command(cmd::kLevelChoices[level]);
    Hexag* mine = nullptr;
    B().ForEachCell([&](Hexag& x) {
      if (x.mine && !mine) mine = &x;
    });
    ASSERT_NE(mine, nullptr);
    Reveal(mine->row, mine->col);
    EXPECT_EQ(OnlyMessage().title, "A R R E T E - T O U T");
    EXPECT_EQ(mine->image, ImageExploded);
    B().ForEachCell([&](Hexag& x) { EXPECT_TRUE(x.revealed); });
    ExpectBoardDrawn();
  }
}

TEST_F(AlveoloTest, RandomPlayAtEveryLevelNeitherCrashesNorHangs) {
  const std::vector<int> commands{cmd::Hint,     cmd::Hint,          cmd::Hint,          cmd::SameLevel,
                                  cmd::NextLevel, cmd::PreviousLevel, cmd::SameLevelMenu, cmd::About};
  for (int level = 0; level < kLevelCount; ++level) {
    h->Command(cmd::kLevelChoices[level]);
    h->TakeMessages();
    for (int played = 0; played < 1500; played += 100) {
      RandomPlayer burst(*h, 4242 + level * 100 + played);
      burst.SetCommands(commands);
      burst.Play(100);
      h->TakeInformationBoxes();
      ASSERT_TRUE(h->FrameVisible());
      ASSERT_EQ(h->Screen(), h->Copy()) << "level " << level;
      ASSERT_FALSE(W().Pointer().shown);
    }
  }
}
