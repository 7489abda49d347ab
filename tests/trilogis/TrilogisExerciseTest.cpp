// The keyboard exercise of the letters cells.
#include "Keys.h"
#include "TrilogisFixture.h"

using namespace trilogis;
using Rows = std::vector<std::string>;

namespace {
const QString kTwoLeft = QString::fromUtf8("2  lettres encore à saisir !   ");
const QString kOneLeft = QString::fromUtf8("1  lettre encore à saisir !   ");
}  // namespace

TEST_F(TrilogisTest, ALettersCellAsksTheLevelsLettersAndThenLetsThePigletOn) {
  Start({.scriptedRandom = {10, 26 * 3 + 0}});  // K, then A
  h->Key(VK_RIGHT);
  h->Key(VK_RIGHT);
  ShownMessage m = OnlyMessage();
  EXPECT_EQ(m.title, "MAINTENANT TRAVAILLONS AVEC LE CLAVIER !");
  EXPECT_EQ(m.line1, "Tape au clavier les lettres que je vais te");
  EXPECT_EQ(m.line2, QString::fromUtf8("demander, en bas, dans la barre d'état."));
  EXPECT_EQ(Text()[1], "T.WPL..HT") << "nobody moves onto the letters yet";
  EXPECT_EQ(h->MessageField(), "Tape la lettre K ");
  EXPECT_EQ(h->SecondField(), kTwoLeft);

  // A wrong letter, an arrow, a press: each told, the request unchanged.
  h->Key(LetterKey('B'));
  m = OnlyMessage();
  EXPECT_EQ(m.title, "N O N ,  C ' E S T   R A T E !");
  EXPECT_EQ(m.line1, "Essaie encore de taper la lettre que je");
  h->Key(VK_RIGHT);
  EXPECT_EQ(OnlyMessage().title, "N O N ,  C ' E S T   R A T E !");
  EXPECT_EQ(Text()[1], "T.WPL..HT");
  h->Click(Centre(1, 4));
  m = OnlyMessage();
  EXPECT_EQ(m.title, "MAINTENANT TRAVAILLONS AVEC LE CLAVIER !");
  EXPECT_EQ(m.line1, QString::fromUtf8("Tape au clavier les lettres que je te demande."));
  EXPECT_EQ(h->MessageField(), "Tape la lettre K ");
  EXPECT_EQ(h->SecondField(), kTwoLeft);

  // Lower case is right; one left is said in the singular.
  h->Key(LetterKey('k'));
  EXPECT_EQ(h->PendingMessages(), 0u);
  EXPECT_EQ(h->MessageField(), "Tape la lettre A ");
  EXPECT_EQ(h->SecondField(), kOneLeft);
  EXPECT_EQ(W().Saisie().Right(), 1);

  // Shift held for a capital is no answer; the capital is.
  h->KeyPress(VK_SHIFT);
  h->Key(LetterKey('A'));
  h->KeyRelease(VK_SHIFT);
  m = OnlyMessage();
  EXPECT_EQ(m.title, "B   R   A   V   O   ! ");
  EXPECT_EQ(m.line2, "faire avancer Trilogisnet.");
  EXPECT_EQ(Text()[1], "T..WP..HT");
  EXPECT_EQ(h->MessageField(), QString(11, ' '));
  EXPECT_EQ(h->SecondField(), QString(11, ' '));
  EXPECT_EQ(Phase(), PhaseInProgress);
  ExpectSurfacesShowTheBoard();
  // Letters are no keys for the game once the exercise is done.
  h->Key(LetterKey('A'));
  EXPECT_EQ(h->PendingMessages(), 0u);
}

TEST_F(TrilogisTest, TheExerciseAsksWhileItRunsAndCountsAgainFromNothingAtTheNextCell) {
  Start({.scriptedRandom = {1, 2, 3, 4}});  // B, C, D, E
  Load({"WPLL.H"});
  h->Key(VK_RIGHT);
  OnlyMessage();
  EXPECT_EQ(Phase(), PhaseInProgress) << "the exercise is a game underway";
  h->Answer({AnswerNo});
  h->Command(cmd::SameLevel);
  EXPECT_EQ(OnlyMessage().title, "A  T  T  E  N  T  I  O  N");
  EXPECT_EQ(h->MessageField(), "Tape la lettre B ");
  TypeAsked();
  TypeAsked();
  OnlyMessage();
  EXPECT_EQ(Text(), (Rows{".WPL.H"}));
  h->Key(VK_RIGHT);
  OnlyMessage();
  EXPECT_EQ(W().Saisie().Right(), 0);
  EXPECT_EQ(h->MessageField(), "Tape la lettre D ");
  EXPECT_EQ(h->SecondField(), kTwoLeft);
  // A new game ends the exercise and clears its request.
  h->Answer({AnswerYes});
  h->Command(cmd::SameLevel);
  OnlyMessage();
  EXPECT_FALSE(W().Saisie().Active());
  EXPECT_EQ(h->MessageField(), " ");
  h->Key(LetterKey('D'));
  EXPECT_EQ(h->PendingMessages(), 0u);
}

TEST_F(TrilogisTest, EachLevelAsksTwoMoreLettersPerCell) {
  for (int level = 0; level < 4; ++level) {
    h->Command(cmd::kLevelChoices[level]);
    Load({"WPL.H"});
    h->Key(VK_RIGHT);
    OnlyMessage();
    EXPECT_EQ(W().Saisie().Left(), 2 * (level + 1)) << "level " << level;
    for (int i = 0; i < 2 * level + 1; ++i) TypeAsked();
    EXPECT_EQ(h->PendingMessages(), 0u);
    TypeAsked();
    EXPECT_EQ(OnlyMessage().title, "B   R   A   V   O   ! ");
    h->Answer({AnswerYes});
    h->Command(cmd::SameLevel);
    OnlyMessage();
  }
}
