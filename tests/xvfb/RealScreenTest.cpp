// Under a real X server with a window manager (tools/xvfb-check): the drawing
// area is what the placed frame shows, oruga's first board is centred in it to
// the pixel and corrido's smallest cells fill its height as their formula says.
#include "CorridoWindow.h"
#include "GameHarness.h"
#include "Grille.h"
#include "LevelMenu.h"
#include "OrugaWindow.h"

#include <QApplication>
#include <QScreen>
#include <gtest/gtest.h>

namespace {
GameHarness::Options RealScreen() { return {.realScreen = true}; }

// The game window as the screen shows it: inside the screen's free area.
QRect Shown(GameHarness& h) {
  const QRect onScreen(h.Window().mapToGlobal(QPoint(0, 0)), h.Window().size());
  return onScreen.intersected(QGuiApplication::primaryScreen()->availableGeometry());
}
}  // namespace

TEST(RealScreen, TheAreaIsTheShownPartOfTheGameWindow) {
  auto h = GameHarness::Start<oruga::TMyAppCumMenuSuite>(RealScreen());
  const QRect area = h->Window().DrawingArea(), shown = Shown(*h);
  const QSize screen = QGuiApplication::primaryScreen()->size();
  EXPECT_EQ(area.width(), std::min(screen.width() - 45, shown.width()));
  EXPECT_EQ(area.height(), std::min(QGuiApplication::primaryScreen()->availableGeometry().bottom() + 1 - 67,
                                    shown.height()));
  EXPECT_EQ(shown.topLeft(), h->Window().mapToGlobal(QPoint(0, 0)));
}

TEST(RealScreen, OrugasFirstBoardIsCentredInTheShownArea) {
  auto h = GameHarness::Start<oruga::TMyAppCumMenuSuite>(RealScreen());
  const QRect area = h->Window().DrawingArea();
  oruga::Grille& g = static_cast<oruga::TMainWindowSuite&>(h->Window()).Board();
  EXPECT_EQ(g.Tile(0, 0).left, (area.width() - 29 * g.Columns() - 29) / 2);
  EXPECT_EQ(g.Tile(0, 0).top, (area.height() - 29 * g.Rows() - 29) / 2);
}

TEST(RealScreen, CorridosSmallestCellsFillTheShownHeight) {
  auto h = GameHarness::Start<corrido::TMyAppCumMenuSuite>(RealScreen());
  h->Command(corrido::cmd::kLevelChoices[6]);
  const QRect area = h->Window().DrawingArea();
  corrido::Grille& g = static_cast<corrido::TMainWindowSuite&>(h->Window()).Maze();
  EXPECT_EQ(g.Rows(), area.height() / 14 - 1);
  EXPECT_EQ(g.Columns(), (area.width() - corrido::kFrameReach) / 14);
  EXPECT_LE(area.height(), Shown(*h).height());
}

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  QApplication::setStyle(QStringLiteral("Fusion"));
  return RUN_ALL_TESTS();
}
