// A press by region, colouring a cell, the white-cell error, and the phases.
#include "CalcoFixture.h"

using namespace calco;

TEST_F(CalcoTest, PressesOutsideTheWorkGridPointToItByRegionUpToTheExactBorders) {
  const int edge = 5 * G().cell;  // column and row 5 start here
  struct Case {
    QPoint p;
    const char* title;
    const char* line;
  };
  const char* spaced = "A  T  T  E  N  T  I  O  N";
  const Case cases[] = {
      {{edge, edge}, "A   T   T   E   N   T   I   O   N", "Il faut remplir la grille en haut à gauche !"},
      {{W().DrawingArea().right(), W().DrawingArea().bottom()}, "A   T   T   E   N   T   I   O   N",
       "Il faut remplir la grille en haut à gauche !"},
      {{edge, 0}, spaced, "Il faut remplir la grille de gauche !"},
      {{edge, edge - 1}, spaced, "Il faut remplir la grille de gauche !"},
      {{G().ModelArea().center()}, spaced, "Il faut remplir la grille de gauche !"},
      {{0, edge}, spaced, "Il faut remplir la grille au dessus !"},
      {{edge - 1, edge}, spaced, "Il faut remplir la grille au dessus !"},
  };
  const QImage before = h->Screen();
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.p.x() << "," << c.p.y());
    h->Click(c.p);
    ExpectMessage(OnlyMessage(), c.title, c.line, "", 3);
  }
  EXPECT_EQ(h->Screen(), before);
  EXPECT_EQ(Jeu().errors, 0);
  EXPECT_EQ(Jeu().phase, PhaseNotStarted);
  // The last pixel before both borders is the corner cell (4, 4), and the
  // first column's cells are where the presses land too.
  const std::pair<QPoint, QPoint> landings[] = {
      {{edge - 1, edge - 1}, {4, 4}}, {{1, edge - 1}, {0, 4}}, {Centre(2, 0), {0, 2}}};
  for (const auto& [p, cell] : landings) {
    h->Click(p);
    EXPECT_EQ(QPoint(G().column, G().row), cell);
    ASSERT_NE(G().last, nullptr);
    EXPECT_EQ(G().last, &G().CellAt(cell.y(), cell.x()));
    EXPECT_TRUE(G().last->Contains(p));
  }
  h->TakeMessages();
}

TEST_F(CalcoTest, ACellTheModelColoursTakesItsColourInsideALightGreyBorderOnBothSurfaces) {
  // Model 0 colours cell (2, 3) blue and (2, 4) red.
  const int c = G().cell, r = 2, k = 3;
  const QColor colour = QColor::fromRgb(G().ModelColour(W().ModelPicture(), r, k));
  ASSERT_NE(colour, QColor(Qt::white));
  h->Click(Centre(r, k) + QPoint(c / 3, -c / 3));  // anywhere in the cell
  EXPECT_TRUE(h->TakeMessages().empty());
  EXPECT_EQ(Jeu().phase, PhaseInProgress);
  const QImage screen = h->Screen();
  EXPECT_EQ(screen, h->Copy());
  const QColor grey(192, 192, 192);
  for (QPoint border : {QPoint(k * c, r * c), QPoint((k + 1) * c, (r + 1) * c), QPoint(k * c, (r + 1) * c),
                        QPoint((k + 1) * c, r * c + c / 2)})
    EXPECT_EQ(screen.pixelColor(border), grey) << border.x() << "," << border.y();
  for (QPoint fill : {QPoint(k * c + 1, r * c + 1), QPoint((k + 1) * c - 1, (r + 1) * c - 1), Centre(r, k)})
    EXPECT_EQ(screen.pixelColor(fill), colour) << fill.x() << "," << fill.y();
  // Nothing beyond the rectangle changed.
  EXPECT_EQ(screen.pixelColor((k + 1) * c + 1, r * c + c / 2), QColor(Qt::white));
  EXPECT_EQ(screen.pixelColor(k * c + c / 2, (r + 1) * c + 1), QColor(Qt::white));
  EXPECT_EQ(h->MessageField(), "0  erreur(s)   ");

  // Clicked again: the same cell, no message, no error.
  h->Click(Centre(r, k));
  EXPECT_TRUE(h->TakeMessages().empty());
  EXPECT_EQ(h->Screen(), screen);
  EXPECT_EQ(Jeu().errors, 0);
}

TEST_F(CalcoTest, AWhiteCellCountsAnErrorAndStaysWhite) {
  const QImage before = h->Screen();
  h->Click(Centre(0, 1));  // model 0 leaves cell (0, 1) white
  ExpectMessage(OnlyMessage(), "A  T  T  E  N  T  I  O  N", "Cette case doit rester blanche !", "", 3);
  EXPECT_EQ(Jeu().errors, 1);
  EXPECT_EQ(h->MessageField(), "1  Erreur(s)   ");
  EXPECT_EQ(Jeu().phase, PhaseNotStarted);
  EXPECT_EQ(h->Screen(), before);
  h->Click(Centre(4, 0));
  OnlyMessage();
  EXPECT_EQ(h->MessageField(), "2  Erreur(s)   ");
  // The start command: nothing coloured yet, nothing to start again.
  h->Command(cmd::Start);
  ExpectMessage(OnlyMessage(), "I N U T I L E   D E   T O U T   R E C O M M E N C E R",
                "La partie n'est pas commencée !", "", 2);
  EXPECT_EQ(Jeu().errors, 2);
}

TEST_F(CalcoTest, AfterTheWinAPressShowsTheGamesOwnNoticeAndAModelIsChosenWithoutAQuestion) {
  for (QPoint cell : ColouredCells()) ClickCell(cell);
  ExpectWon();
  const QImage won = h->Screen();
  h->Click(Centre(0, 1));
  ExpectMessage(OnlyMessage(), "B R A V O ,  C E T T E   P A R T I E   E S T   T E R M I N E E !",
                "Pour en refaire une, clique sur l'éclair jaune,", "dans la barre de boutons.", 3);
  EXPECT_EQ(Jeu().errors, 0);
  EXPECT_EQ(h->Screen(), won);
  // A model chosen on a won game: no question.
  Choose(14);
  EXPECT_TRUE(h->TakeMessages().empty());
  EXPECT_EQ(W().Model(), 14);
  EXPECT_EQ(G().count, 9);
  EXPECT_EQ(Jeu().phase, PhaseNotStarted);
  EXPECT_EQ(h->Screen().pixelColor(Centre(8, 8)), QColor(Qt::white));
}

TEST_F(CalcoTest, AModelChosenInPlayAsksFirstAndNoKeepsTheGame) {
  ClickCell(ColouredCells().front());
  h->Click(Centre(0, 1));
  OnlyMessage();
  const QImage inPlay = h->Screen();
  h->Answer({AnswerNo});
  h->MenuCommand(cmd::FirstModel + 19);
  ExpectMessage(OnlyMessage(), "A  T  T  E  N  T  I  O  N", "Veux-tu vraiment tout recommencer ?", "", 4, MessageYesNo);
  EXPECT_EQ(W().Model(), 0);
  EXPECT_EQ(h->Screen(), inPlay);
  EXPECT_EQ(Jeu().phase, PhaseInProgress);
  EXPECT_EQ(h->MessageField(), "1  Erreur(s)   ");

  h->Answer({AnswerYes});
  h->MenuCommand(cmd::FirstModel + 19);
  OnlyMessage();
  EXPECT_EQ(W().Model(), 19);
  EXPECT_EQ(Jeu().phase, PhaseNotStarted);
  EXPECT_EQ(Jeu().errors, 0);
  EXPECT_EQ(h->MessageField(), "0  erreur(s)   ");
  EXPECT_EQ(h->Screen(), h->Copy());
  // The old grid is gone: where the 5 x 5 model stood, 9 x 9 cells and white.
  for (int r = 0; r < 9; ++r)
    for (int k = 0; k < 9; ++k) ASSERT_EQ(h->Screen().pixelColor(Centre(r, k)), QColor(Qt::white)) << r << "," << k;
}

TEST_F(CalcoTest, TheStartCommandInPlayAsksThenClearsTheGridAndTheErrorsOfTheSameModel) {
  Choose(12);
  const QImage fresh = h->Screen();
  for (QPoint cell : ColouredCells()) {
    ClickCell(cell);
    if (cell.y() > 3) break;
  }
  h->Click(Centre(0, 0));  // white in the factory
  OnlyMessage();
  h->Answer({AnswerYes});
  h->ButtonCommand(cmd::Start);
  ExpectMessage(OnlyMessage(), "A  T  T  E  N  T  I  O  N", "Veux-tu vraiment tout recommencer ?", "", 4, MessageYesNo);
  EXPECT_EQ(W().Model(), 12);
  EXPECT_EQ(h->Screen(), fresh);
  EXPECT_EQ(h->Copy(), fresh);
  EXPECT_EQ(Jeu().errors, 0);
  EXPECT_EQ(Jeu().phase, PhaseNotStarted);
  EXPECT_EQ(h->MessageField(), "0  erreur(s)   ");
}
