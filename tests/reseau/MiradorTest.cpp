// The symmetry game through its window: clicks, keys, exercises and comparisons.
#include "../formes/ExpectMessage.h"
#include "Keys.h"
#include "LatticeFixture.h"

using namespace reseau;

namespace {
const char* const kSeveralTitle = "A T T E N T I O N  !";
void ExpectSeveralErrors(const ShownMessage& m) {
  ExpectMessage(m, kSeveralTitle, "Il y a plusieurs erreurs : ", "Les segments en trop sont barrés en rouge.", 1);
  EXPECT_EQ(m.line3, QString::fromUtf8("Les segments manquants sont rajoutés en gris."));
}
// Level 0, exercise 1, as text, and its three mirror images.
const Text kModel{"o-o-o", "    |", "o o o"};
}  // namespace

TEST_F(MiradorTest, StartsAtLevelZeroExerciseOneWithTheCursorInTheUpperRightCopy) {
  EXPECT_EQ(W().Model().Text(), kModel);
  EXPECT_EQ(W().ActiveCopy(), 0u);
  EXPECT_EQ(Copy(0).row * 10 + Copy(0).column, 11);
  EXPECT_EQ(W().Cursor().at, Dot(Copy(0), 1, 1));
  EXPECT_EQ(h->FirstField(), QString::fromUtf8("Exercice N°: 1   "));
  EXPECT_EQ(h->SecondField(), QStringLiteral("0 erreur(s)   "));
  // The ring, pink on white, at the middle node.
  const QPoint at = W().Cursor().at;
  EXPECT_EQ(h->Screen().pixel(at + QPoint(-3, -3)), qRgb(255, 127, 127));
  EXPECT_EQ(h->Screen().pixel(at + QPoint(-3, 3)), qRgb(255, 127, 127));
  EXPECT_EQ(h->Screen().pixel(at + QPoint(3, -1)), qRgb(255, 127, 127));
  ASSERT_NO_FATAL_FAILURE(ExpectFreshBoard());
}

TEST_F(MiradorTest, ClicksOnTheModelOrBetweenTheRectanglesChangeNothing) {
  const QImage before = h->Screen();
  h->Click(Lower(W().Model(), 0, 1));
  const ShownMessage m = OnlyMessage();
  ExpectMessage(m, " A T T E N T I O N , CE DESSIN NE DOIT PAS ETRE   M O D I F I E.",
                "Il faut le reproduire symétriquement", "dans les autres rectangles.", 1);
  h->Click(QPoint(Board().width() / 2, Board().height() / 4));
  ExpectMessage(OnlyMessage(), "A T T E N T I O N ", "Il faut cliquer sur les lignes.", "", 3);
  EXPECT_EQ(h->Screen(), before);
  EXPECT_EQ(W().Model().Text(), kModel);
  EXPECT_EQ(W().State().phase, PhaseNotStarted);
}

TEST_F(MiradorTest, UntouchedBoardCountsNineAndMarksTheMirrorPlacesGrey) {
  Compare();
  ExpectSeveralErrors(OnlyMessage());
  EXPECT_EQ(W().State().errors, 9);
  EXPECT_EQ(h->SecondField(), QStringLiteral("9 erreur(s)   "));
  EXPECT_EQ(Copy(0).Text(), (Text{"omomo", "m    ", "o o o"}));
  EXPECT_EQ(Copy(1).Text(), (Text{"o o o", "    m", "omomo"}));
  EXPECT_EQ(Copy(2).Text(), (Text{"o o o", "m    ", "omomo"}));
  // Grey where a mark is: the middle of the upper-right copy's first segment.
  EXPECT_EQ(h->Screen().pixel(Right(Copy(0), 0, 0) + QPoint(0, 3)), qRgb(192, 192, 192));
  ASSERT_NO_FATAL_FAILURE(ExpectFreshBoard());
  // Nothing changed, the same count again.
  Compare();
  ExpectSeveralErrors(OnlyMessage());
  EXPECT_EQ(W().State().errors, 9);
  EXPECT_EQ(W().State().phase, PhaseNotStarted);
}

TEST_F(MiradorTest, EachCopyIsJudgedByItsOwnMirror) {
  const Miroir mirrors[3] = {{.columns = true}, {.rows = true}, {.columns = true, .rows = true}};
  for (size_t i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    h->Command(cmd::SameLevel);
    Draw(i, Flipped(kModel, mirrors[i].columns, mirrors[i].rows));
    Compare();
    ExpectSeveralErrors(OnlyMessage());
    EXPECT_EQ(W().State().errors, 6);
    EXPECT_EQ(Copy(i).Text(), Flipped(kModel, mirrors[i].columns, mirrors[i].rows));
  }
  // All three right: no error; one segment left out: one.
  for (size_t i = 0; i < 3; ++i) Draw(i, Flipped(kModel, mirrors[i].columns, mirrors[i].rows));
  Compare();
  ExpectMessage(OnlyMessage(), "O  U  I  ,  B R A V O !", "Il n'y a pas d'erreur.", "", 2);
  h->Click(Lower(Copy(1), 0, 2));
  Compare();
  ExpectMessage(OnlyMessage(), "O  U  I  ,  C ' E S T   B I E N .", "Mais il  reste encore une erreur.", "", 3);
  EXPECT_EQ(h->SecondField(), QStringLiteral("1 erreur(s)   "));
}

TEST_F(MiradorTest, ClicksToggleSegmentsAndEraseMarksWhole) {
  ToClic2D& c = Copy(2);
  h->Click(Lower(c, 0, 1));
  EXPECT_EQ(c.Node(0, 1).lower, Trace);
  EXPECT_EQ(W().State().phase, PhaseInProgress);
  h->Click(Lower(c, 0, 1));
  EXPECT_EQ(c.Node(0, 1).lower, Absent);
  h->Click(Lower(c, 0, 2));  // drawn where the mirror has nothing: extra
  Compare();
  OnlyMessage();
  ASSERT_EQ(c.Text(), (Text{"o o o", "m   x", "omomo"}));
  ASSERT_NO_FATAL_FAILURE(ExpectFreshBoard());
  const CaseNoeud& n = c.Node(0, 2);
  const QRect hatch(QPoint(n.x - 10, n.y + 10), QPoint(n.x + 9, n.y + c.CellHeight() - 11));
  const auto redPixels = [&] {
    int red = 0;
    const QImage copy = h->Copy();
    for (int y = hatch.top(); y <= hatch.bottom(); ++y)
      for (int x = hatch.left(); x <= hatch.right(); ++x) red += copy.pixel(x, y) == qRgb(255, 0, 0);
    return red;
  };
  EXPECT_GT(redPixels(), 20);
  // Missing and extra marks come off whole, grey fringes and red hatching alike,
  // and the ring next to them stays whole.
  h->Click(Dot(c, 1, 2));
  EXPECT_EQ(W().ActiveCopy(), 2u);
  h->Click(Lower(c, 0, 2));
  h->Click(Right(c, 1, 0));
  h->Click(Lower(c, 0, 0));
  EXPECT_EQ(c.Text(), (Text{"o o o", "     ", "o omo"}));
  EXPECT_EQ(redPixels(), 0);
  ASSERT_NO_FATAL_FAILURE(ExpectFreshBoard());
  // A second click draws it.
  h->Click(Right(c, 1, 1));
  EXPECT_EQ(c.Node(1, 1).right, Absent);
  h->Click(Right(c, 1, 1));
  EXPECT_EQ(c.Node(1, 1).right, Trace);
  ASSERT_NO_FATAL_FAILURE(ExpectFreshBoard());
}

TEST_F(MiradorTest, ArrowKeysDrawFromTheMiddleNodeOfTheActiveCopyAndStartTheDrawing) {
  h->Key(VK_UP);
  h->Key(VK_UP);  // the border: nothing
  h->Key(VK_RIGHT);
  h->Key(VK_RIGHT);
  EXPECT_EQ(Copy(0).Text(), (Text{"o o-o", "  |  ", "o o o"}));
  EXPECT_EQ(W().Cursor().at, Dot(Copy(0), 0, 2));
  EXPECT_EQ(W().State().phase, PhaseInProgress);
  ASSERT_NO_FATAL_FAILURE(ExpectFreshBoard());
  // A drawing made with the keys alone is not thrown away without a question.
  h->Answer({AnswerNo});
  h->Command(cmd::kExercises[1].button);
  ExpectMessage(OnlyMessage(), "A  T  T  E  N  T  I  O  N", "Veux-tu vraiment tout recommencer ?", "", 4,
                MessageYesNo);
  EXPECT_EQ(W().State().exercise, 1);
  EXPECT_EQ(Copy(0).Text(), (Text{"o o-o", "  |  ", "o o o"}));
  h->Answer({AnswerYes});
  h->Command(cmd::kExercises[1].menu);
  OnlyMessage();
  EXPECT_EQ(W().State().exercise, 2);
  EXPECT_EQ(W().Model().Text(), (Text{"o-o o", "  |  ", "o o-o"}));
  EXPECT_EQ(h->FirstField(), QString::fromUtf8("Exercice N°: 2   "));
  EXPECT_EQ(W().State().phase, PhaseNotStarted);
  h->Command(cmd::kExercises[2].button);  // nothing drawn: no question
  EXPECT_EQ(W().State().exercise, 3);
}

TEST_F(MiradorTest, TheActiveCopySurvivesARestartWithItsCursorBackInTheMiddle) {
  h->Click(Dot(Copy(1), 0, 2));
  EXPECT_EQ(W().ActiveCopy(), 1u);
  EXPECT_EQ(W().State().phase, PhaseInProgress);
  h->Key(VK_LEFT);
  EXPECT_EQ(Copy(1).Text(), (Text{"o o-o", "     ", "o o o"}));
  h->Answer({AnswerYes});
  h->Command(cmd::kLevelChoices[3]);
  OnlyMessage();
  EXPECT_EQ(W().ActiveCopy(), 1u);
  EXPECT_EQ(Copy(1).Columns(), 6);
  EXPECT_EQ(Copy(1).row * 10 + Copy(1).column, 23);
  EXPECT_EQ(W().Cursor().at, Dot(Copy(1), 2, 3));
  EXPECT_EQ(h->FirstField(), QString::fromUtf8("Exercice N°: 1   "));
  ASSERT_NO_FATAL_FAILURE(ExpectFreshBoard());
}
