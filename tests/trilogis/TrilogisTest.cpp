// The piglet's board, steps, keys and restarts.
#include "Keys.h"
#include "StatusBar.h"
#include "TrilogisFixture.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>

using namespace trilogis;
using foret::Kind;
using Rows = std::vector<std::string>;

TEST_F(TrilogisTest, ANewGameLaysExerciseOneOfLevelZeroAndWritesItsFields) {
  EXPECT_EQ(h->Caption(), "T R I L O G I S N E T");
  EXPECT_EQ(Text(), (Rows{"TTTTTTTTT", "TWP.L..HT", "TTTTTTTTT", "TTTTTTTTT", "TTTTTTTTT", "TTTTTTTTT"}));
  EXPECT_EQ(h->FirstField(), QString::fromUtf8("Exercice N°: 1   "));
  EXPECT_EQ(h->SecondField(), "0 choc(s)   ");
  EXPECT_EQ(Phase(), PhaseNotStarted);
  EXPECT_EQ(W().Config().dialogPictures, (std::array<int, 6>{8, 9, 10, 11, 12, 13}));
  ExpectSurfacesShowTheBoard();
  // The second field holds the longest count whole.
  const auto* second = h->App().SecondField();
  EXPECT_GE(second->contentsRect().width(),
            QFontMetrics(second->font()).horizontalAdvance(QString::fromUtf8("7  lettres encore à saisir !")));
}

TEST_F(TrilogisTest, APressOutsideTheBoardIsRefusedAndOwnOrFarCellsOnlyStartTheGame) {
  h->Click(QPoint(5, 5));
  EXPECT_EQ(OnlyMessage().title, "A T T E N T I O N ");
  EXPECT_EQ(Phase(), PhaseNotStarted);
  h->Click(Centre(1, 2));  // the piglet itself
  EXPECT_EQ(Phase(), PhaseInProgress);
  h->Click(Centre(1, 4));  // two cells away
  EXPECT_EQ(Text()[1], "TWP.L..HT");
  EXPECT_EQ(h->PendingMessages(), 0u);
}

TEST_F(TrilogisTest, AClickOnACellsLeftAndTopEdgeHitsItAndItsRightEdgeIsTheNextCells) {
  Load({"TTTTT", "TWP.T", "TT..H"});
  const foret::CaseForet& right = B().Cell(1, 3);
  h->Click(QPoint(right.left + 29, right.top + 29));  // (2, 4): too far, nothing
  EXPECT_EQ(Text()[1], "TWP.T");
  h->Click(QPoint(right.left, right.top));
  EXPECT_EQ(Text(), (Rows{"TTTTT", "T.WPT", "TT..H"}));
  // Diagonally down and right: the hut.
  h->Click(QPoint(right.left + 29, right.top + 29));
  EXPECT_EQ(OnlyMessage().title, "B R A V O  ,  F E L I C I T A T I O N S  !");
  EXPECT_EQ(Text(), (Rows{"TTTTT", "T...T", "TT..h"}));
}

TEST_F(TrilogisTest, ATreeCallsTheWolfFromAfarCountsAStumbleAndEndsTheGame) {
  Load({"W.....T", "......P", "TTTTTTH"});
  h->Click(Centre(0, 6));
  const ShownMessage m = OnlyMessage();
  EXPECT_EQ(m.title, QString::fromUtf8("A  Ï  E   !"));
  EXPECT_EQ(m.line1, QString::fromUtf8("Trilogisnet a trébuché ..."));
  EXPECT_EQ(m.line2, QString::fromUtf8("... et le loup l'a mangé."));
  EXPECT_EQ(m.picture, 2);
  EXPECT_EQ(Text(), (Rows{"......T", "......W", "TTTTTTH"}));
  EXPECT_EQ(h->SecondField(), "1 choc(s)   ");
  EXPECT_EQ(Phase(), PhaseFinished);
  ExpectSurfacesShowTheBoard();

  // The end: a press and a key each say so in their own words; Shift alone says nothing.
  h->Click(Centre(2, 6));
  EXPECT_EQ(OnlyMessage().title, "L A   P A R T I E   E S T   F I N I E  !");
  h->Key(VK_SPACE);
  const ShownMessage key = OnlyMessage();
  EXPECT_EQ(key.title, "L A    P A R T I E   E S T   F I N I E !");
  EXPECT_EQ(key.line1, "Clique dans la barre de boutons");
  h->Key(VK_SHIFT);
  h->Key(VK_CAPITAL);
  EXPECT_EQ(h->PendingMessages(), 0u);
  // A new game asks nothing and clears the count.
  h->Command(cmd::SameLevel);
  EXPECT_EQ(h->SecondField(), "0 choc(s)   ");
  EXPECT_EQ(h->UnexpectedQuestions(), 0);
}

TEST_F(TrilogisTest, OntoTheWolfThePigletIsEatenAndIntoTheHutItIsHome) {
  Load({"TTTTT", "TWPHT", "TTTTT"});
  h->Key(VK_LEFT);
  ShownMessage m = OnlyMessage();
  EXPECT_EQ(m.title, "O H !");
  EXPECT_EQ(m.line2, QString::fromUtf8("du loup, et le loup l'a mangé."));
  EXPECT_EQ(Text()[1], "TW.HT");
  EXPECT_EQ(Phase(), PhaseFinished);
  ExpectSurfacesShowTheBoard();

  Load({"TTTTT", "TWPHT", "TTTTT"});
  W().Jeu().phase = PhaseInProgress;
  h->Key(VK_RIGHT);
  m = OnlyMessage();
  EXPECT_EQ(m.title, "B R A V O  ,  F E L I C I T A T I O N S  !");
  EXPECT_EQ(m.line1, QString::fromUtf8("Tu as gagné, la partie est finie."));
  EXPECT_EQ(Text()[1], "T..hT");
  EXPECT_EQ(Phase(), PhaseFinished);
  ExpectSurfacesShowTheBoard();
}

TEST_F(TrilogisTest, ArrowsStepAcrossAnEdgeOnlyAndLeaveThePhaseAsItWas) {
  Load({"P..", "W.H"});
  h->Key(VK_UP);
  h->Key(VK_LEFT);
  EXPECT_EQ(Text(), (Rows{"P..", "W.H"}));
  h->Key(VK_RIGHT);
  EXPECT_EQ(Text(), (Rows{"WP.", "..H"}));
  EXPECT_EQ(Phase(), PhaseNotStarted);
  ExpectSurfacesShowTheBoard();
  // Still phase 0: a new game asks nothing.
  h->Command(cmd::SameLevel);
  EXPECT_EQ(h->UnexpectedQuestions(), 0);
  EXPECT_EQ(Text()[1], "TWP.L..HT");
}

TEST_F(TrilogisTest, ReleasesWithoutTheirPressAndRepeatedReleasesAreNoKeys) {
  Load({"TTTTT", "TWPTT", "TTTTT"});
  h->KeyRelease(VK_RIGHT);  // the Enter that closed a dialog comes this way
  EXPECT_EQ(h->PendingMessages(), 0u);
  h->KeyPress(VK_RIGHT);
  QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier, QString(), true);
  QApplication::sendEvent(&h->Window(), &repeat);
  EXPECT_EQ(h->PendingMessages(), 0u);
  h->KeyRelease(VK_RIGHT);
  EXPECT_EQ(OnlyMessage().title, QString::fromUtf8("A  Ï  E   !"));
}

TEST_F(TrilogisTest, RestartsAskWhileAGameIsUnderwayAndNoKeepsTheBoard) {
  h->Click(Centre(1, 3));
  EXPECT_EQ(Phase(), PhaseInProgress);
  h->Answer({AnswerNo});
  h->Command(cmd::kExercises[1].button);
  const ShownMessage q = OnlyMessage();
  EXPECT_EQ(q.title, "A  T  T  E  N  T  I  O  N");
  EXPECT_EQ(q.line1, "Veux-tu vraiment tout recommencer ?");
  EXPECT_EQ(q.picture, 4);
  EXPECT_EQ(Text()[1], "T.WPL..HT");
  EXPECT_EQ(W().Jeu().exercise, 1);
  ExpectSurfacesShowTheBoard();

  // Yes: the exercise asked for, then play again goes back to exercise 1.
  h->Answer({AnswerYes});
  h->MenuCommand(cmd::kExercises[2].menu);
  OnlyMessage();
  EXPECT_EQ(W().Jeu().exercise, 3);
  EXPECT_EQ(Text()[1], "TWP..L.TT");
  EXPECT_EQ(h->FirstField(), QString::fromUtf8("Exercice N°: 3   "));
  h->Command(cmd::SameLevel);
  EXPECT_EQ(W().Jeu().exercise, 1);
  // A level command: its size, exercise 1.
  h->Command(cmd::kExercises[1].button);
  h->Command(cmd::kLevelChoices[3]);
  EXPECT_EQ(W().Jeu().exercise, 1);
  EXPECT_EQ(B().Columns(), 18);
  EXPECT_EQ(Text()[0], "WTL..T..LT.L.TTTTT");
  EXPECT_EQ(h->UnexpectedQuestions(), 0);
}
