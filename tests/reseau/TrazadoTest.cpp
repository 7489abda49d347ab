// The copying game through its window: its own shape, texts and comparison.
#include "../formes/ExpectMessage.h"
#include "Keys.h"
#include "LatticeFixture.h"

using namespace reseau;

TEST_F(TrazadoTest, TwoTallLatticesWithTheCopyActiveFromTheStart) {
  EXPECT_EQ(W().CopyCount(), 1u);
  EXPECT_EQ(Copy().RowCount(), 2);
  EXPECT_EQ(Copy().Columns(), 2);
  EXPECT_EQ(Copy().row * 10 + Copy().column, 11);
  EXPECT_EQ(W().Model().Text(), (Text{"o o", "|  ", "o-o"}));
  h->Command(cmd::kLevelChoices[3]);
  EXPECT_EQ(Copy().RowCount(), 8);
  // Eight rows fill the whole height: the last one lies in the lower half.
  EXPECT_GT(Copy().BottomEdge(), Board().height() * 3 / 4);
  EXPECT_LT(Copy().BottomEdge(), Board().height());
  EXPECT_EQ(Copy().row * 10 + Copy().column, 42);
  // The axis runs down the middle to 5 pixels above the bottom.
  const QImage s = h->Screen();
  EXPECT_EQ(s.pixel(Board().width() / 2, 0), qRgb(255, 0, 255));
  EXPECT_EQ(s.pixel(Board().width() / 2, Board().height() - 6), qRgb(255, 0, 255));
  EXPECT_EQ(s.pixel(Board().width() / 2, Board().height() - 5), qRgb(255, 255, 255));
  ASSERT_NO_FATAL_FAILURE(ExpectFreshBoard());
}

TEST_F(TrazadoTest, ClicksOnTheModelAndOutsideTheLatticesHaveTheirOwnWords) {
  const QImage before = h->Screen();
  const ToClic2D& m = W().Model();
  h->Click(QPoint(m.RightEdge() + 3, m.Node(0, 1).y + m.CellHeight() / 2));
  ShownMessage shown = OnlyMessage();
  ExpectMessage(shown, " A T T E N T I O N !", "Ce dessin ne doit pas être modifié.", "Il faut le reproduire identiquement",
                1);
  EXPECT_EQ(shown.line3, QString::fromUtf8("dans le rectangle à droite."));
  h->Click(QPoint(Board().width() / 2, Board().height() / 4));
  ExpectMessage(OnlyMessage(), "A T T E N T I O N ", "Il faut cliquer sur le bord des rectangles.", "", 3);
  EXPECT_EQ(h->Screen(), before);
  EXPECT_EQ(W().State().phase, PhaseNotStarted);
}

TEST_F(TrazadoTest, ComparisonCountsTheCopyAgainstTheModelAsItIs) {
  const int expected[3] = {2, 3, 3};
  for (int k = 0; k < 3; ++k) {
    h->Command(cmd::kExercises[k].button);
    Compare();
    ExpectMessage(OnlyMessage(), "A T T E N T I O N  !", "Il y a plusieurs erreurs : ",
                  "Les segments en trop sont barrés en rouge.", 1);
    EXPECT_EQ(W().State().errors, expected[k]) << "exercise " << k + 1;
  }
  // Level 1, exercise 1, drawn with the keys but for one segment.
  h->Command(cmd::kLevelChoices[1]);
  Draw(0, W().Model().Text());
  Compare();
  ExpectMessage(OnlyMessage(), "O  U  I  ,  B R A V O !", "Il n'y a pas d'erreur.", "", 2);
  h->Key(VK_UP);  // erases the lower segment of row 1, column 1
  Compare();
  ExpectMessage(OnlyMessage(), "O  U  I  ,  C ' E S T   B I E N .", "Mais il y reste une erreur.", "", 3);
  EXPECT_EQ(Copy().Node(1, 1).lower, Manquant);
  const QPoint mark = Lower(Copy(), 1, 1) + QPoint(3, 0);
  EXPECT_EQ(h->Screen().pixel(mark), qRgb(192, 192, 192));
  ASSERT_NO_FATAL_FAILURE(ExpectFreshBoard());
}
