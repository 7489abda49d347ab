// The game in its window: the board, the start, the race on screen, the
// answers to presses and new games during the race.
#include "VisadoFixture.h"

#include "DecoratedFrame.h"
#include "StatusBar.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

using namespace visado;

namespace {
const QRgb kWhite = qRgb(255, 255, 255), kBlack = qRgb(0, 0, 0), kRed = qRgb(255, 0, 0);
}  // namespace

TEST_F(VisadoTest, TheProgramsBarsMenusAndStatusBar) {
  EXPECT_EQ(h->Caption(), "V I S A D O");
  EXPECT_EQ(h->FirstField(), QString::fromUtf8("Débutant "));
  for (QLabel* field : h->App().StatusBar()->findChildren<QLabel*>())
    EXPECT_EQ(dynamic_cast<TTimeGadget*>(field), nullptr) << "no clock";
  const QList<QAction*> bar = h->Frame().menuBar()->actions();
  ASSERT_EQ(bar.size(), 6);  // file, level, start, about, help, and the hidden list
  EXPECT_EQ(bar[2]->data().toInt(), cmd::StartMenu);
  std::vector<std::pair<int, QString>> hidden;
  for (QAction* a : bar.last()->menu()->actions()) hidden.emplace_back(a->data().toInt(), a->text());
  EXPECT_EQ(hidden, (std::vector<std::pair<int, QString>>{
                        {530, "&Quitter"}, {571, "&Passer au niveau suivant"},
                        {572, QString::fromUtf8("&Faire une partie à ce niveau")},
                        {573, QString::fromUtf8("&Revenir au niveau précédent")}, {550, QString::fromUtf8("&Démarrer")},
                        {560, "A &Propos"}, {570, "&Aide"}}));
  for (int id : {530, 590, 571, 591, 572, 592, 573, 593, 574, 579, 550, 594, 560, 570, 596})
    EXPECT_TRUE(W().HandlesCommand(id)) << id;
}

TEST_F(VisadoTest, TheFirstBoardShowsRowTreeJalopyAndRoadButHidesTheCentre) {
  for (const QImage& s : {h->Screen(), h->Copy()}) {
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(Shows(s, C().row.Cell(i).picture, {C().row.Cell(i).left, 49}));
    EXPECT_TRUE(Shows(s, Arbre::kFirstPicture, {C().arbre.x, C().arbre.y}));
    ExpectJalopy(s);
    for (int x : {0, 300, W().DrawingArea().width() - 1}) EXPECT_EQ(s.pixel(x, C().roadY), kBlack) << x;
    EXPECT_EQ(s.pixel(300, C().roadY - 1), kWhite);
    EXPECT_EQ(s.pixel(300, C().roadY + 1), kWhite);
    EXPECT_EQ(s.copy(C().centre.left, C().centre.top, 79, 79), s.copy(0, 200, 79, 79)) << "the centre is white";
  }
  EXPECT_EQ(h->Screen(), h->Copy());
}

TEST_F(VisadoTest, PressesAndTheStartCommandAnswerByPhase) {
  h->Click(CentreOf(1));
  ShownMessage m = OnlyMessage();
  EXPECT_EQ(m.title, "P O U R  F A I R E  D E M A R R E R  L E  T A C O T ...");
  EXPECT_EQ(m.line1, QString::fromUtf8("Clique sur l'éclair jaune situé"));
  EXPECT_EQ(m.line2, "dans la barre de boutons de contrôle.");
  EXPECT_EQ(m.picture, 3);
  EXPECT_EQ(Phase(), PhaseNotStarted);
  h->StepTimers(500);
  EXPECT_EQ(C().tacot.x, 0) << "no race before the start";

  h->ButtonCommand(cmd::Start);
  EXPECT_EQ(Phase(), PhaseInProgress);
  for (const QImage& s : {h->Screen(), h->Copy()})
    EXPECT_TRUE(Shows(s, C().centre.picture, {C().centre.left, C().centre.top}));
  h->MenuCommand(cmd::StartMenu);
  EXPECT_TRUE(h->TakeMessages().empty());

  h->StepTimers(200);
  const int before = C().tacot.x;
  h->Click({C().row.Cell(0).left - 5, 70});
  m = OnlyMessage();
  EXPECT_EQ(m.title, "P O U R   A R R E T E R   L E   T A C O T...");
  EXPECT_EQ(m.line1, "Clique parmi les motifs horizontaux en haut de");
  EXPECT_EQ(m.line2, QString::fromUtf8("l'écran, sur celui qui correspond au motif"));
  EXPECT_EQ(m.line3, QString::fromUtf8("placé au centre de l'écran."));
  EXPECT_EQ(m.picture, 3);
  h->StepTimers(100);
  EXPECT_EQ(C().tacot.x, before + 10) << "the jalopy keeps moving";
  EXPECT_EQ(Phase(), PhaseInProgress);
}

TEST_F(VisadoTest, TheRaceDrawsStepByStepOnBothSurfacesAndTheLeavesFallAtTheTree) {
  h->Command(cmd::kLevelChoices[5]);  // the nearest tree
  h->Command(cmd::Start);
  h->StepTimers(100);
  EXPECT_EQ(C().tacot.x, 1) << "the first step comes with the tick";
  h->StepTimers(290);
  EXPECT_EQ(C().tacot.x, 30) << "three ticks, ten steps each";
  for (int x = 0; x < 30; ++x) EXPECT_EQ(h->Screen().pixel(x, C().tacot.y + 40), kWhite) << "trail at " << x;
  int last = C().tacot.x;
  while (Phase() == PhaseInProgress) {
    h->StepTimers(10);
    const QImage screen = h->Screen();
    ASSERT_EQ(screen, h->Copy()) << "at x = " << C().tacot.x;
    ASSERT_LE(C().tacot.x - last, 1);
    last = C().tacot.x;
    if (C().tacot.x + kSide > C().arbre.x && Phase() == PhaseInProgress && C().tacot.x % 7 == 0) {
      ExpectJalopy(screen);  // over the tree, which shows around the vehicle
    }
  }
  ASSERT_EQ(C().tacot.x, C().arbre.x);
  EXPECT_TRUE(h->TakeMessages().empty()) << "no dialog at the tree";
  const QPoint tree(C().arbre.x, C().arbre.y);
  EXPECT_TRUE(Shows(h->Screen(), Arbre::kFirstPicture, tree));
  for (int stage = 1; stage < Arbre::kPictures; ++stage) {
    h->StepTimers(140);
    EXPECT_FALSE(Shows(h->Screen(), Arbre::kFirstPicture + stage, tree)) << "too soon for " << stage;
    h->StepTimers(10);
    EXPECT_TRUE(Shows(h->Screen(), Arbre::kFirstPicture + stage, tree)) << stage;
    EXPECT_EQ(h->Screen(), h->Copy());
  }
  h->StepTimers(3000);
  EXPECT_TRUE(Shows(h->Screen(), Arbre::kFirstPicture + 8, tree)) << "the bare tree stays";
  EXPECT_EQ(C().tacot.x, C().arbre.x);
  const QImage shown = h->Screen();
  W().Invalidate();
  EXPECT_EQ(h->Grab().copy(W().DrawingArea()), shown) << "a repaint shows the same board";
  EXPECT_EQ(h->Screen(), shown);
  h->Click(CentreOf(0));
  EXPECT_EQ(OnlyMessage().title, "C E T T E   P A R T I E   E S T   T E R M I N E E !");
}

TEST_F(VisadoTest, AWrongPictureFramesTheRightOneCrossesTheChoiceAndStopsTheJalopy) {
  Start({.scriptedRandom = {27, 2}});  // the row shows 27, 28, 29; the centre 29
  h->Command(cmd::Start);
  h->StepTimers(250);
  const int x = C().tacot.x;
  h->Click(CentreOf(0));
  const ShownMessage m = OnlyMessage();
  EXPECT_EQ(m.title, "Z U T ,  C ' E S T   R A T E !");
  EXPECT_EQ(m.line1, QString::fromUtf8("Il fallait cliquer sur la case entourée en rouge."));
  EXPECT_EQ(m.line2, "Pour faire une autre partie, clique sur le tacot");
  EXPECT_EQ(m.line3, QString::fromUtf8("puis clique sur l'éclair pour le faire démarrer."));
  EXPECT_EQ(m.picture, 1);
  EXPECT_EQ(Phase(), PhaseFinished);

  const CaseToAfi& right = C().row.Cell(2);
  const CaseToAfi& chosen = C().row.Cell(0);
  for (const QImage& s : {h->Screen(), h->Copy()}) {
    EXPECT_TRUE(Shows(s, 29, {right.left + 2, right.top + 2}));
    for (QPoint p : {QPoint(right.left - 3, right.top - 3), QPoint(right.left + 55, right.top + 55),
                     QPoint(right.left, right.top + 20), QPoint(right.left + 52, right.top + 20)})
      EXPECT_EQ(s.pixel(p), kRed) << p.x() - right.left << "," << p.y() - right.top;
    EXPECT_EQ(s.pixel(right.left - 4, right.top + 20), kWhite);
    EXPECT_EQ(s.pixel(right.left + 56, right.top + 20), kWhite);
    for (int d : {-3, 10, 24, 40, 50})
      for (QPoint p : {QPoint(chosen.left + d, chosen.top + d), QPoint(chosen.left + 49 - d, chosen.top + d)})
        EXPECT_EQ(s.pixel(p), kBlack) << "cross at " << p.x() - chosen.left << "," << p.y() - chosen.top;
    EXPECT_TRUE(Shows(s, 28, {C().row.Cell(1).left, 49})) << "the other pictures stay";
  }
  EXPECT_EQ(h->Screen(), h->Copy());
  h->StepTimers(1000);
  EXPECT_EQ(C().tacot.x, x) << "the jalopy stopped at the click";
  h->Command(cmd::Start);
  const ShownMessage again = OnlyMessage();
  EXPECT_EQ(again.title, "P O U R   F A I R E   U N E   A U T R E   P A R T I E ...");
  EXPECT_EQ(again.line1, "Clique sur le tacot dans la barre de boutons,");
  EXPECT_EQ(again.line2, QString::fromUtf8("puis sur l'éclair pour le faire démarrer."));
  EXPECT_EQ(again.picture, 3);
}

TEST_F(VisadoTest, TheRightPictureWinsAndTheJalopyStays) {
  Start({.scriptedRandom = {27, 2}});
  h->Command(cmd::Start);
  h->StepTimers(150);
  const QImage before = h->Screen();
  h->Click(CentreOf(2));
  const ShownMessage m = OnlyMessage();
  EXPECT_EQ(m.title, "B R A V O ,   T U   A S   G A G N E .");
  EXPECT_EQ(m.line1, "Pour faire une autre partie, clique sur le tacot");
  EXPECT_EQ(m.line2, QString::fromUtf8("puis clique sur l'éclair pour le faire démarrer."));
  EXPECT_EQ(m.picture, 3);
  h->StepTimers(2000);
  EXPECT_EQ(h->Screen(), before) << "nothing moves after the win";
  h->Click(CentreOf(2));
  EXPECT_EQ(OnlyMessage().title, "C E T T E   P A R T I E   E S T   T E R M I N E E !");
}

TEST_F(VisadoTest, ANewGameStopsTheOldRaceAndItsLeafFall) {
  h->Command(cmd::Start);
  h->StepTimers(150);
  const int before = C().tacot.x;
  h->Answer({AnswerNo});
  h->Command(cmd::SameLevel);
  EXPECT_EQ(OnlyMessage().line1, "Veux-tu vraiment tout recommencer ?");
  h->StepTimers(100);
  EXPECT_EQ(C().tacot.x, before + 10) << "refused: the race goes on";

  h->StepTimers(5);  // in the middle of a burst
  h->Answer({AnswerYes});
  h->Command(cmd::SameLevel);
  EXPECT_EQ(OnlyMessage().kind, MessageYesNo);
  h->StepTimers(1000);
  EXPECT_EQ(C().tacot.x, 0);
  EXPECT_EQ(Phase(), PhaseNotStarted);
  const QImage fresh = h->Screen();
  EXPECT_EQ(fresh, h->Copy());
  W().TheEcran()->DrawAll();
  EXPECT_EQ(h->Screen(), fresh) << "the board is the new one, with nothing of the old race";

  h->Command(cmd::kLevelChoices[5]);
  h->Command(cmd::Start);
  ASSERT_TRUE(RunUntil([&] { return Phase() == PhaseFinished; }));
  h->StepTimers(300);  // some leaves fallen
  h->Command(cmd::PreviousLevel);  // no question once the game is over
  EXPECT_TRUE(h->TakeMessages().empty());
  EXPECT_EQ(h->FirstField(), "Expert ");
  h->StepTimers(3000);
  EXPECT_EQ(C().tacot.x, 0);
  EXPECT_TRUE(Shows(h->Screen(), Arbre::kFirstPicture, {C().arbre.x, C().arbre.y}));
  EXPECT_EQ(h->Screen(), h->Copy());
  ExpectJalopy(h->Screen());
}

TEST_F(VisadoTest, OnALargeScreenTheRaceEndsAtItsTree) {
  Start({.screenWidth = 1920, .screenHeight = 1080});
  const QRect area = W().DrawingArea();
  EXPECT_EQ(C().arbre.x, static_cast<int>(area.width() - (49 + 0.75 * 49 * 3)));
  EXPECT_EQ(C().tacot.y, static_cast<int>(0.8 * area.height()));
  EXPECT_EQ(C().row.Cell(2).left + 49 + C().row.Gap(), area.width() - (area.width() - 3 * 49) % 4);
  h->Command(cmd::Start);
  ASSERT_TRUE(RunUntil([&] { return Phase() == PhaseFinished; }));
  EXPECT_EQ(C().tacot.x, C().arbre.x);
  h->StepTimers(1500);
  EXPECT_TRUE(Shows(h->Screen(), Arbre::kFirstPicture + 8, {C().arbre.x, C().arbre.y}));
  EXPECT_EQ(h->Screen(), h->Copy());
}

TEST_F(VisadoTest, TheJalopysMaskAndColourAgreePixelForPixel) {
  const QImage mask = Picture(Tacot::kMaskPicture), colour = Picture(Tacot::kColourPicture);
  ASSERT_EQ(mask.size(), QSize(49, 49));
  int vehicle = 0;
  for (int y = 0; y < 49; ++y)
    for (int x = 0; x < 49; ++x) {
      const QRgb m = mask.pixel(x, y) & 0xffffff;
      ASSERT_TRUE(m == 0 || m == 0xffffff) << "mask grey at " << x << "," << y;
      if (m) {
        ASSERT_EQ(colour.pixel(x, y) & 0xffffff, 0u) << "colour outside the vehicle at " << x << "," << y;
      }
      vehicle += m == 0;
    }
  EXPECT_GT(vehicle, 49 * 49 / 4);
  EXPECT_EQ(mask.pixel(15, 48) & 0xffffff, 0u) << "the wheels on the bottom row";
  EXPECT_EQ(Picture(Arbre::kFirstPicture).size(), QSize(123, 123));
  EXPECT_EQ(Picture(29).size(), QSize(49, 49));
}
