#pragma once
#include "AlveoloWindow.h"
#include "GameHarness.h"
#include "Random.h"

#include <gtest/gtest.h>
#include <deque>
#include <string>
#include <vector>

// The hexagonal mine game run headless at 1024 x 768.
class AlveoloTest : public ::testing::Test {
protected:
  using Rows = std::vector<std::string>;

  void SetUp() override { Start({}); }
  void TearDown() override {
    if (h) {
      EXPECT_EQ(h->PendingMessages(), 0u) << "a message was shown that the test did not look at";
    }
  }
  void Start(const GameHarness::Options& options) {
    h.reset();
    h = GameHarness::Start<alveolo::TMyAppCumMenuSuite>(options);
  }
  alveolo::TMainWindowSuite& W() { return static_cast<alveolo::TMainWindowSuite&>(h->Window()); }
  alveolo::TabpHexag& B() { return W().Board(); }
  int Phase() { return W().Jeu().phase; }

  // A new game at `level` (chosen from the bar, no game in progress) whose
  // mine draws are scripted: each (row, col) is drawn as a row, then a column.
  void NewBoard(int level, const std::vector<QPoint>& draws) {
    std::deque<int> values;
    for (const QPoint& d : draws) {
      values.push_back(d.x());
      values.push_back(d.y());
    }
    Random::Script(values);
    h->Command(alveolo::cmd::kLevelChoices[level]);
    Random::Script({});
  }

  QPoint Centre(int r, int c) { return QPoint(42 * c + 21 * r + 21, 36 * r + 24); }
  void Reveal(int r, int c) { h->Click(Centre(r, c)); }
  void Flag(int r, int c) { h->Click(Centre(r, c), Qt::RightButton); }
  // Reveals every safe cell that has a mine around it.
  void RevealNumberedCells() {
    B().ForEachCell([&](alveolo::Hexag& x) {
      if (!x.mine && !x.revealed && B().MinesAround(x) > 0) Reveal(x.row, x.col);
    });
  }

  // What each cell of the board shows, one string per row of the board:
  // '#' hidden, 'F' flagged, '0'..'6' a count, '*' a mine, 'X' the mine that
  // blew, 'x' the mine that blew under a flag.
  Rows Shown() {
    static const char kLetters[] = "0123456F*?xX?#";
    Rows rows;
    for (int r = 0; r <= 2 * B().Size() - 2; ++r) {
      std::string row;
      for (int c = 0; c <= 2 * B().Size() - 2; ++c)
        if (B().At(r, c).inside) row += kLetters[B().At(r, c).image];
      rows.push_back(row);
    }
    return rows;
  }

  // Both surfaces show every cell's picture inside its hexagon, at
  // (42 col + 21 row, 36 row).
  void ExpectBoardDrawn() {
    const QImage screen = h->Screen(), copy = h->Copy();
    const QImage& mask = *W().HexagDC(alveolo::ImageMask).Image();
    B().ForEachCell([&](alveolo::Hexag& x) {
      const QImage& picture = *W().HexagDC(x.image).Image();
      const int left = 42 * x.col + 21 * x.row, top = 36 * x.row;
      for (int y = 0; y < alveolo::kCellHeight; ++y)
        for (int px = 0; px < alveolo::kCellWidth; ++px) {
          if (qRed(mask.pixel(px, y)) != 0) continue;
          ASSERT_EQ(screen.pixel(left + px, top + y), picture.pixel(px, y))
              << "screen, cell " << x.row << "," << x.col << " at " << px << "," << y;
          ASSERT_EQ(copy.pixel(left + px, top + y), picture.pixel(px, y))
              << "copy, cell " << x.row << "," << x.col << " at " << px << "," << y;
        }
    });
  }

  // The one message shown since the last look.
  ShownMessage OnlyMessage() {
    auto shown = h->TakeMessages();
    EXPECT_EQ(shown.size(), 1u);
    return shown.empty() ? ShownMessage{} : shown.front();
  }

  std::unique_ptr<GameHarness> h;
};
