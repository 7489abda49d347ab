// The hint command: a first safe cell at the start, then a cell to reason
// from, circled while the child reads why.
#include "AlveoloFixture.h"

using namespace alveolo;

namespace {
const char* const kNoHint = "OH  ! OH  ! OH  ! ";
}  // namespace

class AlveoloHintTest : public AlveoloTest {
protected:
  // Asks for a hint; returns its message, noting where the outline stood and
  // whether the window showed it while the message was up.
  ShownMessage AskHint() {
    outlined = false;
    h->AnswerWith([this](const ShownMessage&) {
      outlined = W().Pointer().shown && h->Screen() != h->Copy();
      outlineAt = W().Pointer().centre;
      return AnswerYes;
    });
    h->MenuCommand(cmd::Hint);
    h->AnswerWith(nullptr);
    EXPECT_FALSE(W().Pointer().shown);
    EXPECT_EQ(h->Screen(), h->Copy()) << "the outline stayed on the window";
    return OnlyMessage();
  }
  void ExpectOutlineAround(int r, int c) {
    EXPECT_TRUE(outlined);
    EXPECT_EQ(outlineAt, Centre(r, c)) << "expected the outline around " << r << "," << c;
  }
  bool outlined = false;
  QPoint outlineAt;
};

TEST_F(AlveoloHintTest, AtTheStartTheHintOpensACellWithNoMineAround) {
  for (int level = 0; level < kLevelCount; ++level)
    for (int game = 0; game < 5; ++game) {
      if (Phase() == PhaseInProgress) h->Answer({AnswerYes});
      h->Command(cmd::kLevelChoices[level]);
      h->TakeMessages();  // the restart question, after the first game
      h->Command(cmd::Hint);
      EXPECT_TRUE(h->TakeMessages().empty());
      int revealed = 0;
      B().ForEachCell([&](Hexag& x) {
        if (!x.revealed) return;
        ++revealed;
        EXPECT_FALSE(x.mine);
        EXPECT_EQ(B().MinesAround(x), 0);
        EXPECT_EQ(x.image, ImageNumber0);
      });
      EXPECT_EQ(revealed, 1) << "level " << level;
      EXPECT_EQ(Phase(), PhaseInProgress);
      ExpectBoardDrawn();
    }
}

TEST_F(AlveoloHintTest, AtTheStartABoardWithoutAQuietCellGetsTheAnswerForNoHint) {
  // Every safe cell of this board touches a mine.
  NewBoard(2, {{1, 3}, {1, 5}, {3, 1}, {3, 4}, {3, 5}, {4, 1}, {5, 1}, {6, 3}});
  const ShownMessage m = AskHint();
  EXPECT_EQ(m.title, kNoHint);
  EXPECT_EQ(m.line1, "Bon, tu es grand ...");
  EXPECT_EQ(m.line2, QString::fromUtf8("... débrouille toi seul maintenant !"));
  EXPECT_EQ(m.picture, 2);
  EXPECT_FALSE(outlined);
  EXPECT_EQ(Phase(), PhaseNotStarted);
  B().ForEachCell([](Hexag& x) { EXPECT_FALSE(x.revealed); });
}

TEST_F(AlveoloHintTest, RuleOneFindsTheFirstCellWhoseMinesAreAllFlagged) {
  NewBoard(1, {{0, 2}, {0, 3}, {2, 3}});
  Reveal(3, 1);  // no mine around, hidden cells around
  Reveal(1, 2);  // two mines around
  ShownMessage m = AskHint();
  EXPECT_EQ(m.title, "R E F L E C H I S :");
  EXPECT_EQ(m.line1, QString::fromUtf8("Tu peux encore déminer autour de cette case."));
  EXPECT_EQ(m.picture, 2);
  ExpectOutlineAround(3, 1);
  // Once both mines around (1, 2) carry a flag, it comes first, row by row.
  Flag(0, 2);
  Flag(0, 3);
  m = AskHint();
  EXPECT_EQ(m.title, "R E F L E C H I S :");
  ExpectOutlineAround(1, 2);
  EXPECT_EQ(Phase(), PhaseInProgress);
}

TEST_F(AlveoloHintTest, RuleTwoPointsAtTheOneHiddenPlaceLeftForAMine) {
  NewBoard(1, {{0, 2}, {0, 3}, {2, 3}});
  RevealNumberedCells();
  ShownMessage m = AskHint();
  EXPECT_EQ(m.title, "R E F L E C H I S !");
  EXPECT_EQ(m.line1, "Il y a une mine autour de cette case, or,");
  EXPECT_EQ(m.line2, QString::fromUtf8("autour d'elle, tout est déminé sauf en un endroit."));
  EXPECT_EQ(m.line3, QString::fromUtf8("Alors dis-moi où peut se cacher la mine !"));
  EXPECT_EQ(m.picture, 2);
  ExpectOutlineAround(0, 4);
  // A flag on a revealed neighbour counts: (0, 4) no longer fits, (1, 4) does.
  Flag(1, 4);
  m = AskHint();
  EXPECT_EQ(m.title, "R E F L E C H I S !");
  ExpectOutlineAround(1, 4);
}

TEST_F(AlveoloHintTest, RuleThreePointsAtTheSecondMineNextToAFlaggedOne) {
  NewBoard(1, {{0, 2}, {0, 3}, {1, 3}});
  RevealNumberedCells();
  // (0, 4) has two mines around, both hidden; nothing fits yet.
  EXPECT_EQ(AskHint().title, kNoHint);
  Flag(0, 3);
  const ShownMessage m = AskHint();
  EXPECT_EQ(m.title, "R E F L E C H I S  ! DEUX MINES ENTOURENT CETTE CASE.");
  EXPECT_EQ(m.line1, QString::fromUtf8("Tu en a déjà trouvées une. Or, autour de cette"));
  EXPECT_EQ(m.line2, QString::fromUtf8("case, tout est déminé sauf en un endroit"));
  EXPECT_EQ(m.line3, QString::fromUtf8("Alors dis-moi où peut se cacher la mine !"));
  EXPECT_EQ(m.picture, 2);
  ExpectOutlineAround(0, 4);
  // With the second mine flagged too, rule 1 fits (1, 4), whose one mine is
  // flagged and which still has safe cells hidden around it.
  Flag(1, 3);
  EXPECT_EQ(AskHint().title, "R E F L E C H I S :");
  ExpectOutlineAround(1, 4);
}

TEST_F(AlveoloHintTest, WhenNothingFitsOrTheGameIsOverTheHintSaysSo) {
  NewBoard(1, {{0, 2}, {0, 3}, {2, 3}});
  Reveal(1, 2);  // two mines around, no flag, five hidden neighbours
  ShownMessage m = AskHint();
  EXPECT_EQ(m.title, kNoHint);
  EXPECT_FALSE(outlined);
  Reveal(0, 2);
  EXPECT_EQ(OnlyMessage().title, "A R R E T E - T O U T");
  m = AskHint();
  EXPECT_EQ(m.title, kNoHint);
  EXPECT_EQ(m.line1, "Bon, tu es grand ...");
  EXPECT_FALSE(outlined);
}
