// The game through its window: new games, declarations, operations, giving up, the chest.
#include "OrpelloFixture.h"

#include "DecoratedFrame.h"
#include "StatusBar.h"

#include <QMouseEvent>

using namespace orpello;

namespace {
const QString kBanner = QStringLiteral("O R I V E N ,  L E   C H E R C H E U R   D ' O R");
const std::vector<std::string> kField{"012345", "678900", "000000", "000000", "009000", "000001"};
}  // namespace

TEST_F(OrpelloTest, EveryLevelStartsWithItsGridHintsFrameAndChest) {
  for (int size : {0, 1}) {
    if (size == 1) Start({.screenWidth = 1920, .screenHeight = 1080});
    const QRect area = W().DrawingArea();
    for (int level = 0; level < kLevels; ++level) {
      h->Command(cmd::kLevelChoices[level]);
      const int n = kCellsPerSide[level];
      EXPECT_EQ(G().N(), n);
      EXPECT_EQ(G().Half(), area.height() / (2 * n + 4));
      EXPECT_EQ(G().X0(), (area.width() - n * G().Pitch()) / 2);
      int shown = 0;
      for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c) shown += G().Cell(r, c).found;
      EXPECT_EQ(shown, 3 - level) << "level " << level;
      const int a = n / 2;
      EXPECT_EQ(S().firstRow, a);
      EXPECT_EQ(S().endRow, a + 1);
      EXPECT_EQ(S().firstColumn, a - 1);
      EXPECT_EQ(S().endColumn, a + 1);
      const int sum = G().Cell(a, a - 1).value + G().Cell(a, a).value;
      EXPECT_EQ(h->MessageField(), QString::number(sum) + QString::fromUtf8(" pépites dans les cases encadrées   "));
      EXPECT_EQ(h->SecondField(), QString::fromUtf8("Pas de pépite dans ton trésor. "));
      EXPECT_EQ(h->FirstField(), LevelName(4, level) + ' ');
      EXPECT_EQ(h->Caption(), kBanner);
      EXPECT_EQ(W().Chest().geometry(), QRect(0, 0, 14, 29));
      EXPECT_EQ(W().Chest().Caption(), QString::fromUtf8("Bravo, voici ton coffre de pépites !"));
      ExpectBoardAtRest();
    }
  }
  // The second field shows its text whole.
  const auto* second = h->App().SecondField();
  EXPECT_GE(second->contentsRect().width(), second->fontMetrics().horizontalAdvance(second->text()));
}

TEST_F(OrpelloTest, RightAndWrongDeclarationsChangeTheTreasureChestAndCaption) {
  Load(kField);
  // "vide" rightly: 1 nugget, the first threshold's notice.
  Declare(Centre(0, 0), 0);
  ShownMessage m = OnlyMessage();
  EXPECT_EQ(m.title, QString::fromUtf8("Bravo, Félicitations"));
  EXPECT_EQ(m.line1, QString::fromUtf8("Tu commences à comprendre"));
  EXPECT_EQ(m.picture, 2);
  EXPECT_EQ(h->Caption(), QString::fromUtf8("Oriven, Bravo, c'est bon ! J'ai ajouté 1 pépites à ton trésor."));
  EXPECT_EQ(h->SecondField(), QString::fromUtf8("1 pépites dans ton trésor   "));
  EXPECT_EQ(W().Jeu().phase, PhaseInProgress);
  EXPECT_EQ(W().Chest().size(), QSize(14, 29));
  // Wrongly: d taken away, the caption says so, the cell shows its true value.
  Declare(Centre(1, 0), 4);
  m = OnlyMessage();
  EXPECT_EQ(m.title, "A T T E N T I O N !");
  EXPECT_EQ(m.line2, QString::fromUtf8("J'ai soustrait 4 pépites à ton trésor."));
  EXPECT_EQ(h->Caption(), m.line2);
  EXPECT_EQ(W().Jeu().Treasure(), -3);
  EXPECT_TRUE(G().Cell(1, 0).found);
  // Now it is known: the right value is the cheat's, a wrong one still costs.
  Declare(Centre(1, 0), 6);
  EXPECT_EQ(OnlyMessage().title, "T R I C H E U R   !");
  EXPECT_EQ(W().Jeu().Treasure(), -3);
  Declare(Centre(1, 0), 0);
  EXPECT_EQ(OnlyMessage().title, "A T T E N T I O N !");
  EXPECT_EQ(W().Jeu().Treasure(), -3);
  // Multiplying: a 9 brings 81 and the notices of 0, 10, 20 and 50 in order.
  h->Answer({AnswerYes});
  h->Command(cmd::Multiply);
  EXPECT_EQ(OnlyMessage().line2, "Faut-il vraiment Multiplier");
  Declare(Centre(4, 2), 9);
  std::vector<QString> want{QString::fromUtf8("Bravo, Félicitations"), "BRAVO, Félicitations", "BRAVO, FELICITATIONS",
                            "B R A V O ,  FELICITATIONS"};
  EXPECT_EQ(Titles(), want);
  EXPECT_EQ(W().Jeu().Treasure(), 78);
  EXPECT_EQ(W().Chest().size(), Grille::ChestSize(78));
  // Outside the grid: the nearest border cell, (5, 5) holding 1.
  Declare({W().DrawingArea().width() - 1, W().DrawingArea().height() - 1}, 1);
  EXPECT_TRUE(Titles().empty()) << "no threshold between 78 and 79";
  EXPECT_EQ(W().Jeu().Treasure(), 79);
  ExpectBoardAtRest();
  // The start hints are known already.
  Declare(Centre(2, 2), G().Cell(2, 2).value);
  EXPECT_EQ(OnlyMessage().title, "T R I C H E U R   !");
  // A popup closed without a choice changes nothing.
  h->Click(Centre(5, 0), Qt::RightButton);
  ASSERT_EQ(h->TakePopups().size(), 1u);
  EXPECT_EQ(W().Jeu().Treasure(), 79);
  EXPECT_FALSE(G().Cell(5, 0).found);
}

TEST_F(OrpelloTest, TheCellMenuOffersTenContentsAtThePointer) {
  h->Click(Centre(2, 4), Qt::RightButton);
  const auto popups = h->TakePopups();
  ASSERT_EQ(popups.size(), 1u);
  EXPECT_EQ(popups[0].point, Centre(2, 4));
  const TMenuResource& items = popups[0].items;
  ASSERT_EQ(items.size(), 10u);
  EXPECT_EQ(items[0].text, "CETTE CASE EST  V I D E ");
  EXPECT_EQ(items[1].text, QString::fromUtf8("Cette case contient une pépite d'or"));
  EXPECT_EQ(items[2].text, QString::fromUtf8("Cette case contient 2 pépites d'or"));
  EXPECT_EQ(items[9].text, QString::fromUtf8("Cette case contient 9 pépites d'or"));
  for (int i = 0; i < 10; ++i) EXPECT_EQ(items[static_cast<size_t>(i)].id, i + 1);
}

TEST_F(OrpelloTest, TheOperationIsAskedForKeptOnNoAndKeptAcrossGames) {
  Load(kField);
  h->Drag({X(2), Y(3)}, {X(0), Y(0)});
  h->Drag({X(4), Y(4)}, {X(3), Y(2)});  // cells 0 1 2 / 6 7 8
  EXPECT_TRUE(h->MessageField().startsWith("24 "));
  h->Answer({AnswerNo});
  h->MenuCommand(cmd::Multiply);
  ShownMessage m = OnlyMessage();
  EXPECT_EQ(m.title, "A T T E N T I O N :");
  EXPECT_EQ(m.picture, 4);
  EXPECT_EQ(G().operation, Add);
  h->Answer({AnswerYes});
  h->MenuCommand(cmd::Multiply);
  h->TakeMessages();
  EXPECT_TRUE(h->MessageField().startsWith("0 ")) << "a product with an empty cell";
  h->Drag({X(0), Y(0)}, {X(1), Y(0)});  // cells 1 2 / 7 8
  EXPECT_TRUE(h->MessageField().startsWith("112 "));
  h->Command(cmd::SameLevel);
  EXPECT_EQ(G().operation, Multiply);
  h->Answer({AnswerYes});
  h->Command(cmd::Add);
  EXPECT_EQ(OnlyMessage().title, "A T T E N T I O N  !");
  EXPECT_EQ(G().operation, Add);
}

TEST_F(OrpelloTest, AHundredDigitProductIsShownWhole) {
  Start({.screenWidth = 1920, .screenHeight = 1080});
  h->Command(cmd::kLevelChoices[3]);
  Load(std::vector<std::string>(12, std::string(12, '9')));
  G().operation = Multiply;
  h->Drag({X(7), Y(7)}, {X(12), Y(12)});
  h->Drag({X(5), Y(6)}, {X(0), Y(0)});
  const QString field = h->MessageField();
  EXPECT_EQ(field.indexOf(' '), 138) << qPrintable(field);
}

TEST_F(OrpelloTest, GivingUpShowsEveryCellAndEndsTheGame) {
  Load(kField);
  Declare(Centre(0, 5), 5);
  h->TakeMessages();
  h->Answer({AnswerNo});
  h->ButtonCommand(cmd::GiveUp);
  EXPECT_EQ(OnlyMessage().line1, "Veux-tu vraiment donner ta langue au chat ?");
  EXPECT_EQ(W().Jeu().phase, PhaseInProgress);
  h->Answer({AnswerYes});
  h->MenuCommand(cmd::GiveUpMenu);
  h->TakeMessages();
  EXPECT_EQ(W().Jeu().phase, PhaseFinished);
  for (int r = 0; r < 6; ++r)
    for (int c = 0; c < 6; ++c) EXPECT_TRUE(G().Cell(r, c).found);
  EXPECT_EQ(W().Jeu().Treasure(), 5);
  EXPECT_EQ(W().Chest().size(), Grille::ChestSize(5));
  EXPECT_EQ(h->SecondField(), QString::fromUtf8("Pas de pépite dans ton trésor. "));
  EXPECT_EQ(h->Caption(), kBanner);
  ExpectBoardAtRest();
  // Left and right presses now only say the game is over; no menu, no declaration.
  for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton}) {
    h->AnswerPopups({1});
    h->Click(Centre(3, 3), b);
    EXPECT_EQ(OnlyMessage().title, "C E T T E   P A R T I E   E S T   T E R M I N E E !");
    EXPECT_TRUE(h->TakePopups().empty());
  }
  h->Command(1);
  EXPECT_EQ(W().Jeu().phase, PhaseFinished);
  EXPECT_EQ(W().Jeu().Treasure(), 5);
  // A new game asks nothing and starts afresh.
  h->Command(cmd::SameLevel);
  EXPECT_EQ(W().Jeu().phase, PhaseNotStarted);
  EXPECT_EQ(W().Chest().size(), QSize(14, 29));
}

TEST_F(OrpelloTest, ARightPressDuringADragIsIgnored) {
  h->Press(Centre(3, 2));
  h->Move(Centre(3, 2) + QPoint(30, 0));
  h->AnswerPopups({1});
  h->Press(Centre(1, 1), Qt::RightButton);
  h->Release(Centre(1, 1), Qt::RightButton);
  EXPECT_TRUE(h->TakePopups().empty());
  EXPECT_EQ(W().Jeu().phase, PhaseNotStarted);
  h->Release(Centre(3, 2) + QPoint(30, 0));
  EXPECT_FALSE(E().Mouse().Dragging());
  EXPECT_EQ(F().lifted, 0);
  ExpectBoardAtRest();
  h->AnswerPopups({});
}

TEST_F(OrpelloTest, TheChestMovesByItsCaptionButKeepsItsSize) {
  Load(kField);
  W().Jeu().Treasure() = 99;
  Declare(Centre(5, 5), 1);  // 100
  h->TakeMessages();
  TCoffreWindow& chest = W().Chest();
  ASSERT_EQ(chest.geometry(), QRect(0, 0, 177, 126));
  // Its corner and edges: nothing changes.
  h->Drag({176, 125}, {400, 300}, 3);
  h->Drag({176, 60}, {20, 60}, 3);
  h->Drag({1, 60}, {100, 60}, 3);
  EXPECT_EQ(chest.geometry(), QRect(0, 0, 177, 126));
  // Its caption: it moves, and the board underneath is left as it was.
  h->Drag({60, 10}, {360, 210}, 3);
  EXPECT_EQ(chest.geometry(), QRect(300, 200, 177, 126));
  EXPECT_TRUE(chest.IsActive());
  // Dragged far away, the pointer stays in the window: the caption stays within reach.
  h->Drag({360, 210}, {5000, 5000}, 2);
  EXPECT_TRUE(W().rect().contains(chest.pos() + QPoint(60, 10)));
  ExpectBoardAtRest();
  // A new game puts it back, small.
  h->Answer({AnswerYes});
  h->Command(cmd::SameLevel);
  h->TakeMessages();
  EXPECT_EQ(chest.geometry(), QRect(0, 0, 14, 29));
}

TEST_F(OrpelloTest, RevealedDigitsStayReadableOnSmallCells) {
  for (QSize screen : {QSize(1024, 768), QSize(800, 600)}) {
    Start({.screenWidth = screen.width(), .screenHeight = screen.height()});
    h->Command(cmd::kLevelChoices[3]);
    Load(std::vector<std::string>(12, "901234567890"));
    h->Answer({AnswerYes});
    h->Command(cmd::GiveUp);
    h->TakeMessages();
    const QImage copy = h->Copy();
    for (int c = 0; c < 10; ++c) {
      // The digit's black pixels show in the cell, on a white centre even for the black 9's ring.
      const QRect cell(X(c), Y(3), G().Pitch(), G().Pitch());
      const QPoint at(X(c) + G().Half() - 4, Y(3) + G().Half() - 7);
      int black = 0, white = 0;
      for (int y = at.y(); y < at.y() + 12; ++y)
        for (int x = at.x(); x < at.x() + 8; ++x) {
          black += copy.pixel(x, y) == qRgb(0, 0, 0);
          white += copy.pixel(x, y) == qRgb(255, 255, 255);
        }
      EXPECT_GT(black, 3) << "column " << c << " at " << screen.width();
      EXPECT_GT(white, 20) << "column " << c << " at " << screen.width();
      // And the ring of its colour is there, left of the digit.
      int ring = 0;
      for (int x = cell.left(); x < at.x() - 2; ++x) ring += copy.pixel(x, Y(3) + G().Half()) != qRgb(255, 255, 255);
      EXPECT_GT(ring, 0) << "ring of " << G().Cell(3, c).value;
    }
  }
}
