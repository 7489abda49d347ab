#pragma once
#include "../formes/ExpectMessage.h"
#include "FelinoWindow.h"
#include "GameHarness.h"

#include <gtest/gtest.h>
#include <deque>

// The hidden cat game run headless at 1024 x 768 unless a test asks for another
// screen; the cat hides where the scripted random values say.
class FelinoTest : public ::testing::Test {
protected:
  void SetUp() override { Start(1024, 768, {6, 4}); }
  void TearDown() override {
    if (h) {
      EXPECT_EQ(h->PendingMessages(), 0u) << "a message was shown that the test did not look at";
    }
  }
  void Start(int width, int height, std::deque<int> random = {}) {
    h.reset();
    h = GameHarness::Start<felino::TMyAppCumMenuSuite>(
        {.screenWidth = width, .screenHeight = height, .scriptedRandom = std::move(random)});
  }
  felino::TMainWindowSuite& W() { return static_cast<felino::TMainWindowSuite&>(h->Window()); }
  felino::TabpCase& Board() { return W().Board(); }
  int HPos() { return h->ScrollPosition(felino::kHorizontalBar); }
  int VPos() { return h->ScrollPosition(felino::kVerticalBar); }

  // Column and row chosen with the digit buttons, then a look.
  void LookAt(int column, int row) {
    h->ButtonCommand(felino::cmd::FirstColumn + column);
    h->ButtonCommand(felino::cmd::FirstRow + row);
    h->ButtonCommand(felino::cmd::Look);
  }
  // The only message shown since the last look.
  ShownMessage OnlyMessage() {
    auto shown = h->TakeMessages();
    EXPECT_EQ(shown.size(), 1u);
    return shown.empty() ? ShownMessage{} : shown.front();
  }
  void ExpectFound(int tries) {
    const std::string line = "Tu as trouvé  T I G R O N  en " + std::to_string(tries) + " coups";
    ExpectMessage(OnlyMessage(), "B  R  A  V  O ", line.c_str(), "", 2);
  }
  // The board as it must look with nothing but its state: white, every cell's
  // picture (looked-at ones by heat), both markers at their bars' positions.
  QImage Fresh(const std::vector<QPoint>& looked) {
    QImage image(h->Copy().size(), h->Copy().format());
    image.fill(Qt::white);
    TMemoryDC dc(&image);
    for (int r = 0; r < felino::kSide; ++r)
      for (int c = 0; c < felino::kSide; ++c) Board().At(c, r).DrawPicture(W(), dc, felino::kPoubelle);
    for (QPoint p : looked) Board().At(p.x(), p.y()).DrawPicture(W(), dc, felino::kFirstHeat + Board().At(p.x(), p.y()).heat);
    W().ColumnMarker().DrawAt(dc, HPos(), image.size());
    W().RowMarker().DrawAt(dc, VPos(), image.size());
    return image;
  }

  std::unique_ptr<GameHarness> h;
};
