// The markers and the mouse: restart, exclusive-or drawing on both surfaces,
// hover bands and pointers, drags that round, snap and press the digits.
#include "FelinoFixture.h"

using namespace felino;

namespace {
const QRgb kWhite = 0xffffffffu;
const QRgb kColumnLine = 0xff008000u;  // RGB(0, 128, 0) on white
const QRgb kRowLine = 0xff800000u;     // RGB(128, 0, 0) on white

QRgb At(const QImage& image, int x, int y) { return image.pixel(x, y) | 0xff000000u; }
}  // namespace

TEST_F(FelinoTest, ARestartChoosesTheFirstCellUnderBinsWithBothMarkersOnIt) {
  // Phase 0: the start command only says that nothing has begun.
  h->ButtonCommand(cmd::Start);
  ExpectMessage(OnlyMessage(), "I N U T I L E   D E   T O U T   R E C O M M E N C E R",
                "La partie n'est pas commencée !", "", 2);
  LookAt(3, 5);
  h->ButtonCommand(cmd::FirstColumn + 7);
  EXPECT_EQ(W().Jeu().phase, PhaseInProgress);
  // Phase 1: asked first; "no" keeps the game.
  h->Answer({AnswerNo});
  h->MenuCommand(cmd::StartMenu);
  ExpectMessage(OnlyMessage(), "A  T  T  E  N  T  I  O  N", "Veux-tu vraiment tout recommencer ?", "", 4, MessageYesNo);
  EXPECT_EQ(Board().Tries(), 1);
  h->Answer({AnswerYes});
  h->MenuCommand(cmd::StartMenu);
  h->TakeMessages();

  EXPECT_EQ(W().Jeu().phase, PhaseNotStarted);
  EXPECT_EQ(h->MessageField(), QStringLiteral("Case choisie :  0  0"));
  EXPECT_EQ(h->FirstField(), QStringLiteral("Pas d'essai "));
  EXPECT_EQ(Board().Column(), 0);
  EXPECT_EQ(Board().Row(), 0);
  EXPECT_EQ(HPos(), 25);
  EXPECT_EQ(VPos(), 25);
  for (int k = 0; k < kSide; ++k) {
    EXPECT_FALSE(h->ButtonPressed(cmd::FirstColumn + k)) << k;
    EXPECT_FALSE(h->ButtonPressed(cmd::FirstRow + k)) << k;
  }
  for (const QImage& surface : {h->Screen(), h->Copy()}) {
    EXPECT_EQ(At(surface, 21, 300), kColumnLine);  // the column marker's lines at x = 21 and 54
    EXPECT_EQ(At(surface, 54, 300), kColumnLine);
    EXPECT_EQ(At(surface, 300, 22), kRowLine);     // the row marker's lines at y = 22 and 55
    EXPECT_EQ(At(surface, 300, 55), kRowLine);
    EXPECT_EQ(At(surface, 86, 300), kWhite);       // between two cells' pictures
  }
  // Every cell a bin again, and nothing else on the board but the markers.
  EXPECT_EQ(h->Copy(), Fresh({}));
  EXPECT_EQ(h->Screen(), h->Copy());
}

TEST_F(FelinoTest, MarkersComeOffWhereTheyWereAndBothSurfacesMatchAFreshDrawing) {
  const QImage before = h->Copy();
  // Drawn twice at the same place, a marker leaves every pixel as it was.
  QImage twice = before;
  TMemoryDC dc(&twice);
  W().RowMarker().DrawAt(dc, 140, twice.size());
  W().RowMarker().DrawAt(dc, 140, twice.size());
  EXPECT_EQ(twice, before);

  std::vector<QPoint> looked;
  for (QPoint cell : {QPoint(2, 3), QPoint(9, 9), QPoint(0, 9), QPoint(6, 4), QPoint(2, 3)}) {
    LookAt(cell.x(), cell.y());
    looked.push_back(cell);
  }
  h->TakeMessages();
  // Markers moved over looked-at cells by dragging, then by the bars.
  h->Press(QPoint(HPos() + 12, 500));
  h->Move(QPoint(150, 480));
  h->Move(QPoint(300, 470));
  h->Release(QPoint(300, 470));
  h->ScrollArrow(kVerticalBar, -2);
  h->ScrollPage(kHorizontalBar, 1);
  EXPECT_EQ(h->Copy(), Fresh(looked));
  EXPECT_EQ(h->Screen(), h->Copy());
}

TEST_F(FelinoTest, TheHoverBandsStartTwoPixelsPastTheBarPositions) {
  h->ButtonCommand(cmd::FirstColumn + 3);
  h->ButtonCommand(cmd::FirstRow + 2);
  const int hp = HPos(), vp = VPos();
  struct Case {
    QPoint at;
    int code;
    TCursor pointer;
  } cases[] = {
      {{hp + 1, 400}, 0, TCursor::Arrow},        {{hp + 2, 400}, 2, TCursor::SizeWE},
      {{hp + 22, 400}, 2, TCursor::SizeWE},      {{hp + 23, 400}, 0, TCursor::Arrow},
      {{400, vp + 1}, 0, TCursor::Arrow},        {{400, vp + 2}, 1, TCursor::SizeNS},
      {{400, vp + 22}, 1, TCursor::SizeNS},      {{hp + 2, vp + 2}, 3, TCursor::Cross},
      {{hp + 1, vp + 2}, 1, TCursor::SizeNS},
  };
  for (const Case& c : cases) {
    h->Move(c.at);
    EXPECT_EQ(W().Screen().HoverCode(), c.code) << c.at.x() << ", " << c.at.y();
    EXPECT_EQ(h->Pointer(), c.pointer) << c.at.x() << ", " << c.at.y();
  }
  // A press off both bands drags nothing.
  h->Press(QPoint(hp + 1, 400));
  h->Move(QPoint(250, 250));
  h->Release(QPoint(250, 250));
  EXPECT_EQ(HPos(), hp);
  EXPECT_EQ(VPos(), vp);
}

TEST_F(FelinoTest, ADragRoundsToTheNearestCellSnapsBothBarsAndPressesBothDigits) {
  // The column marker alone, let go 19 pixels past column 4: column 5 is nearer.
  h->Press(QPoint(25 + 12, 400));
  h->Move(QPoint(PositionOf(4) + 19 + 11, 300));
  EXPECT_EQ(HPos(), PositionOf(4) + 19);  // the marker follows the pointer, unsnapped
  h->Release(QPoint(PositionOf(4) + 19 + 11, 300));
  EXPECT_EQ(HPos(), PositionOf(5));
  EXPECT_EQ(VPos(), PositionOf(0));
  EXPECT_EQ(h->MessageField(), QStringLiteral("Case choisie :  0  5"));
  EXPECT_TRUE(h->ButtonPressed(cmd::FirstColumn + 5));
  EXPECT_TRUE(h->ButtonPressed(cmd::FirstRow + 0));
  // Both at once from their crossing, let go 15 pixels past column 7, row 2.
  h->Press(QPoint(HPos() + 5, VPos() + 5));
  h->Move(QPoint(PositionOf(7) + 15 + 11, PositionOf(2) + 15 + 11));
  h->Release(QPoint(PositionOf(7) + 15 + 11, PositionOf(2) + 15 + 11));
  EXPECT_EQ(HPos(), PositionOf(7));
  EXPECT_EQ(VPos(), PositionOf(2));
  EXPECT_EQ(h->MessageField(), QStringLiteral("Case choisie :  2  7"));
  EXPECT_TRUE(h->ButtonPressed(cmd::FirstColumn + 7));
  EXPECT_FALSE(h->ButtonPressed(cmd::FirstColumn + 5));
  EXPECT_TRUE(h->ButtonPressed(cmd::FirstRow + 2));
  EXPECT_EQ(h->Copy(), Fresh({}));
}

TEST_F(FelinoTest, ADragBeyondTheBoardKeepsTheChoiceAndBringsTheMarkersBack) {
  h->ButtonCommand(cmd::FirstColumn + 2);
  h->ButtonCommand(cmd::FirstRow + 6);
  // Far right and down, clear of the vertical bar.
  const int bottom = W().DrawingArea().height() - 5, right = W().DrawingArea().width() - 30;
  h->Press(QPoint(HPos() + 5, VPos() + 5));
  h->Move(QPoint(right, bottom));
  h->Release(QPoint(right, bottom));
  EXPECT_EQ(Board().Column(), 2);
  EXPECT_EQ(Board().Row(), 6);
  EXPECT_EQ(HPos(), PositionOf(2));
  EXPECT_EQ(VPos(), PositionOf(6));
  EXPECT_EQ(h->MessageField(), QStringLiteral("Case choisie :  6  2"));
  EXPECT_EQ(h->Copy(), Fresh({}));
  EXPECT_EQ(h->Screen(), h->Copy());
  // Dragged up and left past the first cell: the first cell.
  h->Press(QPoint(HPos() + 5, VPos() + 5));
  h->Move(QPoint(0, 0));
  h->Release(QPoint(0, 0));
  EXPECT_EQ(HPos(), PositionOf(0));
  EXPECT_EQ(VPos(), PositionOf(0));
  EXPECT_EQ(h->Copy(), Fresh({}));
}
