// The three erasers, the tools' captions and pointers, and clearing the page.
#include "PlumetaFixture.h"

using namespace plumeta;

namespace {
// A black block on both surfaces, to rub out.
void Blacken(TMainWindowSuite& w, const QRect& r) {
  w.DrawBoth([&](TDC& dc) { dc.FillRect(r.left(), r.top(), r.right() + 1, r.bottom() + 1, TBrush(TColor::Black)); });
}
QRect Around(QPoint centre, int r) { return QRect(centre - QPoint(r + 2, r + 2), centre + QPoint(r + 2, r + 2)); }
}  // namespace

TEST_F(PlumetaTest, EachToolHasItsCaptionPointerAndRadius) {
  struct Case {
    int command;
    const char* caption;
    TCursor pointer;
    EcranSuite::Outil tool;
    int radius;
  };
  const Case cases[] = {
      {cmd::SmallEraser, "P L U M E T A  -  Mode petite gomme ", TCursor::Cross, EcranSuite::Gomme, 6},
      {cmd::Pen, "P L U M E T A - en mode Ecriture", TCursor::Arrow, EcranSuite::Crayon, 6},
      {cmd::LargeEraserMenu, "P L U M E T A  -  Mode grande gomme ", TCursor::Cross, EcranSuite::Gomme, 54},
      {cmd::NormalEraser, "P L U M E T A  -  Mode gomme normale", TCursor::Cross, EcranSuite::Gomme, 18},
      {cmd::PenMenu, "P L U M E T A - en mode Ecriture", TCursor::Arrow, EcranSuite::Crayon, 18},
  };
  for (const Case& c : cases) {
    h->Command(c.command);
    EXPECT_EQ(h->Caption(), QString::fromUtf8(c.caption));
    EXPECT_EQ(h->Pointer(), c.pointer) << c.caption;
    EXPECT_EQ(Page().Tool(), c.tool) << c.caption;
    EXPECT_EQ(W().Radius(), c.radius) << c.caption;
  }
  EXPECT_EQ(h->PrintDialogs(), 0);
}

TEST_F(PlumetaTest, TheEraserCircleShowsOnTheWindowAloneOnceAfterEveryMove) {
  h->Command(cmd::NormalEraser);
  const QImage page = h->Copy();
  for (QPoint p : {QPoint(300, 300), QPoint(310, 305), QPoint(600, 200), QPoint(605, 200)}) {
    h->Move(p);
    EXPECT_EQ(h->Copy(), page);
    const QRect drawn = Differences(h->Screen(), h->Copy());
    EXPECT_FALSE(drawn.isEmpty());
    EXPECT_TRUE(Around(p, 18).contains(drawn)) << p.x() << "," << p.y();
    EXPECT_NEAR(drawn.center().x(), p.x(), 1);
    EXPECT_NEAR(drawn.width(), 2 * 18 + 2, 3);
    EXPECT_EQ(Page().Circle(), p);
  }
}

TEST_F(PlumetaTest, RubbingWhitensBothSurfacesAlongThePathTwoRadiiWideAndTheReleaseTakesTheCircle) {
  Blacken(W(), QRect(100, 200, 500, 200));
  h->Command(cmd::NormalEraser);
  Stroke(QPoint(200, 300), {QPoint(300, 300), QPoint(400, 300)});
  EXPECT_EQ(Page().State(), EcranSuite::Attente_PasDeClic);
  EXPECT_EQ(h->Screen(), h->Copy()) << "no circle after the release";
  const QImage copy = h->Copy();
  EXPECT_EQ(Ink(copy, QRect(200, 300 - 16, 201, 33)), 0);
  EXPECT_EQ(Ink(copy, QRect(200, 300 - 21, 201, 2)), 2 * 201) << "above the band";
  EXPECT_EQ(Ink(copy, QRect(200, 300 + 20, 201, 2)), 2 * 201) << "below the band";
  // Round ends: white just past both ends on the line, black at the band's corners.
  EXPECT_EQ(copy.pixel(200 - 14, 300), qRgb(255, 255, 255));
  EXPECT_EQ(copy.pixel(400 + 14, 300), qRgb(255, 255, 255));
  EXPECT_EQ(copy.pixel(200 - 16, 300 - 16), qRgb(0, 0, 0));
  EXPECT_EQ(Page().Circle(), std::nullopt);
}

TEST_F(PlumetaTest, AClickOfTheEraserRubsOutOneDisc) {
  Blacken(W(), QRect(100, 100, 400, 400));
  h->Command(cmd::LargeEraser);
  h->Click(QPoint(300, 300));
  const QImage copy = h->Copy();
  EXPECT_EQ(h->Screen(), copy);
  EXPECT_EQ(Ink(copy, QRect(300 - 36, 300 - 36, 73, 73)), 0);
  EXPECT_EQ(copy.pixel(300 + 56, 300), qRgb(0, 0, 0));
  EXPECT_EQ(copy.pixel(300 + 45, 300 + 45), qRgb(0, 0, 0)) << "a disc, not a square";
  EXPECT_EQ(copy.pixel(300 + 50, 300), qRgb(255, 255, 255));
}

TEST_F(PlumetaTest, ChangingToolsNeverLeavesAStrayCircle) {
  h->Command(cmd::SmallEraser);
  h->Move(QPoint(300, 300));
  for (int command : {cmd::NormalEraser, cmd::LargeEraser, cmd::LargeEraser, cmd::SmallEraser, cmd::Pen}) {
    h->Command(command);
    EXPECT_EQ(h->Screen(), h->Copy()) << command;
    h->Move(QPoint(300 + command % 7, 300));
  }
  // The pen chosen twice: its circle gone for good, never drawn back.
  h->Command(cmd::SmallEraser);
  h->Move(QPoint(400, 400));
  h->Command(cmd::Pen);
  EXPECT_EQ(h->Screen(), h->Copy());
  h->Command(cmd::Pen);
  EXPECT_EQ(h->Screen(), h->Copy());
  // After a repaint from the copy, the next move shows one circle, not two.
  h->Command(cmd::NormalEraser);
  h->Move(QPoint(500, 300));
  W().Invalidate();
  EXPECT_EQ(h->Screen(), h->Copy());
  h->Move(QPoint(200, 200));
  EXPECT_TRUE(Around(QPoint(200, 200), 18).contains(Differences(h->Screen(), h->Copy())));
}

TEST_F(PlumetaTest, TheEraserStaysOnThePageAtItsEdges) {
  const QRect area = W().DrawingArea();
  int cut = 0;
  TDC::SetOverflowHookForTesting([&](const QImage&, const QRect&) { ++cut; });
  h->Command(cmd::LargeEraser);
  Stroke(QPoint(0, 0), {QPoint(area.width(), 0), QPoint(area.width(), area.height())});
  h->Move(QPoint(0, area.height()));
  TDC::SetOverflowHookForTesting(nullptr);
  EXPECT_EQ(cut, 0);
  EXPECT_EQ(Page().Circle(), QPoint(56, area.height() - 57));
}

TEST_F(PlumetaTest, ClearingAsksFirstAndOnYesWhitensBothSurfaces) {
  Blacken(W(), QRect(10, 10, 300, 300));
  h->Command(cmd::NormalEraser);
  h->Move(QPoint(500, 500));
  const QImage screen = h->Screen(), copy = h->Copy();
  h->Answer({AnswerNo});
  h->Command(cmd::Clear);
  ExpectMessage(h->TakeMessages().at(0), "A  T  T  E  N  T  I  O  N", "Faut-il vraiment tout effacer ?", "", 4,
                MessageYesNo);
  EXPECT_EQ(h->Screen(), screen);
  EXPECT_EQ(h->Copy(), copy);
  h->Answer({AnswerYes});
  h->Command(cmd::ClearMenu);
  EXPECT_EQ(h->TakeMessages().size(), 1u);
  EXPECT_TRUE(InkBounds(h->Copy()).isEmpty());
  EXPECT_TRUE(InkBounds(h->Screen()).isEmpty());
  // The circle went with the page: the next move draws a single one.
  h->Move(QPoint(200, 200));
  EXPECT_TRUE(Around(QPoint(200, 200), 18).contains(InkBounds(h->Screen())));
}
