#pragma once
#include "GameHarness.h"
#include "OrugaWindow.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

// A caterpillar game run headless at 1024 x 768.
class OrugaTest : public ::testing::Test {
protected:
  void SetUp() override { Start({}); }
  void TearDown() override {
    if (h) {
      EXPECT_EQ(h->PendingMessages(), 0u) << "a message was shown that the test did not look at";
    }
  }
  void Start(const GameHarness::Options& options) {
    h.reset();
    h = GameHarness::Start<oruga::TMyAppCumMenuSuite>(options);
  }
  oruga::TMainWindowSuite& W() { return static_cast<oruga::TMainWindowSuite&>(h->Window()); }
  oruga::Grille& G() { return W().Board(); }

  // Lays a board from text and draws it, as a new game would.
  void Load(const std::vector<std::string>& rows) {
    G().Load(rows, W().DrawingArea().width(), W().DrawingArea().height());
    W().TheEcran()->DrawAll();
  }
  // The board as text, in the letters Load reads (tails as Q).
  std::vector<std::string> Text() {
    std::vector<std::string> rows;
    for (int r = 0; r < G().Rows(); ++r) {
      std::string row;
      for (int c = 0; c < G().Columns(); ++c) {
        const oruga::Tuile& t = G().Tile(r, c);
        row += t.kind == oruga::Grass ? '.' : t.kind == oruga::Tree ? 'T' : t.kind == oruga::Sweet ? 'S'
             : t.kind == oruga::Head ? 'H' : t.kind == oruga::Body ? 'B' : 'Q';
      }
      rows.push_back(row);
    }
    return rows;
  }
  QPoint Centre(int r, int c) {
    const oruga::Tuile& t = G().Tile(r, c);
    return QPoint(t.left + t.width / 2, t.top + t.height / 2);
  }
  // Both surfaces show every tile's picture.
  void ExpectScreenMatchesBoard() {
    const QImage screen = h->Screen(), copy = h->Copy();
    for (int r = 0; r < G().Rows(); ++r)
      for (int c = 0; c < G().Columns(); ++c) {
        const oruga::Tuile& t = G().Tile(r, c);
        const QImage want = W().PictureDC(t.Picture()).Image()->copy();
        ASSERT_EQ(screen.copy(t.left, t.top, t.width, t.height), want) << "screen tile " << r << "," << c;
        ASSERT_EQ(copy.copy(t.left, t.top, t.width, t.height), want) << "copy tile " << r << "," << c;
      }
  }
  // The one message shown since the last look.
  ShownMessage OnlyMessage() {
    auto shown = h->TakeMessages();
    EXPECT_EQ(shown.size(), 1u);
    return shown.empty() ? ShownMessage{} : shown.front();
  }

  std::unique_ptr<GameHarness> h;
};
