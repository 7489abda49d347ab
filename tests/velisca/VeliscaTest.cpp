// The grid, the model and how a press and its release are judged.
#include "VeliscaFixture.h"

using namespace velisca;

TEST_F(VeliscaTest, BoardAtStartLaysTheGridAndShowsTheFirstTargetAsModel) {
  // 976 x 671: gaps of (976 - 498) / 7 = 68 across and (671 - 332) / 5 = 67 down.
  EXPECT_EQ(W().Jeu().gx, 68);
  EXPECT_EQ(W().Jeu().gy, 67);
  EXPECT_EQ(Square(0).left, 68);
  EXPECT_EQ(Square(0).top, 67);
  EXPECT_EQ(Square(19).left, 68 + 4 * 151);
  EXPECT_EQ(Square(19).top, 67 + 3 * 150);
  // The band starts in the middle of the gap after the fifth column.
  const QRect band = W().Model().Band().Band();
  EXPECT_EQ(band, QRect(QPoint((672 + 823 + 83) / 2, 0), QPoint(975, 670)));
  const Case& model = W().Model().Band().Modele();
  EXPECT_EQ(band.left(), 789);
  EXPECT_EQ(model.left, 841);  // (789 + 976) / 2 - 41
  EXPECT_EQ(model.top, 294);   // 671 / 2 - 41

  EXPECT_EQ(Target(), &Square(kOrder[1]));
  const QImage screen = h->Screen();
  EXPECT_EQ(screen, h->Copy());
  EXPECT_TRUE(Shows(screen, model.left, model.top, kSize, kSize, Target()->forme));
  EXPECT_EQ(screen.pixelColor(band.left(), 0), QColor(192, 192, 192));
  EXPECT_EQ(screen.pixelColor(band.right(), band.bottom()), QColor(192, 192, 192));
  for (int k = 0; k < kSquares; ++k) EXPECT_TRUE(ShowsRaised(screen, Square(k))) << k;
  EXPECT_EQ(h->MessageField(), "0  erreur(s)   ");
  EXPECT_EQ(W().Jeu().phase, PhaseNotStarted);
}

TEST_F(VeliscaTest, FirstTargetFollowsTheOrderFromTheRandomOffset) {
  const int order[20] = {1, 5, 4, 16, 18, 15, 12, 0, 19, 3, 8, 17, 14, 10, 11, 6, 2, 7, 9, 13};
  for (int draw : {0, 6, 18, 19, 39, 12345}) {
    Start(draw);
    EXPECT_EQ(W().Grid().offset, draw % 20 + 1);
    EXPECT_EQ(Target(), &Square(order[(draw % 20 + 1) % 20])) << draw;
    EXPECT_EQ(Target()->row * 5 + Target()->column, order[(draw % 20 + 1) % 20]);
    EXPECT_EQ(W().Model().Band().Modele().forme, Target()->forme);
  }
}

TEST_F(VeliscaTest, PressOnTheModelIsAnsweredAndCostsNothing) {
  h->Click(Centre(W().Model().Band().Modele()));
  ExpectMessage(OnlyMessage(), "T U  C L I Q U E S  D A N S  L A  C A S E  M O D E L E !",
                "Clique parmi les cases de gauche,", "dans celle qui lui est semblable.", 1);
  EXPECT_EQ(W().Jeu().errors, 0);
  EXPECT_EQ(W().Jeu().phase, PhaseInProgress);
  EXPECT_EQ(h->MessageField(), "Nombre d'erreur(s) :  0   ");
  EXPECT_EQ(h->Screen(), h->Copy());  // its release is not judged: no red frame
}

TEST_F(VeliscaTest, PressOnTheEdgesOrBesideAnySquareIsBesideAMotif) {
  std::vector<QPoint> beside;
  for (int k = 0; k < kSquares; ++k) {
    const Case& c = Square(k);
    const QPoint mid = Centre(c);
    beside.insert(beside.end(), {QPoint(c.left, mid.y()), QPoint(c.left + 83, mid.y()), QPoint(mid.x(), c.top),
                                 QPoint(mid.x(), c.top + 83), QPoint(c.left - 5, c.top - 5)});
  }
  beside.push_back(QPoint(W().Model().Band().Band().left() + 2, 5));
  const QImage before = h->Screen();
  for (QPoint p : beside) {
    h->Click(p);
    SCOPED_TRACE(testing::Message() << p.x() << "," << p.y());
    ExpectMessage(OnlyMessage(), "A  T  T  E  N  T  I  O  N  !", "Tu as cliqué à côté d'un motif.", "", 0);
  }
  EXPECT_EQ(W().Jeu().errors, 0);
  EXPECT_EQ(h->Screen(), before);
}

TEST_F(VeliscaTest, PressShowsTheSquarePressedOnTheWindowOnly) {
  Carre& c = *Target();
  h->Press(Centre(c));
  EXPECT_TRUE(ShowsPressed(h->Screen(), c));
  EXPECT_TRUE(ShowsRaised(h->Copy(), c));
  h->Release(Centre(c));
  EXPECT_TRUE(h->TakeMessages().empty());
}

TEST_F(VeliscaTest, PressOnAFoundSquareCountsOneErrorAndItsReleaseIsNotJudged) {
  Carre& found = *Target();
  FindTarget();
  h->Click(Centre(found));
  ExpectMessage(OnlyMessage(), "A  T  T  E  N  T  I  O  N  !", "Tu as déjà cliqué dans cette case.", "", 0);
  EXPECT_EQ(W().Jeu().errors, 1);
  EXPECT_EQ(h->MessageField(), "Nombre d'erreur(s) :  1   ");
  EXPECT_EQ(W().Grid().FoundCount(), 1);
  EXPECT_EQ(h->Screen(), h->Copy());
}

TEST_F(VeliscaTest, WrongReleaseFramesTheTargetInRedAndCountsOneError) {
  Carre& target = *Target();
  Carre& wrong = AnotherSquare();
  h->Click(Centre(wrong));
  ExpectMessage(OnlyMessage(), "A  T  T  E  N  T  I  O  N  !", "Clique sur la case semblable au motif modèle.",
                "Pour t'aider je l'encadre en rouge.", 1);
  EXPECT_EQ(W().Jeu().errors, 1);
  EXPECT_EQ(h->MessageField(), "Nombre d'erreur(s) :  1   ");
  EXPECT_EQ(Target(), &target);
  EXPECT_FALSE(wrong.found);
  for (const QImage& image : {h->Screen(), h->Copy()}) {
    EXPECT_EQ(RingPixels(image, target, [](QColor c) { return c == QColor(255, 0, 0); }), 0);
    EXPECT_TRUE(Shows(image, target.left + 2, target.top + 2, kSize, kSize, target.forme));
  }
  // A release where the pointer ends up does not matter: the pressed square is judged.
  h->Press(Centre(wrong));
  h->Release(Centre(target));
  OnlyMessage();
  EXPECT_EQ(W().Jeu().errors, 2);
}

TEST_F(VeliscaTest, RightReleaseMarksTheSquareFoundAndMovesTheModelOn) {
  Carre& first = *Target();
  FindTarget();
  EXPECT_TRUE(h->TakeMessages().empty());
  EXPECT_TRUE(first.found);
  EXPECT_EQ(Target(), &Square(kOrder[2]));
  const QImage screen = h->Screen();
  EXPECT_EQ(screen, h->Copy());
  EXPECT_TRUE(ShowsFound(screen, first));
  const Case& model = W().Model().Band().Modele();
  EXPECT_TRUE(Shows(screen, model.left, model.top, kSize, kSize, Target()->forme));
  EXPECT_EQ(h->MessageField(), "0  erreur(s)   ");
}

TEST_F(VeliscaTest, AHintedSquareOnceFoundKeepsNoRingOfItsRedFrame) {
  Carre& target = *Target();
  h->Click(Centre(AnotherSquare()));
  OnlyMessage();
  FindTarget();
  ASSERT_TRUE(target.found);
  for (const QImage& image : {h->Screen(), h->Copy()}) {
    EXPECT_EQ(RingPixels(image, target, [](QColor c) { return c == Qt::white; }), 0);
    EXPECT_TRUE(ShowsFound(image, target));
  }
}
