#pragma once
#include "ForetPaths.h"
#include "GameHarness.h"
#include "TrilogisWindow.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

// The piglet's game run headless at 1024 x 768.
class TrilogisTest : public ::testing::Test {
protected:
  void SetUp() override { Start({}); }
  void TearDown() override {
    if (h) {
      EXPECT_EQ(h->PendingMessages(), 0u) << "a message was shown that the test did not look at";
    }
  }
  void Start(const GameHarness::Options& options) {
    h.reset();
    h = GameHarness::Start<trilogis::TMyAppCumMenuSuite>(options);
  }
  trilogis::TMainWindowSuite& W() { return static_cast<trilogis::TMainWindowSuite&>(h->Window()); }
  foret::ToClic2D& B() { return W().Board(); }
  int Phase() { return W().Jeu().phase; }

  // Lays a board from text and draws it, as a new game would.
  void Load(const std::vector<std::string>& rows) {
    W().TheBalade().Lay(rows, true, W().DrawingArea().width(), W().DrawingArea().height());
    W().TheEcran()->DrawAll();
  }
  std::vector<std::string> Text() { return BoardText(B()); }
  QPoint Centre(int r, int c) {
    const foret::CaseForet& cell = B().Cell(r, c);
    return QPoint(cell.left + 14, cell.top + 14);
  }
  // The picture each kind shows.
  static int PictureOf(foret::Kind kind) {
    static const int pictures[] = {0, 1, 2, 4, 5, 6, 7};
    return pictures[static_cast<int>(kind)];
  }
  // Both surfaces show every cell's picture.
  void ExpectSurfacesShowTheBoard() {
    const QImage screen = h->Screen(), copy = h->Copy();
    for (int r = 0; r < B().Rows(); ++r)
      for (int c = 0; c < B().Columns(); ++c) {
        const foret::CaseForet& cell = B().Cell(r, c);
        const QImage want = W().PictureDC(PictureOf(cell.kind)).Image()->copy();
        ASSERT_EQ(screen.copy(cell.left, cell.top, 29, 29), want) << "screen cell " << r << "," << c;
        ASSERT_EQ(copy.copy(cell.left, cell.top, 29, 29), want) << "copy cell " << r << "," << c;
      }
  }
  // The one message shown since the last look.
  ShownMessage OnlyMessage() {
    auto shown = h->TakeMessages();
    EXPECT_EQ(shown.size(), 1u);
    return shown.empty() ? ShownMessage{} : shown.front();
  }
  // Types the letter the exercise asks.
  void TypeAsked() { h->Key(LetterKey(W().Saisie().Asked())); }

  std::unique_ptr<GameHarness> h;
};
