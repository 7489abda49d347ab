// The game through its window: the first board, the drag on both surfaces, the
// refusals with their words and counts, rows and the win.
#include "MotifsConfig.h"
#include "TesseloFixture.h"

using namespace motifs;

TEST_F(TesseloTest, TheFirstBoardShowsTheRowsTheBarAndTheCountsOnBothSurfaces) {
  EXPECT_EQ(h->Caption(), "T E S S E L O");
  EXPECT_EQ(h->FirstField(), QString::fromUtf8("Débutant "));
  EXPECT_EQ(h->MessageField(), QString::fromUtf8("0 glissé(s)   "));
  EXPECT_EQ(h->SecondField(), "0 erreur(s)   ");
  const QImage screen = h->Screen();
  EXPECT_EQ(screen, h->Copy());
  for (int i = 0; i < 12; ++i) EXPECT_TRUE(Shows(screen, F().Bar().At(i), F().Bar().At(i).picture)) << i;
  for (int j = 0; j < 4; ++j) {
    EXPECT_TRUE(Shows(screen, F().Models().At(0, j), F().Expected(j))) << j;
    EXPECT_TRUE(Shows(screen, F().Models().At(1, j), kEmpty)) << j;
  }
  for (int j = 0; j < 8; ++j) EXPECT_TRUE(Shows(screen, F().Fill().At(3, j), kEmpty)) << j;
  // The grey zone round the models, the red frame round row 0, white elsewhere.
  const QRect zone = F().GreyZone();
  EXPECT_EQ(screen.pixel(zone.topLeft()), qRgb(192, 192, 192));
  EXPECT_EQ(screen.pixel(zone.bottomRight()), qRgb(192, 192, 192));
  EXPECT_EQ(screen.pixel(zone.bottomRight() + QPoint(1, 1)), qRgb(255, 255, 255));
  EXPECT_EQ(screen.pixel(F().Fill().At(0, 7).left + 24, F().Y(0) - 4), qRgb(255, 0, 0));
  EXPECT_EQ(screen.pixel(F().Fill().At(0, 7).left + 24, F().Y(1) - 4), qRgb(255, 255, 255));
}

TEST_F(TesseloTest, DuringADragOnlyThePictureDiffersFromTheCopyWhichShowsTheBarCellEmpty) {
  const CaseMotif& cell = F().Bar().At(3);
  const int picture = cell.picture;
  const QPoint press = Bar(3) + QPoint(-10, 12), offset = press - QPoint(cell.left, cell.top);
  h->Press(press);
  EXPECT_TRUE(Shows(h->Screen(), cell, picture)) << "the picture is taken where it lies";
  EXPECT_TRUE(Shows(h->Copy(), cell, kEmpty));
  // Two moves, the second near the first: only the last square shows the picture.
  for (QPoint to : {QPoint(400, 300), QPoint(420, 310), QPoint(300, 200)}) {
    h->Move(to);
    const QImage screen = h->Screen(), copy = h->Copy();
    const QRect mark(to - offset, QSize(kCell, kCell));
    EXPECT_EQ(screen.copy(mark), Picture(picture));
    for (int y = 0; y < screen.height(); y += 1)
      for (int x = 0; x < screen.width(); x += 1)
        if (!mark.contains(x, y) && screen.pixel(x, y) != copy.pixel(x, y))
          FAIL() << "a trace at " << x << "," << y << " after a move to " << to.x() << "," << to.y();
  }
  EXPECT_TRUE(Shows(h->Screen(), cell, kEmpty));
  // The picture stays whole at the area's edges.
  h->Move(QPoint(0, 0));
  EXPECT_EQ(W().Game().Drag().Mark().Rect().topLeft(), QPoint(0, 0));
  h->Release(QPoint(0, 0));
  EXPECT_EQ(OnlyMessage().line2, QString::fromUtf8("Je ne peux recouvrir qu'une case à remplir."));
  EXPECT_EQ(h->Screen(), h->Copy());
  EXPECT_TRUE(Shows(h->Screen(), cell, picture));
}

TEST_F(TesseloTest, EachRefusalHasItsWordsCountsOneErrorAndBringsTheBarPictureBack) {
  int wrong = 0;
  while (F().Bar().At(wrong).picture == F().Expected(0)) ++wrong;
  const int right = BarCellOf(F().Expected(0));
  struct Case {
    int barCell;
    QPoint to;
    const char* line1;
  } cases[] = {
      {right, Model(0, 1), "Je ne peux pas faire ce mouvement,"},
      {right, Bar(9), "Je ne peux faire ce mouvement, car les"},
      {right, Bar(9) - QPoint(0, 100), "Je ne peux faire ce mouvement car :"},
      {right, Fill(2, 0), "Je ne peux recouvrir cette case à remplir, car elle"},
      {wrong, Fill(0, 0), "Le dessin que tu as fait glisser, ne peut"},
  };
  const QString lines[][3] = {
      {"Je ne peux pas faire ce mouvement,", "car les motifs servent de modèles", "et ne peuvent être recouverts."},
      {"Je ne peux faire ce mouvement, car les", "motifs de la barre du bas, doivent être",
       "déplacés et ne peuvent être recouverts."},
      {"Je ne peux faire ce mouvement car :", "Je ne peux recouvrir qu'une case à remplir.", ""},
      {"Je ne peux recouvrir cette case à remplir, car elle", "n'est pas située dans la ligne entourée de rouge !", ""},
      {"Le dessin que tu as fait glisser, ne peut", "recouvrir cette case à remplir car il ne",
       "correspond pas au modèle de la zône grise !"}};
  for (int k = 0; k < 5; ++k) {
    Drag(cases[k].barCell, cases[k].to);
    const ShownMessage m = OnlyMessage();
    EXPECT_EQ(m.title, "A  T  T  E  N  T  I  O  N  !");
    EXPECT_EQ(m.line1, lines[k][0]);
    EXPECT_EQ(m.line2, lines[k][1]);
    EXPECT_EQ(m.line3, lines[k][2]);
    EXPECT_EQ(m.picture, 1);
    EXPECT_EQ(h->SecondField(), QStringLiteral("%1 erreur(s)   ").arg(k + 1));
    EXPECT_EQ(h->MessageField(), QString::fromUtf8("0 glissé(s)   "));
    EXPECT_EQ(h->Screen(), h->Copy());
    EXPECT_TRUE(Shows(h->Screen(), F().Bar().At(cases[k].barCell), F().Bar().At(cases[k].barCell).picture));
    EXPECT_TRUE(Shows(h->Screen(), F().Fill().At(0, 0), kEmpty));
  }
  EXPECT_EQ(Jeu().phase, PhaseNotStarted);
  // A click on a bar picture without a move is a drop on the bar.
  h->Click(Bar(2));
  EXPECT_EQ(OnlyMessage().line1, "Je ne peux faire ce mouvement, car les");
  EXPECT_EQ(h->SecondField(), "6 erreur(s)   ");
}

TEST_F(TesseloTest, PressesOnModelsAndCellsToFillOnlyExplainAndStartNoDrag) {
  h->Press(Model(2, 3));
  ShownMessage m = OnlyMessage();
  EXPECT_EQ(m.title, "A T T E N T I O N  !");
  EXPECT_EQ(m.line1, QString::fromUtf8("Ne pas bouger ces motifs du modèle"));
  EXPECT_EQ(m.line3, QString::fromUtf8("quels motifs à reconstruire"));
  EXPECT_EQ(m.picture, 3);
  h->Release(Fill(0, 0));
  h->Press(Fill(0, 1));
  m = OnlyMessage();
  EXPECT_EQ(m.line1, "Ce motif ne peut pas bouger ...");
  EXPECT_EQ(m.line2, "c'est ici qu'il faut venir poser");
  EXPECT_EQ(m.line3, QString::fromUtf8("les motifs à déplacer."));
  h->Release(Fill(0, 0));
  EXPECT_EQ(h->PendingMessages(), 0u);
  EXPECT_EQ(h->SecondField(), "0 erreur(s)   ");
}

TEST_F(TesseloTest, AcceptedDropsFillTheCellCountSlidesAndARowDoneStartsTheNextRow) {
  FillRight(5);
  EXPECT_EQ(h->MessageField(), QString::fromUtf8("1 glissé   "));
  EXPECT_EQ(Jeu().phase, PhaseInProgress);
  EXPECT_EQ(h->Screen(), h->Copy());
  EXPECT_TRUE(Shows(h->Screen(), F().Fill().At(0, 5), F().Expected(5)));
  FillRight(5);  // again, the same picture: one more slide
  EXPECT_EQ(h->MessageField(), QString::fromUtf8("2 glissés   "));
  Drag(BarCellOf(F().Expected(0) == F().Bar().At(0).picture ? F().Bar().At(1).picture : F().Bar().At(0).picture),
       Fill(0, 0));
  OnlyMessage();
  const std::vector<int> first = F().Sequence();
  FillRow();
  ShownMessage m = OnlyMessage();
  EXPECT_EQ(m.title, "B  R  A  V  O  !");
  EXPECT_EQ(m.line1, QString::fromUtf8("Tu as bien reproduit la ligne précédente."));
  EXPECT_EQ(m.line2, "Je t'invite à reproduire cette nouvelle ligne !");
  EXPECT_EQ(m.picture, 2);
  // Row 1 in the red frame, the counts back to 0; row 0 keeps its cells, its models go.
  EXPECT_EQ(F().CurrentRow(), 1);
  EXPECT_EQ(h->MessageField(), QString::fromUtf8("0 glissé(s)   "));
  EXPECT_EQ(h->SecondField(), "0 erreur(s)   ");
  EXPECT_EQ(Jeu().phase, PhaseInProgress);
  const QImage screen = h->Screen();
  EXPECT_EQ(screen, h->Copy());
  for (int j = 0; j < 8; ++j) EXPECT_TRUE(Shows(screen, F().Fill().At(0, j), first[j % 2])) << j;
  for (int j = 0; j < 4; ++j) {
    EXPECT_TRUE(Shows(screen, F().Models().At(0, j), kEmpty)) << j;
    EXPECT_TRUE(Shows(screen, F().Models().At(1, j), F().Expected(j))) << j;
  }
  EXPECT_EQ(screen.pixel(F().Fill().At(0, 7).left + 24, F().Y(1) - 4), qRgb(255, 0, 0));
  EXPECT_EQ(screen.pixel(F().Fill().At(0, 7).left + 24, F().Y(0) - 4), qRgb(255, 255, 255));
}

TEST_F(TesseloTest, TheFourthRowWinsAtEveryScreenAndAPressAfterwardsOnlyShowsTheNotice) {
  for (int width : {1024, 1920}) {
    Start({.screenWidth = width, .screenHeight = width == 1024 ? 768 : 1080, .seed = 5});
    h->Command(cmd::kLevelChoices[5]);
    for (int row = 0; row < 4; ++row) {
      FillRow();
      ASSERT_EQ(OnlyMessage().title, row < 3 ? "B  R  A  V  O  !" : "B  R  A  V  O ,  C ' E S T   G A G N E !");
    }
    EXPECT_EQ(Jeu().phase, PhaseFinished);
    h->Press(Bar(0));
    const ShownMessage m = OnlyMessage();
    EXPECT_EQ(m.title, "C E T T E   P A R T I E   E S T   T E R M I N E E !");
    h->Move(Fill(3, 0));
    h->Release(Fill(3, 0));
    EXPECT_EQ(h->PendingMessages(), 0u);
    EXPECT_EQ(h->Screen(), h->Copy());
    // A new game after the win asks nothing.
    h->Command(cmd::SameLevel);
    EXPECT_EQ(h->UnexpectedQuestions(), 0);
    EXPECT_EQ(F().CurrentRow(), 0);
  }
}

TEST_F(TesseloTest, ANewGameDuringADragEndsItAndTheLaterReleaseJudgesNothing) {
  FillRight(0);
  h->Press(Bar(BarCellOf(F().Expected(1))));
  h->Move(Fill(0, 1));
  h->Answer({AnswerYes});
  h->Command(cmd::SameLevel);
  EXPECT_EQ(OnlyMessage().line1, "Veux-tu vraiment tout recommencer ?");
  h->Move(Fill(0, 3));
  h->Release(Fill(0, 1));
  EXPECT_EQ(h->PendingMessages(), 0u);
  EXPECT_EQ(h->MessageField(), QString::fromUtf8("0 glissé(s)   "));
  EXPECT_EQ(h->Screen(), h->Copy());
  EXPECT_TRUE(Shows(h->Screen(), F().Fill().At(0, 1), kEmpty));
}

TEST_F(TesseloTest, RandomPlayAtEveryLevelNeverBreaksTheBoard) {
  for (int level = 0; level < 6; ++level) {
    h->Command(cmd::kLevelChoices[level]);
    h->TakeMessages();
    RandomPlayer player(*h, 100 + level);
    player.SetAims(Aims());
    const PlayReport report = player.Play(2000);
    EXPECT_TRUE(report.ok) << report.failure;
    h->Release(QPoint(5, 5));
    h->TakeMessages();
    EXPECT_EQ(h->Screen(), h->Copy()) << level;
  }
}
