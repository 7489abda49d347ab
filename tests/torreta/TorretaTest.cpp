// The game through its window: the first board, presses, the pixels of a drag
// and the releases with their messages and counters.
#include "TorretaFixture.h"

#include <algorithm>

using namespace torreta;
using Rows = std::vector<std::string>;

namespace {
// Column 0 holds a 3, columns 1 and 2 two discs each; the example asks for 1 over 5.
const Rows kBoard{"...|.",
                  ".12|1",
                  "345|5"};
}  // namespace

TEST_F(TorretaTest, TheFirstBoardIsLevelZeroWithTheExampleOnItsBandAndItsWords) {
  EXPECT_EQ(h->Caption(), "T O R R E T A");
  EXPECT_EQ(h->FirstField(), QString::fromUtf8("Débutant "));
  EXPECT_EQ(h->MessageField(), QString::fromUtf8("0 glissé(s)   "));
  EXPECT_EQ(h->SecondField(), "0 erreur(s)   ");
  ASSERT_EQ(B().Columns(), 4);
  EXPECT_FALSE(B().Solved());
  const QImage screen = h->Screen();
  EXPECT_EQ(screen, h->Copy());
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 4; ++c) {
      if (r == 0 && c == 3) continue;
      EXPECT_EQ(SlotOn(screen, r, c), Picture(B().At(r, c).kind)) << r << "," << c;
    }
  // The example's top slot is never drawn: the band shows there, as right of it.
  const int left = B().BandLeft(), width = W().DrawingArea().width();
  const QRgb grey = screen.pixel(width - 1, W().DrawingArea().height() - 1);
  EXPECT_EQ(screen.pixel(Centre(0, 3)), grey);
  EXPECT_EQ(screen.pixel(left, 5), grey);
  EXPECT_EQ(screen.pixel(left - 1, 5), qRgb(255, 255, 255));
  // The words fit the band, also with eight columns: nothing dark near the right edge.
  h->Command(cmd::kLevelChoices[4]);
  const QImage champion = h->Screen();
  for (int y = 20; y < 150; ++y)
    for (int x = champion.width() - 4; x < champion.width(); ++x) ASSERT_EQ(champion.pixel(x, y), grey) << x << "," << y;
  int dark = 0;
  for (int y = 20; y < 150; ++y)
    for (int x = B().BandLeft(); x < champion.width(); ++x) dark += qGray(champion.pixel(x, y)) < 100;
  EXPECT_GT(dark, 300) << "the band's words are missing";
}

TEST_F(TorretaTest, RefusedPressesGiveTheirMessageAndOneErrorAndStartNoDrag) {
  Load(kBoard);
  const QImage before = h->Screen();
  h->Click(Centre(0, 0));  // an empty slot
  h->Click(Corner(2, 0) + QPoint(92, 10));  // between two columns
  EXPECT_EQ(h->PendingMessages(), 0u);
  EXPECT_EQ(h->SecondField(), "0 erreur(s)   ");

  h->Press(Centre(1, 3));
  ShownMessage m = OnlyMessage();
  EXPECT_EQ(m.title, "A T T E N T I O N");
  EXPECT_EQ(m.line1, "Ne pas bouger les disques de la colonne de droite.");
  EXPECT_EQ(m.line2, QString::fromUtf8("Elle sert de modèle pour montrer quelle"));
  EXPECT_EQ(m.line3, "colonne de disques il faut reproduire.");
  EXPECT_EQ(m.picture, 1);
  EXPECT_EQ(h->SecondField(), "1  erreur(s)   ");
  // The translator stays at rest: the release and the moves that follow do nothing.
  EXPECT_EQ(W().Mouse().mode, AtRest);
  h->Move(Centre(0, 0));
  h->Release(Centre(0, 0));
  EXPECT_EQ(h->PendingMessages(), 0u);

  h->Press(Centre(2, 1));
  m = OnlyMessage();
  EXPECT_EQ(m.title, "A T T E N T I O N ");
  EXPECT_EQ(m.line1, "Ce disque ne peut pas bouger ...");
  EXPECT_EQ(m.line2, QString::fromUtf8("... car il est bloqué par le(s)"));
  EXPECT_EQ(m.line3, QString::fromUtf8("disque(s) empilé(s) au-dessus de lui."));
  EXPECT_EQ(m.picture, 1);
  EXPECT_EQ(W().Mouse().mode, AtRest);
  h->Release(Centre(0, 0));
  EXPECT_EQ(h->SecondField(), "2  erreur(s)   ");
  EXPECT_EQ(B().Text(), kBoard);
  EXPECT_EQ(h->Screen(), before);
  EXPECT_EQ(h->Copy(), before);
  EXPECT_EQ(Jeu().phase, PhaseNotStarted);
}

TEST_F(TorretaTest, TheDraggedDiscIsOnTheWindowAloneAndLeavesNoGhost) {
  Load(kBoard);
  h->Move(QPoint(20, 20));  // the last move point, far from the press
  const QPoint press = Corner(1, 1) + QPoint(30, 12);
  h->Press(press);
  EXPECT_EQ(W().Mouse().mode, Dragging);
  // The copy shows the slot empty, the window still the disc.
  EXPECT_EQ(SlotOn(h->Copy(), 1, 1), Picture(kEmpty));
  EXPECT_EQ(SlotOn(h->Screen(), 1, 1), Picture(1));
  const QImage disc = Picture(1);
  for (const QPoint p : {QPoint(press + QPoint(7, 3)), QPoint(400, 60), QPoint(405, 64), QPoint(3, 3),
                         QPoint(W().DrawingArea().width() - 10, W().DrawingArea().height() - 5)}) {
    h->Move(p);
    // At the pointer less the press offset; near the edges, whole inside the area.
    const QRect area = W().DrawingArea();
    const QPoint at(std::clamp(p.x() - 30, 0, area.width() - 90), std::clamp(p.y() - 12, 0, area.height() - 30));
    EXPECT_EQ(W().MarkedAt(), at);
    // The window is the copy but for one disc at the pointer less the press offset.
    QImage want = h->Copy();
    TMemoryDC dc(&want);
    dc.BitBlt(at.x(), at.y(), 90, 30, W().PictureDC(1), 0, 0);
    ASSERT_EQ(h->Screen(), want) << p.x() << "," << p.y();
  }
  h->Release(QPoint(3, 3));  // outside every column: the disc goes back
  EXPECT_EQ(h->Screen(), h->Copy());
  EXPECT_EQ(SlotOn(h->Copy(), 1, 1), Picture(1));
}

TEST_F(TorretaTest, AReleaseOutsideTheColumnsPutsEveryPixelBackAndCountsNothing) {
  Load(kBoard);
  const QImage before = h->Screen();
  h->Press(Centre(1, 1));
  h->Move(Centre(1, 1) + QPoint(0, 200));
  h->Release(Centre(1, 1) + QPoint(0, 200));
  EXPECT_EQ(h->Screen(), before);
  EXPECT_EQ(h->Copy(), before);
  EXPECT_EQ(h->SecondField(), "0 erreur(s)   ");
  EXPECT_EQ(h->MessageField(), QString::fromUtf8("0 glissé(s)   "));
  EXPECT_EQ(Jeu().phase, PhaseNotStarted);
}

TEST_F(TorretaTest, RefusedDropsAreAnsweredInOrderAndEachCountsOneError) {
  struct Case {
    int row, column;
    const char* title;
    const char* line2;
    int picture;
  };
  const Case cases[] = {
      {1, 1, "O  U  I ,  H  E  U  !   B E N   A L O R S  !", "à un retour à la case départ ?", 4},
      {2, 2, "O  H  !  N O N   A L O R S !", "Ce serait trop facile. Il est interdit", 2},
      {1, 3, "O  H  !  N O N   A L O R S !", "Ce serait trop facile. Il est interdit", 2},
      {0, 3, "O  H  !  N O N   A L O R S !", "Il ne faut pas modifier la colonne", 1},
      {0, 1, nullptr, nullptr, 0},  // higher in its own column: no message
  };
  Load(kBoard);
  const QImage before = h->Screen();
  int errors = 0;
  for (const Case& k : cases) {
    Drag(1, 1, k.row, k.column);
    if (k.title) {
      const ShownMessage m = OnlyMessage();
      EXPECT_EQ(m.title, k.title);
      EXPECT_EQ(m.line2, QString::fromUtf8(k.line2));
      EXPECT_EQ(m.picture, k.picture);
      EXPECT_EQ(m.kind, MessageOk);
    }
    EXPECT_EQ(h->PendingMessages(), 0u);
    EXPECT_EQ(h->SecondField(), QString::number(++errors) + "  erreur(s)   ");
    EXPECT_EQ(B().Text(), kBoard);
    EXPECT_EQ(h->Screen(), before);
    EXPECT_EQ(h->Copy(), before);
  }
  EXPECT_EQ(Jeu().phase, PhaseNotStarted);
  EXPECT_EQ(h->MessageField(), QString::fromUtf8("0 glissé(s)   "));
}

TEST_F(TorretaTest, LegalDropsSlideDownAndCountGlisses) {
  Load(kBoard);
  h->Click(Centre(2, 1));  // one error first, shown again with each move
  OnlyMessage();
  Drag(1, 1, 0, 0);
  EXPECT_EQ(B().Text(), (Rows{"...|.", "1.2|1", "345|5"}));
  EXPECT_EQ(h->MessageField(), QString::fromUtf8("1 glissé   "));
  EXPECT_EQ(h->SecondField(), "1  erreur(s)   ");
  EXPECT_EQ(Jeu().phase, PhaseInProgress);
  EXPECT_EQ(SlotOn(h->Screen(), 1, 0), Picture(1));
  EXPECT_EQ(SlotOn(h->Screen(), 1, 1), Picture(kEmpty));
  EXPECT_EQ(h->Screen(), h->Copy());
  Drag(1, 2, 0, 1);
  EXPECT_EQ(B().Text(), (Rows{"...|.", "12.|1", "345|5"}));
  EXPECT_EQ(h->MessageField(), QString::fromUtf8("2 glissés   "));
  EXPECT_EQ(h->Screen(), h->Copy());
  // A new game starts the counters again, after asking.
  h->Answer({AnswerYes});
  h->Command(cmd::SameLevel);
  EXPECT_EQ(OnlyMessage().line1, "Veux-tu vraiment tout recommencer ?");
  EXPECT_EQ(h->MessageField(), QString::fromUtf8("0 glissé(s)   "));
  EXPECT_EQ(h->SecondField(), "0 erreur(s)   ");
}

TEST_F(TorretaTest, TheWinEndsTheBoardUntilANewOneWithoutAQuestion) {
  Load(kBoard);
  Drag(1, 2, 0, 0);  // the 2 off the 5 of column 2
  EXPECT_EQ(h->PendingMessages(), 0u);
  Drag(1, 1, 0, 2);  // the 1 onto that 5
  EXPECT_EQ(B().Text(), (Rows{"...|.", "2.1|1", "345|5"}));
  EXPECT_EQ(h->MessageField(), QString::fromUtf8("2 glissés   "));
  const ShownMessage m = OnlyMessage();
  EXPECT_EQ(m.title, "B  R  A  V  O ,  C ' E S T   G A G N E !");
  EXPECT_EQ(m.line1, "Tu as bien reproduit la colonne exemple !");
  EXPECT_EQ(m.picture, 2);
  EXPECT_EQ(Jeu().phase, PhaseFinished);
  EXPECT_EQ(h->Screen(), h->Copy());
  // A press now brings the shell's notice and nothing moves.
  const Rows won = B().Text();
  const QImage shown = h->Screen();
  Drag(1, 1, 0, 0);
  EXPECT_EQ(OnlyMessage().title, "C E T T E   P A R T I E   E S T   T E R M I N E E !");
  EXPECT_EQ(B().Text(), won);
  EXPECT_EQ(h->Screen(), shown);
  // A new board at once: the question is asked only while a game is in progress.
  h->Command(cmd::SameLevel);
  EXPECT_EQ(h->PendingMessages(), 0u);
  EXPECT_EQ(Jeu().phase, PhaseNotStarted);
}
