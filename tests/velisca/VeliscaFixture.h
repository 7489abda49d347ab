#pragma once
#include "../formes/ExpectMessage.h"
#include "GameHarness.h"
#include "VeliscaWindow.h"

#include <gtest/gtest.h>

// The find-the-form game run headless at 1024 x 768, its first offset scripted.
class VeliscaTest : public ::testing::Test {
protected:
  void SetUp() override { Start(0); }
  void TearDown() override {
    if (h) {
      EXPECT_EQ(h->PendingMessages(), 0u) << "a message was shown that the test did not look at";
    }
  }
  // A new run whose first random draw is `offsetDraw`, then `later`.
  void Start(int offsetDraw, std::deque<int> later = {}) {
    h.reset();
    later.push_front(offsetDraw);
    h = GameHarness::Start<velisca::TMyAppCumMenuSuite>({.scriptedRandom = later});
  }
  velisca::TMainWindowSuite& W() { return static_cast<velisca::TMainWindowSuite&>(h->Window()); }
  velisca::Carre& Square(int k) { return W().Grid().Square(k); }
  velisca::Carre* Target() { return W().Model().Target(); }
  static QPoint Centre(const Case& c) { return QPoint(c.left + c.width / 2, c.top + c.height / 2); }

  // Whether `image` shows, at (x, y), the w x h part of picture `picture` from (sx, sy).
  bool Shows(const QImage& image, int x, int y, int w, int h, int picture, int sx = 0, int sy = 0) {
    return image.copy(x, y, w, h) == W().PictureDC(picture).Image()->copy(sx, sy, w, h);
  }
  // Raised: the picture one pixel in, its edges under the light and dark lines.
  bool ShowsRaised(const QImage& image, const velisca::Carre& c) {
    return Shows(image, c.left + 2, c.top + 2, 80, 80, c.forme, 1, 1) && image.pixelColor(c.left, c.top) == Qt::white &&
           image.pixelColor(c.left + 83, c.top + 83) == Qt::black;
  }
  // Pressed: the picture two pixels in, black edges at the top and left.
  bool ShowsPressed(const QImage& image, const velisca::Carre& c) {
    return Shows(image, c.left + 3, c.top + 3, 79, 79, c.forme, 1, 1) && image.pixelColor(c.left, c.top) == Qt::black &&
           image.pixelColor(c.left + 83, c.top + 83) == Qt::white;
  }
  bool ShowsFound(const QImage& image, const velisca::Carre& c) {
    return Shows(image, c.left + 4, c.top + 4, velisca::kFoundSize, velisca::kFoundSize, c.FoundPicture());
  }
  // The pixels around a square, from 3 pixels before it to 6 after its 84,
  // that `keep` does not hold.
  int RingPixels(const QImage& image, const velisca::Carre& c, const std::function<bool(QColor)>& keep) {
    int n = 0;
    for (int y = c.top - 3; y < c.top + 90; ++y)
      for (int x = c.left - 3; x < c.left + 90; ++x)
        if ((x < c.left || y < c.top || x > c.left + 84 || y > c.top + 84) && !keep(image.pixelColor(x, y))) ++n;
    return n;
  }
  // The only message shown since the last look.
  ShownMessage OnlyMessage() {
    auto shown = h->TakeMessages();
    EXPECT_EQ(shown.size(), 1u);
    return shown.empty() ? ShownMessage{} : shown.front();
  }
  // Clicks the current target.
  void FindTarget() {
    h->Click(Centre(*Target()));
  }
  // A square that is neither found nor the target.
  velisca::Carre& AnotherSquare() {
    for (int k = 0; k < velisca::kSquares; ++k)
      if (!Square(k).found && &Square(k) != Target()) return Square(k);
    return Square(0);
  }

  std::unique_ptr<GameHarness> h;
};
