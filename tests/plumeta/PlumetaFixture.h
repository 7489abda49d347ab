#pragma once
#include "../formes/ExpectMessage.h"
#include "GameHarness.h"
#include "PlumetaWindow.h"

#include <QImage>
#include <gtest/gtest.h>

// The writing page run headless, at 1024 x 768 unless a test asks for
// another screen.
class PlumetaTest : public ::testing::Test {
protected:
  void SetUp() override { Start(1024, 768); }
  void TearDown() override {
    if (h) {
      EXPECT_EQ(h->PendingMessages(), 0u) << "a message was shown that the test did not look at";
    }
  }
  void Start(int width, int height) {
    h.reset();
    h = GameHarness::Start<plumeta::TMyAppCumMenuSuite>({.screenWidth = width, .screenHeight = height});
  }
  plumeta::TMainWindowSuite& W() { return static_cast<plumeta::TMainWindowSuite&>(h->Window()); }
  plumeta::EcranSuite& Page() { return W().Page(); }

  // The button held down from `from` through every point of `path`, then let go at the last.
  void Stroke(QPoint from, std::initializer_list<QPoint> path) {
    h->Press(from);
    QPoint last = from;
    for (QPoint p : path) h->Move(last = p);
    h->Release(last);
  }

  // Pixels that are not white, in `rect` of `image`.
  static int Ink(const QImage& image, const QRect& rect) {
    int n = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
      for (int x = rect.left(); x <= rect.right(); ++x) n += image.pixel(x, y) != qRgb(255, 255, 255);
    return n;
  }
  // The smallest rectangle holding every pixel that is not white (empty when none).
  static QRect InkBounds(const QImage& image) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (image.pixel(x, y) != qRgb(255, 255, 255)) bounds |= QRect(x, y, 1, 1);
    return bounds;
  }
  // The pixels where two images differ.
  static QRect Differences(const QImage& a, const QImage& b) {
    QRect bounds;
    for (int y = 0; y < a.height(); ++y)
      for (int x = 0; x < a.width(); ++x)
        if (a.pixel(x, y) != b.pixel(x, y)) bounds |= QRect(x, y, 1, 1);
    return bounds;
  }

  std::unique_ptr<GameHarness> h;
};
