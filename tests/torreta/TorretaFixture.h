#pragma once
#include "GameHarness.h"
#include "TorretaWindow.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

// A disc game run headless at 1024 x 768.
class TorretaTest : public ::testing::Test {
protected:
  void SetUp() override { Start({}); }
  void TearDown() override {
    if (h) {
      EXPECT_EQ(h->PendingMessages(), 0u) << "a message was shown that the test did not look at";
    }
  }
  void Start(const GameHarness::Options& options) {
    h.reset();
    h = GameHarness::Start<torreta::TMyAppCumMenuSuite>(options);
  }
  torreta::TMainWindowSuite& W() { return static_cast<torreta::TMainWindowSuite&>(h->Window()); }
  torreta::ToSlip& B() { return W().Board(); }
  torreta::JeuANNivSuite& Jeu() { return W().Jeu(); }

  // Lays a board from text and draws it, as a new game would.
  void Load(const std::vector<std::string>& rows) {
    B().Load(rows, W().DrawingArea().width(), W().DrawingArea().height());
    W().TheEcran()->DrawAll();
  }
  QPoint Corner(int r, int c) { return QPoint(B().At(r, c).left, B().At(r, c).top); }
  QPoint Centre(int r, int c) { return Corner(r, c) + QPoint(45, 15); }
  // Drags the disc at (r, c) to the centre of the slot at (r2, c2), by a few moves.
  void Drag(int r, int c, int r2, int c2) {
    const QPoint from = Centre(r, c), to = Centre(r2, c2);
    h->Press(from);
    h->Move((from + to) / 2);
    h->Move(to);
    h->Release(to);
  }
  // The picture a slot shows on `image`.
  QImage SlotOn(const QImage& image, int r, int c) { return image.copy(B().At(r, c).left, B().At(r, c).top, 90, 30); }
  QImage Picture(int index) { return W().PictureDC(index).Image()->copy(); }
  // The one message shown since the last look.
  ShownMessage OnlyMessage() {
    auto shown = h->TakeMessages();
    EXPECT_EQ(shown.size(), 1u);
    return shown.empty() ? ShownMessage{} : shown.front();
  }

  std::unique_ptr<GameHarness> h;
};
