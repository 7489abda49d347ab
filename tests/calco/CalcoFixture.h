#pragma once
#include "../formes/ExpectMessage.h"
#include "CalcoWindow.h"
#include "GameHarness.h"

#include <gtest/gtest.h>
#include <vector>

// The pattern game run headless, at 1024 x 768 unless a test asks for
// another screen.
class CalcoTest : public ::testing::Test {
protected:
  void SetUp() override { Start(1024, 768); }
  void TearDown() override {
    if (h) {
      EXPECT_EQ(h->PendingMessages(), 0u) << "a message was shown that the test did not look at";
    }
  }
  void Start(int width, int height) {
    h.reset();
    h = GameHarness::Start<calco::TMyAppCumMenuSuite>({.screenWidth = width, .screenHeight = height});
  }
  calco::TMainWindowSuite& W() { return static_cast<calco::TMainWindowSuite&>(h->Window()); }
  calco::Grille& G() { return W().Grid(); }
  calco::JeuA1NivSuite& Jeu() { return W().Jeu(); }
  // Model `k` chosen from its menu, in a game where nothing asks.
  void Choose(int k) { h->Command(calco::cmd::FirstModel + k); }

  QPoint Centre(int r, int k) { return QPoint(G().cell / 2 + k * G().cell, G().cell / 2 + r * G().cell); }
  // The cells, row by row, that the current model colours.
  std::vector<QPoint> ColouredCells() {
    std::vector<QPoint> cells;
    for (int r = 0; r < G().count; ++r)
      for (int k = 0; k < G().count; ++k)
        if (!calco::IsWhite(G().ModelColour(W().ModelPicture(), r, k))) cells.push_back(QPoint(k, r));
    return cells;
  }
  void ClickCell(QPoint cell) { h->Click(Centre(cell.y(), cell.x())); }

  // The only message shown since the last look.
  ShownMessage OnlyMessage() {
    auto shown = h->TakeMessages();
    EXPECT_EQ(shown.size(), 1u);
    return shown.empty() ? ShownMessage{} : shown.front();
  }
  void ExpectWon() {
    ExpectMessage(OnlyMessage(), "B  R  A  V  O ,  T U  A S  G A G N E  !", "Toutes les cases de cette grille",
                  "sont bien coloriées.", 2);
    EXPECT_EQ(Jeu().phase, PhaseFinished);
  }

  std::unique_ptr<GameHarness> h;
};
