// The counting frame: what lies under the pointer, and each drag's snapping.
#include "OrpelloFixture.h"

using namespace orpello;

namespace {
bool SpanIs(const Span& s, int firstRow, int endRow, int firstColumn, int endColumn) {
  return s.firstRow == firstRow && s.endRow == endRow && s.firstColumn == firstColumn && s.endColumn == endColumn;
}
}  // namespace

TEST_F(OrpelloTest, HandlesReachFourPixelsEdgesLessAndEachZoneHasItsPointer) {
  // The frame over (3, 2) and (3, 3): x from X(2) to X(4), y from Y(3) to Y(4).
  const int l = X(2), r = X(4), t = Y(3), b = Y(4), mx = (l + r) / 2, my = (t + b) / 2;
  struct Case {
    QPoint p;
    Zone zone;
    TCursor pointer;
  };
  const Case cases[] = {
      {{l + 4, t + 4}, SurPoigneeNW, TCursor::SizeNWSE},  {{l - 4, t - 4}, SurPoigneeNW, TCursor::SizeNWSE},
      {{r + 4, t - 4}, SurPoigneeNE, TCursor::SizeNESW},  {{l - 4, b + 4}, SurPoigneeSW, TCursor::SizeNESW},
      {{r, b}, SurPoigneeSE, TCursor::SizeNWSE},          {{l + 5, t}, OnARectXHauEdge, TCursor::SizeNS},
      {{mx, b + 3}, OnARectXBasEdge, TCursor::SizeNS},    {{mx, b + 4}, NYa_Rien_Ici, TCursor::No},
      {{mx, t - 3}, OnARectXHauEdge, TCursor::SizeNS},    {{mx, t - 4}, NYa_Rien_Ici, TCursor::No},
      {{l - 3, my}, OnARectYGauEdge, TCursor::SizeWE},    {{r + 3, my}, OnARectYDroEdge, TCursor::SizeWE},
      {{r + 4, my}, NYa_Rien_Ici, TCursor::No},           {{mx, my}, Sur1Rectang, TCursor::SizeAll},
      // An edge's line beyond the corners is not the edge.
      {{r + 6, t}, NYa_Rien_Ici, TCursor::No},            {{l, t - 6}, NYa_Rien_Ici, TCursor::No},
  };
  for (const Case& c : cases) {
    h->Move(c.p);
    EXPECT_EQ(E().Mouse().zone, c.zone) << c.p.x() - l << "," << c.p.y() - t;
    EXPECT_EQ(h->Pointer(), c.pointer) << c.p.x() - l << "," << c.p.y() - t;
  }
}

TEST_F(OrpelloTest, ACornerDraggedAcrossItsOppositeIsRelabelledAndFramesTheCellsBetween) {
  h->Press({X(2), Y(3)});
  EXPECT_EQ(h->Pointer(), TCursor::SizeNWSE);
  h->Move({X(5), Y(5)});
  // While dragging, only the window shows the rubber band; the copy has no frame.
  EXPECT_NE(h->Screen(), h->Copy());
  EXPECT_EQ(h->Copy().convertToFormat(QImage::Format_RGB32), BoardAlone());
  h->Release({X(6) + 10, Y(6) - 12});
  EXPECT_TRUE(SpanIs(S(), 4, 6, 4, 6));
  EXPECT_EQ(QPoint(F().Handle(Poignee::NW).x, F().Handle(Poignee::NW).y), QPoint(X(4), Y(4)));
  EXPECT_EQ(QPoint(F().Handle(Poignee::SE).x, F().Handle(Poignee::SE).y), QPoint(X(6), Y(6)));
  EXPECT_EQ(QPoint(F().Handle(Poignee::NE).x, F().Handle(Poignee::SW).y), QPoint(X(6), Y(6)));
  EXPECT_EQ(F().dx, 2 * G().Pitch());
  int sum = 0;
  for (int r = 4; r < 6; ++r)
    for (int c = 4; c < 6; ++c) sum += G().Cell(r, c).value;
  EXPECT_EQ(h->MessageField(), QString::number(sum) + QString::fromUtf8(" pépites dans les cases encadrées   "));
  ExpectBoardAtRest();
  // Then the south-west corner up and left past the north-east one.
  h->Drag({X(4), Y(6)}, {X(6) + 30, 3}, 3);
  EXPECT_TRUE(SpanIs(S(), 0, 4, 6, 6 - 0)) << S().firstRow << S().endRow << S().firstColumn << S().endColumn;
  h->TakeMessages();  // the frame of no width is refused
  ExpectBoardAtRest();
}

TEST_F(OrpelloTest, CornersReleasedOutsideTheGridSnapToItsOuterLines) {
  const QRect area = W().DrawingArea();
  h->Drag({X(4), Y(4)}, {area.width() + 300, area.height() + 300});
  EXPECT_TRUE(SpanIs(S(), 3, 6, 2, 6));
  EXPECT_EQ(F().right, X(6));
  EXPECT_EQ(F().bottom, Y(6));
  h->Drag({X(2), Y(3)}, {-50, -50});
  EXPECT_TRUE(SpanIs(S(), 0, 6, 0, 6));
  EXPECT_EQ(h->PendingMessages(), 0u);
  ExpectBoardAtRest();
}

TEST_F(OrpelloTest, AWholeFrameMovedTowardOutsideStopsOnTheBorder) {
  const QPoint inside = Centre(3, 3);
  h->Press(inside);
  EXPECT_EQ(h->Pointer(), TCursor::Arrow);  // the arrow, once the move starts
  h->Move(inside + QPoint(40, 20));
  h->Release({W().DrawingArea().width(), W().DrawingArea().height()});
  EXPECT_TRUE(SpanIs(S(), 5, 6, 4, 6));
  ExpectBoardAtRest();
  h->Drag(Centre(5, 5), {0, 0}, 4);
  EXPECT_TRUE(SpanIs(S(), 0, 1, 0, 2));
  // A small move snaps back to the nearest lines.
  h->Drag(Centre(0, 1), Centre(0, 1) + QPoint(G().Half() - 1, G().Half() - 1));
  EXPECT_TRUE(SpanIs(S(), 0, 1, 0, 2));
  EXPECT_EQ(h->PendingMessages(), 0u);
  ExpectBoardAtRest();
}

TEST_F(OrpelloTest, EdgesPastTheirOppositeOrOfNoWidthAreRefusedAndTwoCellsAccepted) {
  // The right edge dragged onto the left one: no width.
  h->Drag({X(4) + 2, Centre(3, 3).y()}, {X(2) + 5, Centre(3, 3).y()});
  ShownMessage m = OnlyMessage();
  EXPECT_EQ(m.title, "N  O  N  !");
  EXPECT_EQ(m.line1, "Il faut entourer au moins 2 cases.");
  EXPECT_EQ(m.picture, 3);
  EXPECT_EQ(h->MessageField(), "Le cadre est trop petit 0   ");
  EXPECT_EQ(F().left, F().right);
  ExpectBoardAtRest();
  // Corner drag makes it two cells again: accepted without a word.
  h->Drag({X(2), Y(4)}, {X(4), Y(4)});
  EXPECT_TRUE(SpanIs(S(), 3, 4, 2, 4));
  EXPECT_EQ(h->PendingMessages(), 0u);
  // The bottom edge dragged above the top one: refused, the frame stays where it was let go.
  h->Drag({Centre(3, 2).x(), Y(4) - 1}, {Centre(3, 2).x(), Y(1) + 3});
  EXPECT_EQ(OnlyMessage().title, "N  O  N  !");
  EXPECT_EQ(F().top, Y(3));
  EXPECT_EQ(F().bottom, Y(1));
  ExpectBoardAtRest();
  // A corner drag puts it right side up.
  h->Drag({X(4), Y(1)}, {X(5), Y(1)});
  EXPECT_TRUE(SpanIs(S(), 1, 3, 2, 5));
  EXPECT_EQ(h->PendingMessages(), 0u);
  ExpectBoardAtRest();
}

TEST_F(OrpelloTest, AMoveRedrawsOnlyTheFrameOnTheWindow) {
  h->Press(Centre(3, 2));
  const QImage before = h->Screen();
  h->Move(Centre(3, 2) + QPoint(7, 9));
  const QImage after = h->Screen();
  // Every pixel that changed lies on the old or new frame's strips or boxes.
  QRegion frames;
  for (QPoint shift : {QPoint(0, 0), QPoint(7, 9)})
    for (const QRect& r : F().Outline()) frames += QRegion(r.translated(shift - QPoint(7, 9)).adjusted(-1, -1, 1, 1));
  int changed = 0;
  for (int y = 0; y < before.height(); ++y)
    for (int x = 0; x < before.width(); ++x)
      if (before.pixel(x, y) != after.pixel(x, y)) {
        ++changed;
        ASSERT_TRUE(frames.contains(QPoint(x, y))) << x << "," << y;
      }
  EXPECT_GT(changed, 0);
  h->Release(Centre(3, 2));
  ExpectBoardAtRest();
}

TEST_F(OrpelloTest, TheHandleStackHoldsFourHundredAndSaysSoWhenFull) {
  TabpPoignee& stack = E().Handles();
  EXPECT_EQ(stack.Count(), 4);
  std::vector<std::pair<std::string, std::string>> told;
  stack.overflow = [&](const char* text, const char* caption) { told.emplace_back(text, caption); };
  Poignee spare;
  spare.MoveTo(-100, -100);
  for (int i = 4; i < TabpPoignee::kCapacity; ++i) EXPECT_EQ(stack.PousseCe_pPoigneeInTaPile(&spare), i);
  EXPECT_TRUE(told.empty());
  EXPECT_EQ(stack.PousseCe_pPoigneeInTaPile(&spare), TabpPoignee::kCapacity);
  ASSERT_EQ(told.size(), 1u);
  EXPECT_EQ(told[0].first, "Dépassement de capacité de la pile");
  EXPECT_EQ(told[0].second, "Dans TabpPoignee::PousseCe_pPoigneeInTaPile");
  EXPECT_EQ(stack.Find({-100, -96}), 4);
  EXPECT_EQ(stack.Find({-100, -95}), TabpPoignee::kCapacity);
}
