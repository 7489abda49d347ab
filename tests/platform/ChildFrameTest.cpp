// The captioned child frame: moved by its caption, sized by its border within
// its tracking sizes, the pointer kept inside the parent, raised and made
// active by a press, painting only what shows.
#include "ChildFrame.h"
#include "PopupMenu.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>
#include <memory>

namespace {
// A frame that remembers what it was asked to paint, with optional fixed tracking sizes.
class Frame : public TChildFrame {
public:
  Frame(QWidget* parent, const QString& caption, bool systemMenu = false) : TChildFrame(parent, caption, systemMenu) {}
  TrackSizes GetMinMaxInfo() const override { return fixed.isValid() ? TrackSizes{fixed, fixed} : TrackSizes{}; }
  QSize fixed;
  QRect painted;

protected:
  void PaintClient(QPainter& p, const QRect& exposed) override {
    painted = painted.united(exposed);
    p.fillRect(exposed, Qt::yellow);
  }
};

class ChildFrameTest : public ::testing::Test {
protected:
  void SetUp() override {
    parent = std::make_unique<QWidget>();
    parent->setGeometry(0, 0, 600, 400);
    a = new Frame(parent.get(), QStringLiteral("Système solaire"), true);
    b = new Frame(parent.get(), QStringLiteral("Terre"));
    a->SetFrameGeometry(QRect(20, 20, 200, 150));
    b->SetFrameGeometry(QRect(300, 100, 130, 27));
    parent->show();
    (void)QTest::qWaitForWindowExposed(parent.get());
  }
  // A drag of the left button through the parent's window, as the child makes it.
  void Drag(QPoint from, QPoint to) {
    QWindow* w = parent->windowHandle();
    QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(w, (from + to) / 2);
    QTest::mouseMove(w, to);
    QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, to);
    QApplication::processEvents();
  }
  QRgb CaptionPixel(Frame* f) { return f->grab().toImage().pixel(f->width() - 10, TChildFrame::kBorder + 2); }

  std::unique_ptr<QWidget> parent;
  Frame* a = nullptr;
  Frame* b = nullptr;
};
}  // namespace

TEST_F(ChildFrameTest, EdgesAndCornersSizeItNeverBelowTheSmallestTrackingSize) {
  EXPECT_EQ(b->ClientRect().height(), 0) << "130 x 27 shows the caption alone";
  // A caption beside a system-menu box reads whole at the smallest width.
  a->SetFrameSize(QSize(130, 27));
  EXPECT_LE(a->CaptionTextLeft() + QFontMetrics(TChildFrame::CaptionFont()).horizontalAdvance(a->Caption()),
            130 - TChildFrame::kBorder);
  a->SetFrameSize(QSize(200, 150));
  Drag({219, 100}, {259, 100});  // right edge
  EXPECT_EQ(a->geometry(), QRect(20, 20, 240, 150));
  Drag({100, 169}, {100, 189});  // bottom edge
  EXPECT_EQ(a->geometry(), QRect(20, 20, 240, 170));
  Drag({20, 20}, {0, 10});  // top-left corner
  EXPECT_EQ(a->geometry(), QRect(0, 10, 260, 180));
  Drag({259, 10}, {-200, 300});  // top-right corner, far past the left and bottom
  EXPECT_EQ(a->geometry().size(), QSize(130, 27));
  EXPECT_EQ(a->geometry().bottomLeft(), QPoint(0, 189));
}

TEST_F(ChildFrameTest, EachGripShowsItsPointer) {
  QWindow* w = parent->windowHandle();
  const std::pair<QPoint, TCursor> grips[] = {
      {{21, 21}, TCursor::SizeNWSE}, {{218, 168}, TCursor::SizeNWSE}, {{218, 21}, TCursor::SizeNESW},
      {{21, 168}, TCursor::SizeNESW}, {{100, 21}, TCursor::SizeNS},   {{100, 168}, TCursor::SizeNS},
      {{21, 100}, TCursor::SizeWE},   {{218, 100}, TCursor::SizeWE},  {{100, 30}, TCursor::Arrow},
  };
  for (const auto& [p, shape] : grips) {
    QTest::mouseMove(w, p);
    QApplication::processEvents();
    EXPECT_EQ(a->CursorShape(), shape) << p.x() << "," << p.y();
  }
}

TEST_F(ChildFrameTest, TheCaptionMovesItAndThePointerStaysInsideTheParent) {
  Drag({100, 30}, {150, 60});
  EXPECT_EQ(a->geometry(), QRect(70, 50, 200, 150));
  // Far out to the bottom right: the grabbed point stops at the parent's last pixel.
  Drag({150, 60}, {5000, 3000});
  EXPECT_EQ(a->pos() + QPoint(80, 10), QPoint(599, 399));
  // And out to the top left.
  Drag({599, 399}, {-900, -900});
  EXPECT_EQ(a->pos(), QPoint(-80, -10));
  // Given a room smaller than the parent (what shows of it), the pointer stays in that.
  a->SetRoom(QRect(0, 0, 300, 200));
  Drag({10, 5}, {5000, 3000});
  EXPECT_EQ(a->pos() + QPoint(90, 15), QPoint(299, 199));
}

TEST_F(ChildFrameTest, APressRaisesAndActivatesWhileSettersChangeNeither) {
  b->SetFrameGeometry(QRect(100, 50, 130, 27));  // over a's caption, above it
  Drag({10 + 200, 40}, {10 + 200, 40});           // a's caption, beside b
  EXPECT_TRUE(a->IsActive());
  EXPECT_FALSE(b->IsActive());
  EXPECT_EQ(parent->childAt(150, 60), a);
  EXPECT_EQ(CaptionPixel(a), qRgb(0, 0, 128));
  EXPECT_EQ(CaptionPixel(b), qRgb(128, 128, 128));
  // Moving and sizing the other by program leaves the order and the active one.
  b->SetFramePos(QPoint(120, 40));
  b->SetFrameSize(QSize(160, 60));
  EXPECT_TRUE(a->IsActive());
  EXPECT_EQ(parent->childAt(150, 60), a);
  Drag({270, 62}, {270, 62});  // b's caption, outside a
  EXPECT_TRUE(b->IsActive());
  EXPECT_FALSE(a->IsActive());
  EXPECT_EQ(parent->childAt(150, 60), b);
}

TEST_F(ChildFrameTest, EqualTrackingSizesLetItMoveButNotGrowOrShrink) {
  a->fixed = QSize(200, 150);
  Drag({219, 169}, {400, 350});
  Drag({20, 100}, {0, 100});
  Drag({100, 20}, {100, 60});
  EXPECT_EQ(a->geometry(), QRect(20, 20, 200, 150));
  Drag({100, 30}, {110, 35});
  EXPECT_EQ(a->geometry(), QRect(30, 25, 200, 150));
}

TEST_F(ChildFrameTest, AHugeFramePaintsOnlyWhatShows) {
  a->SetFrameGeometry(QRect(-5000, -3000, 20000, 12000));
  a->painted = QRect();
  (void)parent->grab();
  ASSERT_TRUE(a->painted.isValid());
  EXPECT_LE(a->painted.width(), 600);
  EXPECT_LE(a->painted.height(), 400);
}

TEST_F(ChildFrameTest, AnUnclosableFrameStaysWhateverWayItIsAskedToClose) {
  int shown = 0;
  SetPopupHandlerForTesting([&shown](const TMenuResource& items, QPoint) {
    ++shown;
    EXPECT_EQ(items.size(), 1u);
    return items.empty() ? 0 : items[0].id;  // the child picks "Fermer", greyed or not
  });
  const QPoint box = a->pos() + a->SystemMenuBox().center();
  a->SetClosable(false);
  QTest::mouseClick(parent->windowHandle(), Qt::LeftButton, Qt::NoModifier, box);
  QTest::mouseDClick(parent->windowHandle(), Qt::LeftButton, Qt::NoModifier, box);
  EXPECT_FALSE(a->close());
  EXPECT_TRUE(a->isVisible());
  EXPECT_GE(shown, 1);
  // Closable, the same menu item closes it.
  a->SetClosable(true);
  QTest::mouseClick(parent->windowHandle(), Qt::LeftButton, Qt::NoModifier, box + QPoint(0, 1));
  QApplication::processEvents();
  EXPECT_FALSE(a->isVisible());
  SetPopupHandlerForTesting(nullptr);
}

TEST_F(ChildFrameTest, FramesNestInTheClientWindowAndStayInsideIt) {
  QWidget* client = a->ClientWindow();
  EXPECT_EQ(client->geometry(), a->ClientRect());
  auto* inner = new Frame(client, QStringLiteral("Terre"));
  inner->SetFrameGeometry(QRect(3, 0, 130, 27));
  inner->show();
  a->SetFrameSize(QSize(300, 200));
  EXPECT_EQ(client->geometry(), a->ClientRect());
  // Dragged far out by its caption, the inner frame keeps its grip inside the client window.
  const QPoint grip = a->pos() + client->pos() + inner->pos() + QPoint(60, 12);
  Drag(grip, grip + QPoint(900, 900));
  EXPECT_TRUE(client->rect().contains(inner->pos() + QPoint(60, 12)));
  EXPECT_EQ(inner->size(), QSize(130, 27));
}
