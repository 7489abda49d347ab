#pragma once
#include "GameHarness.h"
#include "MiradorWindow.h"
#include "TrazadoWindow.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using Text = std::vector<std::string>;

// A lattice game run headless, 1024 x 768 unless a test starts it otherwise.
template <class App>
class LatticeTest : public ::testing::Test {
public:
  void SetUp() override { Start({}); }
  void TearDown() override {
    if (h) {
      EXPECT_EQ(h->PendingMessages(), 0u) << "a message was shown that the test did not look at";
    }
  }
  void Start(const GameHarness::Options& options) {
    h.reset();
    h = GameHarness::Start<App>(options);
  }
  reseau::TMainWindowReseau& W() { return static_cast<reseau::TMainWindowReseau&>(h->Window()); }
  reseau::ToClic2D& Copy(size_t i = 0) { return W().Copy(i); }
  QSize Board() { return W().DrawingArea().size(); }

  // Points on a lattice: a dot, and the middles of its lower and right segments.
  static QPoint Dot(const reseau::ToClic2D& l, int r, int c) { return {l.Node(r, c).x, l.Node(r, c).y}; }
  static QPoint Lower(const reseau::ToClic2D& l, int r, int c) { return Dot(l, r, c) + QPoint(0, l.CellHeight() / 2); }
  static QPoint Right(const reseau::ToClic2D& l, int r, int c) { return Dot(l, r, c) + QPoint(l.CellWidth() / 2, 0); }

  ShownMessage OnlyMessage() {
    auto shown = h->TakeMessages();
    EXPECT_EQ(shown.size(), 1u);
    return shown.empty() ? ShownMessage{} : shown.front();
  }
  // Draws `text` in copy `i` and shows it, as the child would have drawn it.
  void Draw(size_t i, const Text& text) {
    Copy(i).Load(text);
    W().TheEcran()->DrawAll();
  }
  void Compare() { h->Command(reseau::cmd::Compare); }

  // Both surfaces hold exactly a board drawn afresh from the segments' states,
  // with one cursor ring where the cursor was last drawn.
  void ExpectFreshBoard() {
    const QImage screen = h->Screen(), copy = h->Copy();
    ASSERT_TRUE(W().Cursor().Shown());
    const QPoint ring = W().Cursor().at;
    W().ClearScreen();
    W().DrawBoardPart(W().DrawingArea(), W().Lattices(), W().Game().drawAxes);
    W().XorCursor(ring);
    ASSERT_EQ(screen, h->Screen());
    ASSERT_EQ(copy, h->Copy());
    // The ring is there: taken off, its pixels change.
    W().XorCursor(ring);
    EXPECT_NE(h->Screen(), screen);
    W().XorCursor(ring);
  }

  std::unique_ptr<GameHarness> h;
};

using MiradorTest = LatticeTest<mirador::TMyAppCumMenuSuite>;
using TrazadoTest = LatticeTest<trazado::TMyAppCumMenuSuite>;

// Mirrors of a drawing given as text: left to right, and top to bottom.
inline Text Flipped(Text t, bool columns, bool rows) {
  if (columns)
    for (auto& line : t) line = std::string(line.rbegin(), line.rend());
  if (rows) t = Text(t.rbegin(), t.rend());
  return t;
}
