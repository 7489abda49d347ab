// Whole games: the cat found with the digits, the bars and the markers; the
// scroll bars; the bars of the frame; random play.
#include "FelinoFixture.h"
#include "ControlBar.h"
#include "DecoratedFrame.h"
#include "RandomPlayer.h"
#include "ScrollBar.h"
#include "StatusBar.h"

#include <QFontMetrics>
#include <QToolButton>

using namespace felino;

TEST_F(FelinoTest, TheCatHiddenAtColumnSixRowFourIsFoundWithTheDigits) {
  EXPECT_EQ(Board().CatColumn(), 6);
  EXPECT_EQ(Board().CatRow(), 4);
  h->ButtonCommand(cmd::FirstColumn + 6);
  h->ButtonCommand(cmd::FirstRow + 4);
  EXPECT_EQ(h->MessageField(), QStringLiteral("Case choisie :  4  6"));
  h->ButtonCommand(cmd::Look);
  ExpectFound(1);
  EXPECT_EQ(h->FirstField(), QStringLiteral("1 Essai(s)   "));
  EXPECT_EQ(h->Copy(), Fresh({{6, 4}}));
  // Looking goes on after the cat, each look a try, the same cell too.
  LookAt(5, 4);
  h->ButtonCommand(cmd::Look);
  EXPECT_TRUE(h->TakeMessages().empty());
  EXPECT_EQ(h->FirstField(), QStringLiteral("3 Essai(s)   "));
  LookAt(6, 4);
  ExpectFound(4);
  EXPECT_EQ(W().Jeu().phase, PhaseInProgress);
  EXPECT_EQ(h->Copy(), Fresh({{6, 4}, {5, 4}}));
}

TEST_F(FelinoTest, ADigitFromTheMenuMovesItsMarkerAndShowsItsButtonPressed) {
  h->MenuCommand(cmd::FirstColumn + 8);
  h->MenuCommand(cmd::FirstRow + 9);
  EXPECT_EQ(h->MessageField(), QStringLiteral("Case choisie :  9  8"));
  EXPECT_TRUE(h->ButtonPressed(cmd::FirstColumn + 8));
  EXPECT_TRUE(h->ButtonPressed(cmd::FirstRow + 9));
  h->ButtonCommand(cmd::FirstColumn + 1);
  EXPECT_TRUE(h->ButtonPressed(cmd::FirstColumn + 1));
  EXPECT_FALSE(h->ButtonPressed(cmd::FirstColumn + 8));
  EXPECT_TRUE(h->ButtonPressed(cmd::FirstRow + 9));
  EXPECT_EQ(HPos(), PositionOf(1));
  EXPECT_EQ(VPos(), PositionOf(9));
  EXPECT_EQ(h->Copy(), Fresh({}));
}

TEST_F(FelinoTest, ScrollBarsMoveByCellsAndAlwaysAgreeWithTheChoice) {
  h->ScrollArrow(kVerticalBar, 1);
  EXPECT_EQ(VPos(), PositionOf(1));
  EXPECT_EQ(h->MessageField(), QStringLiteral("Case choisie :  1  0"));
  EXPECT_TRUE(h->ButtonPressed(cmd::FirstRow + 1));
  h->ScrollPage(kHorizontalBar, 1);
  h->ScrollPage(kHorizontalBar, 1);
  h->ScrollArrow(kHorizontalBar, -1);
  EXPECT_EQ(HPos(), PositionOf(1));
  EXPECT_TRUE(h->ButtonPressed(cmd::FirstColumn + 1));
  // The thumb let go between two cells: the cell it points to.
  h->DragThumb(kHorizontalBar, PositionOf(4) + 20);
  EXPECT_EQ(HPos(), PositionOf(4));
  EXPECT_EQ(h->MessageField(), QStringLiteral("Case choisie :  1  4"));
  h->ScrollWheel(kVerticalBar, 1);
  EXPECT_GT(VPos(), PositionOf(1));
  EXPECT_EQ(VPos(), PositionOf(Board().Row()));
  h->DragThumb(kVerticalBar, PositionOf(3));
  // Past row 9 or column 9 the bar goes back to the chosen cell, so that a
  // look goes under the marked cell.
  h->DragThumb(kVerticalBar, PositionOf(12));
  EXPECT_EQ(VPos(), PositionOf(3));
  for (int i = 0; i < 8; ++i) h->ScrollArrow(kHorizontalBar, 1);
  EXPECT_EQ(HPos(), PositionOf(9));
  h->ScrollPage(kHorizontalBar, 3);
  EXPECT_EQ(HPos(), PositionOf(9));
  h->ButtonCommand(cmd::FirstRow + 4);
  EXPECT_EQ(h->MessageField(), QStringLiteral("Case choisie :  4  9"));
  EXPECT_EQ(h->Copy(), Fresh({}));
  LookAt(6, 4);
  ExpectFound(1);
}

TEST(FelinoScrollBar, OnlyTheChildsMovesCallBack) {
  QWidget parent;
  TScrollBar bar(&parent, 7, QRect(0, 0, 20, 300), Qt::Vertical);
  bar.SetRange(25, 275);
  bar.SetPageSize(33);
  bar.SetLineStep(33);
  std::vector<int> calls;
  bar.SetOnChange([&](int id) { calls.push_back(id); });
  bar.SetPosition(100);
  bar.SetPosition(1000);  // held in the range
  bar.SetRange(25, 200);
  EXPECT_TRUE(calls.empty());
  EXPECT_EQ(bar.GetPosition(), 200);
  bar.triggerAction(QAbstractSlider::SliderSingleStepSub);
  EXPECT_EQ(calls, std::vector<int>{7});
  EXPECT_EQ(bar.GetPosition(), 167);
  // The thumb held and moved: nothing until it is let go.
  bar.setSliderDown(true);
  bar.setSliderPosition(60);
  EXPECT_EQ(calls.size(), 1u);
  bar.setSliderDown(false);
  EXPECT_EQ(calls.size(), 2u);
  EXPECT_EQ(bar.GetPosition(), 60);
}

TEST_F(FelinoTest, BarsAndFieldsShowWholeOnEveryUsualScreen) {
  for (QSize screen : {QSize(1024, 768), QSize(1920, 1080), QSize(1366, 768)}) {
    SCOPED_TRACE(screen.width());
    Start(screen.width(), screen.height());
    const QRect area = W().DrawingArea();
    EXPECT_EQ(area.width(), screen.width() - 97);
    EXPECT_EQ(area.height(), screen.height() - 30 - 142);
    // Both scroll bars inside the game window, which the frame shows whole.
    const QRect shown(h->DrawingOrigin(), W().size());
    EXPECT_TRUE(h->Frame().rect().contains(shown));
    EXPECT_EQ(W().Vertical().geometry(), QRect(area.width() - 18, 0, 20, area.height() + 29));
    EXPECT_EQ(W().Horizontal().geometry(), QRect(0, area.height() + 12, area.width() - 18, 20));
    for (const QWidget* bar : {static_cast<QWidget*>(&W().Vertical()), static_cast<QWidget*>(&W().Horizontal())})
      EXPECT_TRUE(W().rect().contains(bar->geometry()));
    // Two columns of buttons: door and lightning, look and question mark, then
    // each column digit beside its row digit, 0 at the top; all inside the frame.
    const TControlBar& buttons = *h->Frame().ControlBar();
    auto place = [&](int command) { return buttons.Button(command)->mapTo(&h->Frame(), QPoint(0, 0)); };
    std::vector<std::pair<int, int>> rows{{cmd::Quit, cmd::Start}, {cmd::Look, cmd::Help}};
    for (int k = 0; k < kSide; ++k) rows.push_back({cmd::FirstColumn + k, cmd::FirstRow + k});
    for (size_t i = 0; i < rows.size(); ++i) {
      EXPECT_EQ(place(rows[i].first).y(), place(rows[i].second).y()) << i;
      EXPECT_LT(place(rows[i].first).x(), place(rows[i].second).x()) << i;
      if (i > 0) {
        EXPECT_GT(place(rows[i].first).y(), place(rows[i - 1].first).y()) << i;
      }
      EXPECT_TRUE(h->Frame().rect().contains(QRect(place(rows[i].second), buttons.Button(rows[i].second)->size())));
    }
    // The first field holds its longest texts whole.
    const TTextGadget& first = *h->App().FirstField();
    for (const char* text : {"Pas d'essai ", "12 Essai(s)   "})
      EXPECT_LE(QFontMetrics(first.font()).horizontalAdvance(QString::fromUtf8(text)), first.contentsRect().width())
          << text;
  }
  EXPECT_EQ(h->Caption(), QString::fromUtf8("T I G R O N ,   D'après le jeu de cache-tampon."));
}

TEST_F(FelinoTest, RandomPlayWithBarsAndDigitsNeverBreaksTheAgreement) {
  std::vector<int> commands{cmd::Look, cmd::Start, cmd::About, cmd::Help};
  for (int k = 0; k < kSide; ++k) commands.insert(commands.end(), {cmd::FirstColumn + k, cmd::FirstRow + k});
  RandomPlayer player(*h, 21);
  player.SetCommands(commands);
  player.SetAims({QRect(0, 0, 380, 380)});
  for (int round = 0; round < 6; ++round) {
    const PlayReport report = player.Play(500);
    ASSERT_TRUE(report.ok) << report.failure;
    // Whatever happened, at rest the bars, the markers and the choice agree.
    h->Release(QPoint(500, 500));
    EXPECT_EQ(HPos(), PositionOf(Board().Column()));
    EXPECT_EQ(VPos(), PositionOf(Board().Row()));
    EXPECT_EQ(W().ColumnMarker().place, HPos());
    EXPECT_EQ(W().RowMarker().place, VPos());
    EXPECT_EQ(h->Screen(), h->Copy());
  }
  h->TakeMessages();
}
