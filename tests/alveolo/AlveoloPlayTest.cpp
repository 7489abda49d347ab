// Revealing, flagging, losing and winning, the outline while the left button
// is held, and what presses do once the game is over.
#include "AlveoloFixture.h"

using namespace alveolo;

namespace {
// Level 1 with mines at (0,2), (0,3) and (2,3); every cell shown:
//      * * 1
//     1 2 2 1
//    0 0 1 * 1
//     0 0 1 1
//      0 0 0
const std::vector<QPoint> kMinesL1{{0, 2}, {0, 3}, {2, 3}};
const char* const kLost = "A R R E T E - T O U T";
}  // namespace

TEST_F(AlveoloTest, RevealingShowsTheCountAndOpensNothingAround) {
  NewBoard(1, kMinesL1);
  Reveal(3, 1);
  EXPECT_EQ(Shown(), (Rows{"###", "####", "#####", "#0##", "###"}));
  EXPECT_EQ(Phase(), PhaseInProgress);
  Reveal(1, 2);
  Reveal(2, 4);
  Reveal(3, 1);  // again: only the outline, while the button is down
  EXPECT_EQ(Shown(), (Rows{"###", "#2##", "####1", "#0##", "###"}));
  EXPECT_TRUE(h->TakeMessages().empty());
  ExpectBoardDrawn();
  EXPECT_EQ(h->Screen(), h->Copy());
  // A game in progress: a level change asks first, and "non" keeps it.
  h->Answer({AnswerNo});
  h->Command(cmd::SameLevel);
  EXPECT_EQ(OnlyMessage().line1, "Veux-tu vraiment tout recommencer ?");
  EXPECT_EQ(Shown(), (Rows{"###", "#2##", "####1", "#0##", "###"}));
}

TEST_F(AlveoloTest, TheRightButtonTogglesFlagsOnHiddenAndRevealedCells) {
  NewBoard(1, kMinesL1);
  Flag(0, 2);
  Flag(4, 0);
  EXPECT_EQ(Shown(), (Rows{"F##", "####", "#####", "####", "F##"}));
  EXPECT_EQ(Phase(), PhaseNotStarted);  // flags do not start the game
  Flag(0, 2);
  EXPECT_EQ(Shown(), (Rows{"###", "####", "#####", "####", "F##"}));
  ExpectBoardDrawn();
  // A flagged safe cell opens like any other.
  Reveal(4, 0);
  EXPECT_EQ(Shown(), (Rows{"###", "####", "#####", "####", "0##"}));
  // On a revealed cell the flag is kept but not shown.
  Reveal(1, 2);
  Flag(1, 2);
  EXPECT_TRUE(B().At(1, 2).flagged);
  EXPECT_EQ(Shown(), (Rows{"###", "#2##", "#####", "####", "0##"}));
  Flag(1, 2);
  EXPECT_FALSE(B().At(1, 2).flagged);
  ExpectBoardDrawn();
  EXPECT_TRUE(h->TakeMessages().empty());
}

TEST_F(AlveoloTest, ALostGameShowsTheWholeBoardWithTheMineThatBlew) {
  NewBoard(1, kMinesL1);
  Reveal(1, 1);
  Flag(4, 0);  // a wrong flag
  Flag(0, 3);  // a right one
  Reveal(0, 2);
  ShownMessage m = OnlyMessage();
  EXPECT_EQ(m.title, kLost);
  EXPECT_EQ(m.line1, "Maman, je veux descendre ! ");
  EXPECT_EQ(m.picture, 3);
  EXPECT_EQ(m.kind, MessageOk);
  EXPECT_EQ(Phase(), PhaseFinished);
  // The flags are gone, but for none on the mine that blew.
  EXPECT_EQ(Shown(), (Rows{"X*1", "1221", "001*1", "0011", "000"}));
  ExpectBoardDrawn();

  // A mine under a flag blows too, and its picture keeps the flag.
  h->Command(cmd::SameLevel);
  EXPECT_EQ(Phase(), PhaseNotStarted);
  NewBoard(1, kMinesL1);
  Flag(2, 3);
  Reveal(2, 3);
  EXPECT_EQ(OnlyMessage().title, kLost);
  EXPECT_EQ(Shown(), (Rows{"**1", "1221", "001x1", "0011", "000"}));
  ExpectBoardDrawn();
}

TEST_F(AlveoloTest, ALossAfterARefusedLevelChangeShowsTheChosenLevelsName) {
  NewBoard(1, kMinesL1);
  Reveal(3, 1);
  h->Answer({AnswerNo});
  h->Command(cmd::kLevelChoices[3]);
  EXPECT_EQ(OnlyMessage().line1, "Veux-tu vraiment tout recommencer ?");
  EXPECT_EQ(h->FirstField(), "Amateur ");  // the game goes on at its own level
  EXPECT_EQ(B().Size(), 3);
  Reveal(0, 2);
  EXPECT_EQ(OnlyMessage().title, kLost);
  EXPECT_EQ(B().Size(), 3);
  EXPECT_EQ(h->FirstField(), "Professionnel ");  // the level the next game will have
  h->Command(cmd::SameLevel);
  EXPECT_EQ(B().Size(), 5);
  EXPECT_EQ(h->FirstField(), "Professionnel ");
}

TEST_F(AlveoloTest, TheLastSafeCellWinsAndTheMinesStayHidden) {
  NewBoard(1, kMinesL1);
  B().ForEachCell([&](Hexag& x) {
    if (!x.mine && !(x.row == 4 && x.col == 2)) Reveal(x.row, x.col);
  });
  EXPECT_TRUE(h->TakeMessages().empty());
  EXPECT_EQ(Phase(), PhaseInProgress);
  Reveal(4, 2);
  const ShownMessage m = OnlyMessage();
  EXPECT_EQ(m.title, "O U I  C H E R  D E B U T A N T");
  EXPECT_EQ(m.line1, QString::fromUtf8("Bravo, c'est un bon début !"));
  EXPECT_EQ(m.picture, 2);
  EXPECT_EQ(m.kind, MessageOk);
  EXPECT_EQ(Phase(), PhaseFinished);
  EXPECT_EQ(Shown(), (Rows{"##1", "1221", "001#1", "0011", "000"}));
  ExpectBoardDrawn();
}

TEST_F(AlveoloTest, OnceTheGameIsOverPressesOnlyAnswerAndTheBoardStays) {
  NewBoard(1, kMinesL1);
  Reveal(0, 2);
  h->TakeMessages();
  const QImage screen = h->Screen();
  h->Click(Centre(1, 1));
  ShownMessage m = OnlyMessage();
  EXPECT_EQ(m.title, "C E T T E   P A R T I E   E S T   T E R M I N E E !");
  EXPECT_EQ(m.line1, "Pour en refaire une, ");
  EXPECT_EQ(m.line2, "clique dans la barre de boutons.");
  EXPECT_EQ(m.picture, 3);
  for (QPoint p : {Centre(1, 1), QPoint(900, 600)}) {  // on a cell and off the board
    h->Click(p, Qt::RightButton);
    m = OnlyMessage();
    EXPECT_EQ(m.title, "P O U R   F A I R E   U N E   A U T R E   P A R T I E...");
    EXPECT_EQ(m.line1, "Clique dans la barre de boutons,");
    EXPECT_TRUE(m.line2.isEmpty());
    EXPECT_EQ(m.picture, 3);
  }
  EXPECT_FALSE(B().At(1, 1).flagged);
  EXPECT_EQ(h->Screen(), screen);
  EXPECT_EQ(h->Copy(), screen);
  // A new game starts at once, without a question.
  h->ButtonCommand(cmd::SameLevel);
  EXPECT_TRUE(h->TakeMessages().empty());
  EXPECT_EQ(Phase(), PhaseNotStarted);
}

TEST_F(AlveoloTest, HoldingTheLeftButtonOnARevealedCellOutlinesItUntilTheRelease) {
  NewBoard(1, kMinesL1);
  Reveal(2, 2);
  Reveal(0, 4);  // at the top edge: part of its outline falls off the window
  for (auto [r, c] : {std::pair{2, 2}, {0, 4}}) {
    const QImage before = h->Screen();
    h->Press(Centre(r, c));
    EXPECT_TRUE(W().Pointer().shown);
    EXPECT_EQ(W().Pointer().centre, Centre(r, c));
    const QImage held = h->Screen();
    EXPECT_NE(held, before);
    EXPECT_EQ(h->Copy(), before);  // drawn on the window only
    // The outline's sides, in exclusive-or with red.
    const QPoint cc = Centre(r, c);
    for (QPoint p : {cc + QPoint(0, 57), cc + QPoint(0, -57), cc + QPoint(55, 19), cc + QPoint(-44, -38)})
      if (held.rect().contains(p)) {
        EXPECT_EQ(held.pixel(p) & 0xffffff, (before.pixel(p) ^ 0xff0000) & 0xffffff) << r << "," << c;
      }
    h->Release(Centre(r, c) + QPoint(300, 200));
    EXPECT_FALSE(W().Pointer().shown);
    EXPECT_EQ(h->Screen(), before) << r << "," << c;
  }
  // A right press while the outline shows takes it away before the flag is drawn.
  h->Press(Centre(2, 2));
  h->Click(Centre(3, 2), Qt::RightButton);
  h->Release(Centre(2, 2));
  EXPECT_EQ(h->Screen(), h->Copy());
  EXPECT_EQ(Shown(), (Rows{"##1", "####", "##1##", "##F#", "###"}));
  // A press on a hidden cell reveals it and draws no outline.
  h->Press(Centre(4, 0));
  EXPECT_FALSE(W().Pointer().shown);
  h->Release(Centre(4, 0));
  EXPECT_EQ(h->Screen(), h->Copy());
  EXPECT_TRUE(h->TakeMessages().empty());
}
