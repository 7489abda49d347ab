// The board, the answers and the messages of the staircase game, and the
// staircase's rules on their own.
#include "PeldanoFixture.h"

#include <algorithm>
#include <vector>

using namespace peldano;

TEST_F(PeldanoTest, BoardAtStartHasTheFigureOnTheLowestStepAndFiveEmptyPlaces) {
  Start({3});
  EXPECT_EQ(Board(), "_____|........F");
  EXPECT_EQ(ModelKind(), 3);
  EXPECT_EQ(W().Jeu().phase, PhaseNotStarted);
  EXPECT_EQ(h->MessageField(), "0  erreur(s)   ");

  // 976 x 671: gap g = 100 in the bottom row, model margin m = 110.
  for (int i = 0; i < kForms; ++i) {
    EXPECT_EQ(W().Row().Cell(i).left, 100 + 179 * i);
    EXPECT_EQ(W().Row().Cell(i).top, 671 - 50 - 79);
    EXPECT_EQ(W().Row().Cell(i).forme, i);
  }
  EXPECT_EQ(W().Model().Band(), QRect(QPoint(787, 0), QPoint(975, 188)));
  EXPECT_EQ(W().Model().Modele().left, 842);
  EXPECT_EQ(W().Model().Modele().top, 55);
  EXPECT_EQ(W().Model().CaptionAt(), QPoint(842, 18));
  EXPECT_EQ(W().Model().Caption(), "MODELE :");
  for (int i = 0; i < kSteps; ++i)
    EXPECT_EQ(QPoint(Stairs().Step(i).left, Stairs().Step(i).top), QPoint(294 + 32 * i, 94 + 22 * i));
  for (int i = 0; i < kPlaces; ++i)
    EXPECT_EQ(QPoint(Stairs().Place(i).left, Stairs().Place(i).top), QPoint(49 + 49 * i, 72));

  const QImage screen = h->Screen();
  EXPECT_EQ(screen, h->Copy());
  for (int i = 0; i < kForms; ++i) EXPECT_TRUE(Shows(screen, W().Row().Cell(i), i)) << i;
  EXPECT_TRUE(Shows(screen, W().Model().Modele(), 3));
  for (int i = 0; i < kPlaces; ++i) EXPECT_TRUE(Shows(screen, Stairs().Place(i), kFirstStepPicture + EmptyPlace));
  EXPECT_TRUE(Shows(screen, Stairs().Step(8), kFirstStepPicture + FigureOnStep));
  EXPECT_EQ(screen.pixelColor(787, 0), QColor(192, 192, 192));
  EXPECT_EQ(screen.pixelColor(975, 188), QColor(192, 192, 192));
  int ink = 0;  // the caption's letters
  for (int x = 845; x < 945; ++x)
    for (int y = 18; y < 40; ++y) ink += screen.pixelColor(x, y) == Qt::black;
  EXPECT_GT(ink, 50);
}

TEST_F(PeldanoTest, WrongFormCountsAnErrorAndChangesNothingElse) {
  Start({2});
  const QImage before = h->Screen();
  AnswerWrong();
  ExpectMessage(OnlyMessage(), "LA CASE CLIQUEE NE CORRESPOND PAS AU   M  O  D  E  L  E  !",
                "Dans la rangée du bas, clique sur la", " forme qui correspond à la case modèle.", 1);
  EXPECT_EQ(W().Jeu().errors, 1);
  EXPECT_EQ(h->MessageField(), "1  erreur(s)   ");
  EXPECT_EQ(Board(), "_____|........F");
  EXPECT_EQ(ModelKind(), 2);
  EXPECT_EQ(W().Jeu().phase, PhaseNotStarted);
  EXPECT_EQ(h->Screen(), before);
}

TEST_F(PeldanoTest, ModelAndElsewhereAreAnsweredWithoutCost) {
  h->Click(Centre(W().Model().Modele()));
  ExpectMessage(OnlyMessage(), "CECI EST LE  M O D E L E  A RETROUVER DANS LA RANGEE DU BAS.",
                "Dans la rangée du bas, clique sur la forme", "géométrique qui correspond au modèle.", 1);

  const Case& first = W().Row().Cell(0);
  for (QPoint p : {QPoint(first.left, first.top + 40), QPoint(first.left + 40, first.top + 79), QPoint(10, 10),
                   Centre(Stairs().Step(8)), QPoint(W().Model().Modele().left, 60)}) {
    h->Click(p);
    ExpectMessage(OnlyMessage(), "C L I Q U E   D A N S   L A   R A N G E E   D U   B A S ...",
                  "... sur la forme géométrique qui correspond", "au modèle affiché en haut à droite.", 3);
  }
  EXPECT_EQ(W().Jeu().errors, 0);
  EXPECT_EQ(Board(), "_____|........F");
}

TEST_F(PeldanoTest, RightFormClimbsOneStepAndDrawsANewModelThatMayRepeat) {
  Start({1, 1, 4});
  AnswerRight();
  EXPECT_TRUE(h->TakeMessages().empty());
  EXPECT_EQ(Board(), "_____|.......F.");
  EXPECT_EQ(ModelKind(), 1);
  EXPECT_EQ(W().Jeu().phase, PhaseInProgress);
  AnswerRight();
  EXPECT_EQ(Board(), "_____|......F..");
  EXPECT_EQ(ModelKind(), 4);
  const QImage screen = h->Screen();
  EXPECT_EQ(screen, h->Copy());
  EXPECT_TRUE(Shows(screen, W().Model().Modele(), 4));
  EXPECT_TRUE(Shows(screen, Stairs().Step(8), kFirstStepPicture + PlainStep));
}

TEST(Escalier, EveryAnswerReportsThePlacesAndTheStepsWhoseLookItChanged) {
  Escalier e;
  e.Reset(94);
  std::vector<const CaseMarche*> places;
  std::vector<int> steps;
  e.placeChanged = [&](CaseMarche& place) {
    EXPECT_TRUE(steps.empty()) << "a place reported after the steps";
    places.push_back(&place);
  };
  e.stepsChanged = [&](int from) { steps.push_back(from); };
  for (int n = 1; n <= 55; ++n) {
    SCOPED_TRACE(testing::Message() << "answer " << n);
    std::vector<int> placesBefore, stepsBefore;
    for (int i = 0; i < kPlaces; ++i) placesBefore.push_back(e.Place(i).look);
    for (int i = 0; i < kSteps; ++i) stepsBefore.push_back(e.Step(i).look);
    places.clear();
    steps.clear();
    const Move move = e.Advance();
    EXPECT_EQ(move == Move::Won, n == 55);

    std::vector<const CaseMarche*> changedPlaces;
    for (int i = 0; i < kPlaces; ++i)
      if (e.Place(i).look != placesBefore[i]) changedPlaces.push_back(&e.Place(i));
    std::sort(places.begin(), places.end());
    EXPECT_EQ(places, changedPlaces);
    int lowest = kSteps;
    for (int i = kSteps - 1; i >= 0; --i)
      if (e.Step(i).look != stepsBefore[i]) lowest = i;
    // One report that reaches down to every changed step; a lap's end may
    // report the whole staircase.
    if (lowest == kSteps) {
      EXPECT_TRUE(steps.empty());
    } else {
      ASSERT_EQ(steps.size(), 1u);
      EXPECT_LE(steps[0], lowest);
      if (move != Move::LapEnded) {
        EXPECT_EQ(steps[0], lowest);
      }
    }
  }
}

TEST(Escalier, PlaysAWholeGameWithNobodyToTell) {
  Escalier e;
  e.Reset(94);
  int answers = 0;
  while (e.Advance() != Move::Won && answers < 100) ++answers;
  EXPECT_EQ(answers + 1, 55);
  EXPECT_EQ(e.Lap(), 3);
  for (int i = 0; i < kPlaces; ++i) EXPECT_EQ(e.Place(i).look, FilledPlace) << i;
}
