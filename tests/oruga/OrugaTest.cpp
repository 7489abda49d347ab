// The caterpillar's board and rules.
#include "Keys.h"
#include "OrugaFixture.h"

#include "DecoratedFrame.h"

#include <QAction>
#include <QApplication>
#include <QPaintEvent>
#include <QMenu>
#include <QMenuBar>

using namespace oruga;
using Rows = std::vector<std::string>;

TEST_F(OrugaTest, NewBoardAtEveryLevelHasOneThingPerBlockAndTheCaterpillarInTheMiddle) {
  // The board is centred in the 976 x 671 drawing area, less half a tile.
  const QPoint firstTile[6] = {{343, 234}, {299, 190}, {256, 147}, {212, 103}, {183, 74}, {169, 60}};
  ASSERT_EQ(W().DrawingArea(), QRect(0, 0, 976, 671));
  for (int level = 0; level < 6; ++level) {
    h->Command(cmd::kLevelChoices[level]);
    const int cols = kColumns[level], rows = cols - 3;
    ASSERT_EQ(G().Columns(), cols);
    ASSERT_EQ(G().Rows(), rows);
    EXPECT_EQ(QPoint(G().Tile(0, 0).left, G().Tile(0, 0).top), firstTile[level]) << "level " << level;
    EXPECT_EQ(G().Tile(rows - 1, cols - 1).left, G().Tile(0, 0).left + 29 * (cols - 1));

    const int m = cols / 2, rc = rows / 2;
    EXPECT_EQ(G().TheHead().tile, &G().Tile(rc - 1, m));
    EXPECT_EQ(G().Tile(rc, m).kind, Body);
    EXPECT_EQ(G().TheTail().tile, &G().Tile(rc + 1, m));
    EXPECT_EQ(G().Tile(rc + 1, m).kind, TailUp);
    EXPECT_EQ(G().Tile(rc + 1, m).towardTail, &G().Tile(rc + 2, m));
    EXPECT_EQ(G().Length(), 3);

    const auto text = Text();
    int things = 0;
    for (int i = 2; i < rows; i += 3)
      for (int j = 2; j < cols; j += 3) {
        int inBlock = 0;
        for (int r = i - 2; r <= i; ++r)
          for (int c = j - 2; c <= j; ++c) inBlock += text[r][c] == 'T' || text[r][c] == 'S';
        const bool underCaterpillar = j - 2 <= m && m <= j && i - 2 <= rc + 1 && rc - 1 <= i;
        EXPECT_TRUE(inBlock == 1 || (underCaterpillar && inBlock == 0)) << "level " << level << " block " << i << "," << j;
        things += inBlock;
      }
    int total = 0;
    for (const auto& row : text) total += std::count(row.begin(), row.end(), 'T') + std::count(row.begin(), row.end(), 'S');
    EXPECT_EQ(total, things) << "trees or sweets outside the blocks at level " << level;
    EXPECT_EQ(h->FirstField(), LevelName(6, level) + ' ');
    ExpectScreenMatchesBoard();
  }
}

TEST_F(OrugaTest, ScriptedDrawsPlaceSweetsAndTreesAsTheBlocksSay) {
  // k = 0, then row and column offsets for the six blocks of level 0.
  Start({.scriptedRandom = {0, 0, 0, 1, 2, 2, 1, 0, 0, 0, 0, 0, 0}});
  EXPECT_EQ(Text(), (Rows{".......T.",
                          "...S.....",
                          "..T.H....",
                          "....B....",
                          "....Q....",
                          "..S..T..T"}));
}

TEST_F(OrugaTest, CrawlMovesHeadAndTailAndTheTailPointsTheWayItCame) {
  Load({".......",
        "...H...",
        "...B...",
        "...Q...",
        "......."});
  h->Key(VK_RIGHT);
  EXPECT_EQ(Text(), (Rows{".......", "...BH..", "...Q...", ".......", "......."}));
  EXPECT_EQ(G().TheTail().tile->kind, TailUp);
  h->Key(VK_DOWN);
  EXPECT_EQ(Text(), (Rows{".......", "...QB..", "....H..", ".......", "......."}));
  EXPECT_EQ(G().TheTail().tile->kind, TailRight);
  h->Key(VK_LEFT);
  h->Key(VK_LEFT);
  EXPECT_EQ(Text(), (Rows{".......", ".......", "..HBQ..", ".......", "......."}));
  EXPECT_EQ(G().TheTail().tile->kind, TailLeft);  // that tile was left going left
  ExpectScreenMatchesBoard();
  EXPECT_EQ(W().Jeu().phase, PhaseNotStarted);
  EXPECT_TRUE(h->TakeMessages().empty());
}

TEST_F(OrugaTest, ClicksMoveByRowFirstThenByColumn) {
  Load({".......",
        "...H...",
        "...B...",
        "...Q...",
        "......."});
  h->Click(Centre(0, 6));  // anywhere in the row above the head
  EXPECT_EQ(G().TheHead().tile, &G().Tile(0, 3));
  h->Click(Centre(4, 4));  // neither row next to the head, next column: right
  EXPECT_EQ(G().TheHead().tile, &G().Tile(0, 4));
  h->Click(Centre(0, 6));  // two tiles away: nothing
  EXPECT_EQ(G().TheHead().tile, &G().Tile(0, 4));
  h->Click(Centre(1, 0));  // the row below: down
  EXPECT_EQ(G().TheHead().tile, &G().Tile(1, 4));
  EXPECT_TRUE(h->TakeMessages().empty());
  ExpectScreenMatchesBoard();
}

TEST_F(OrugaTest, BackwardsIsRefusedAndNothingChanges) {
  Load({".....", ".H...", ".B...", ".Q..."});
  const auto before = Text();
  const QImage screen = h->Screen();
  h->Click(Centre(2, 1));
  ShownMessage m = OnlyMessage();
  EXPECT_EQ(m.title, "H  E  U  !");
  EXPECT_EQ(m.line1, " N O N ,  N O N .");
  EXPECT_EQ(m.line2, "Je ne sais pas reculer !");
  EXPECT_EQ(m.picture, 1);
  h->Key(VK_DOWN);
  EXPECT_EQ(OnlyMessage().line2, "Je ne sais pas reculer !");
  EXPECT_EQ(Text(), before);
  EXPECT_EQ(h->Screen(), screen);
  h->Key(VK_UP);  // the caterpillar still goes on
  EXPECT_EQ(G().TheHead().tile, &G().Tile(0, 1));
}

TEST_F(OrugaTest, MovesOffTheBoardAndClicksOutsideTheTiles) {
  Load({".H.", ".B.", ".Q."});
  h->Key(VK_UP);
  EXPECT_EQ(Text(), (Rows{".H.", ".B.", ".Q."}));
  EXPECT_TRUE(h->TakeMessages().empty());
  const oruga::Tuile& corner = G().Tile(0, 0);
  for (QPoint p : {QPoint(corner.left - 20, corner.top - 20), QPoint(corner.left, corner.top + 10),
                   QPoint(corner.left + 29, corner.top + 10)}) {  // outside, and on border lines
    h->Click(p);
    const ShownMessage m = OnlyMessage();
    EXPECT_EQ(m.title, "A T T E N T I O N ");
    EXPECT_EQ(m.line1, QString::fromUtf8("Il faut cliquer à l'intérieur des cases."));
    EXPECT_EQ(m.picture, 3);
  }
  EXPECT_EQ(Text(), (Rows{".H.", ".B.", ".Q."}));
}

TEST_F(OrugaTest, EatingGrowsWithoutMovingTheTailAndTheLastSweetWins) {
  Load({"......",
        ".HSS..",
        ".B....",
        ".Q...."});
  h->Key(VK_RIGHT);
  EXPECT_EQ(Text(), (Rows{"......", ".BHS..", ".B....", ".Q...."}));
  EXPECT_EQ(G().Length(), 4);
  EXPECT_TRUE(h->TakeMessages().empty());
  ExpectScreenMatchesBoard();
  h->Click(Centre(3, 3));  // next column, not a neighbouring row: right
  const ShownMessage m = OnlyMessage();
  EXPECT_EQ(m.title, "B  R  A  V  O  !");
  EXPECT_EQ(m.line1, QString::fromUtf8("Tu as mangé toute la nourriture !"));
  EXPECT_EQ(m.line2, QString::fromUtf8("Tu as gagné !"));
  EXPECT_EQ(m.picture, 2);
  EXPECT_EQ(W().Jeu().phase, PhaseFinished);
  EXPECT_EQ(G().Length(), 5);
  ExpectScreenMatchesBoard();
}

TEST_F(OrugaTest, TreeBodyAndTailEachEndTheGame) {
  struct Situation {
    Rows board;
    int key;
    const char* title;
    const char* line1;
    int picture;
  } cases[] = {
      {{".T.", ".H.", ".B.", ".Q."}, VK_UP, "B  O  U  M  !", "Tu t'es cogné !", 2},
      {{".....", ".BBB.", ".BHB.", ".Q..."}, VK_UP, "A  Ï  E  !", "J'ai mordu ma queue.", 1},
      {{"BBB.", "B.B.", "QHB."}, VK_LEFT, "A  Ï  E  !", "J'ai mordu le bout de ma queue.", 1},
  };
  for (const auto& c : cases) {
    h->Command(cmd::SameLevel);
    Load(c.board);
    const auto before = Text();
    h->Key(c.key);
    const ShownMessage m = OnlyMessage();
    EXPECT_EQ(m.title, QString::fromUtf8(c.title));
    EXPECT_EQ(m.line1, QString::fromUtf8(c.line1));
    EXPECT_EQ(m.line2, "Zut, tu as perdu !");
    EXPECT_EQ(m.picture, c.picture);
    EXPECT_EQ(W().Jeu().phase, PhaseFinished);
    EXPECT_EQ(Text(), before);
  }
}

TEST_F(OrugaTest, AfterTheEndPressesGetTheShellNoticeAndArrowsTheGamesOwn) {
  Load({".T.", ".H.", ".B.", ".Q."});
  h->Key(VK_UP);
  h->TakeMessages();
  h->Click(Centre(1, 0));
  EXPECT_EQ(OnlyMessage().title, "C E T T E   P A R T I E   E S T   T E R M I N E E !");
  h->Key(VK_LEFT);
  const ShownMessage m = OnlyMessage();
  EXPECT_EQ(m.title, "L A    P A R T I E   E S T   F I N I E !");
  EXPECT_EQ(m.line1, "Clique dans la barre de boutons");
  EXPECT_EQ(m.line2, "pour en faire une autre");
  EXPECT_EQ(m.picture, 3);
  h->Key(Qt::Key_A);  // other keys do nothing
  EXPECT_TRUE(h->TakeMessages().empty());
  EXPECT_EQ(Text(), (Rows{".T.", ".H.", ".B.", ".Q."}));
  // A new game starts at once: the phase never went to 1.
  h->ButtonCommand(cmd::SameLevel);
  EXPECT_EQ(W().Jeu().phase, PhaseNotStarted);
  EXPECT_EQ(G().Columns(), 9);
}

TEST_F(OrugaTest, LevelChangesDuringPlayRestartWithoutAQuestion) {
  h->Key(VK_UP);
  h->TakeMessages();
  h->MenuCommand(cmd::NextLevelMenu);
  EXPECT_TRUE(h->TakeMessages().empty());
  EXPECT_EQ(G().Columns(), 12);
  EXPECT_EQ(h->FirstField(), "Amateur ");
}

TEST_F(OrugaTest, EveryMenuItemSendsACommandTheWindowHandles) {
  // Every item of every popup of the picture menu bar, the hidden text list included.
  std::function<void(const QList<QAction*>&)> check = [&](const QList<QAction*>& actions) {
    for (QAction* a : actions) {
      if (a->menu()) {
        check(a->menu()->actions());
      } else if (!a->isSeparator()) {
        EXPECT_TRUE(W().HandlesCommand(a->data().toInt())) << a->data().toInt();
      }
    }
  };
  check(h->Frame().menuBar()->actions());
  const QList<QAction*> bar = h->Frame().menuBar()->actions();
  ASSERT_EQ(bar.size(), 5);  // file, level, about, help, and the hidden list
  EXPECT_EQ(bar.last()->menu()->actions().size(), 17);
}

namespace {
// Gathers the regions the watched window paints.
class PaintWatch : public QObject {
public:
  QRegion painted;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(e)->region();
    return false;
  }
};
}  // namespace

TEST_F(OrugaTest, AMoveRepaintsOnlyTheTilesWhosePicturesChanged) {
  Load({".......",
        "...H...",
        "...B...",
        "...Q...",
        "......."});
  PaintWatch watch;
  h->Window().installEventFilter(&watch);
  for (int key : {VK_RIGHT, VK_DOWN, VK_LEFT}) {
    const QImage before = h->Screen();
    QApplication::processEvents();
    watch.painted = QRegion();
    h->Key(key);
    QRegion changed;
    const QImage after = h->Screen();
    for (int r = 0; r < G().Rows(); ++r)
      for (int c = 0; c < G().Columns(); ++c) {
        const oruga::Tuile& t = G().Tile(r, c);
        const QRect tile(t.left, t.top, t.width, t.height);
        if (before.copy(tile) != after.copy(tile)) changed += tile;
      }
    EXPECT_FALSE(watch.painted.isEmpty()) << "key " << key;
    EXPECT_TRUE((watch.painted - changed).isEmpty()) << "key " << key << ": painted " << watch.painted.boundingRect().x()
                                                     << "," << watch.painted.boundingRect().y() << " "
                                                     << watch.painted.boundingRect().width() << "x"
                                                     << watch.painted.boundingRect().height();
  }
  h->Window().removeEventFilter(&watch);
}
