// Whole games of every model, the menus of models, and random play.
#include "CalcoFixture.h"
#include "DecoratedFrame.h"
#include "RandomPlayer.h"

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>

using namespace calco;

TEST_F(CalcoTest, EveryModelIsWonByItsColouredCellsAndNotOneCellSooner) {
  for (QSize screen : {QSize(1024, 768), QSize(2560, 1080)}) {
    SCOPED_TRACE(screen.width());
    Start(screen.width(), screen.height());
    for (int model = 0; model < kModels; ++model) {
      SCOPED_TRACE(testing::Message() << "model " << model);
      Choose(model);
      const std::vector<QPoint> cells = ColouredCells();
      ASSERT_FALSE(cells.empty());
      // Every coloured cell but the last leaves the game in play; white cells
      // are never clicked.
      for (size_t i = 0; i + 1 < cells.size(); ++i) ClickCell(cells[i]);
      ASSERT_TRUE(h->TakeMessages().empty()) << "a cell the model colours was refused";
      ASSERT_EQ(Jeu().phase, PhaseInProgress);
      ClickCell(cells.back());
      ExpectWon();
    }
  }
}

TEST_F(CalcoTest, TheWinIsJudgedOnTheBoardNotOnACount) {
  // The corner cell of the model painted over on the board: clicking every
  // coloured cell no longer matches it, and the game stays in play.
  const std::vector<QPoint> cells = ColouredCells();
  const int shift = 6 * G().cell;
  const QPoint corner = Centre(cells.back().y(), cells.back().x()) + QPoint(shift, 0);
  W().DrawBoth([&](TDC& dc) { dc.SetPixel(corner.x(), corner.y(), TColor(1, 2, 3)); });
  for (QPoint cell : cells) ClickCell(cell);
  EXPECT_TRUE(h->TakeMessages().empty());
  EXPECT_EQ(Jeu().phase, PhaseInProgress);
}

TEST_F(CalcoTest, EachModelItemShowsItsNameBesideItsPicture) {
  QMenu* easy = nullptr;
  for (QAction* a : h->Frame().menuBar()->actions())
    if (a->menu() && !a->menu()->actions().isEmpty() && a->menu()->actions().front()->data().toInt() == cmd::FirstModel)
      easy = a->menu();
  ASSERT_NE(easy, nullptr);
  emit easy->aboutToShow();
  QAction* first = easy->actions().front();
  EXPECT_EQ(first->text(), "&Chiffre 4 manuscrit");
  const QImage model = *W().PictureDC(0).Image();
  EXPECT_EQ(first->icon().pixmap(model.size()).toImage().convertToFormat(QImage::Format_RGB32), model);
  // Drawn at its own size: the item is as tall as the picture, which shows whole.
  easy->adjustSize();
  EXPECT_GE(easy->actionGeometry(first).height(), kModelSize);
  const QImage drawn = easy->grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QRect item = easy->actionGeometry(first);
  bool found = false;
  for (int y = item.top(); y + kModelSize <= item.bottom() + 1 && !found; ++y)
    for (int x = item.left(); x <= item.left() + 8 && !found; ++x)
      found = drawn.copy(x, y, kModelSize, kModelSize) == model;
  EXPECT_TRUE(found) << "the model picture is not drawn whole in its item";
  // The hidden list names every model too.
  h->MenuCommand(cmd::FirstModel + 10);
  EXPECT_EQ(W().Model(), 10);
}

TEST_F(CalcoTest, RandomPlayWithTheModelCommandsNeitherCrashesNorHangs) {
  std::vector<int> commands{cmd::Start, cmd::StartMenu};
  for (int k = 0; k < kModels; ++k) commands.push_back(cmd::FirstModel + k);
  RandomPlayer player(*h, 23);
  player.SetCommands(commands);
  player.SetAims({G().WorkGrid()});
  const PlayReport report = player.Play(3000);
  EXPECT_TRUE(report.ok) << report.failure;
  EXPECT_EQ(h->Screen(), h->Copy());
  h->TakeMessages();
}
