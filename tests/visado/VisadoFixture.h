#pragma once
#include "GameHarness.h"
#include "VisadoWindow.h"

#include <gtest/gtest.h>

// A jalopy race run headless, at 1024 x 768 unless a test asks for another screen.
class VisadoTest : public ::testing::Test {
protected:
  void SetUp() override { Start({}); }
  void TearDown() override {
    if (h) {
      EXPECT_EQ(h->PendingMessages(), 0u) << "a message was shown that the test did not look at";
    }
  }
  void Start(const GameHarness::Options& options) {
    h.reset();
    h = GameHarness::Start<visado::TMyAppCumMenuSuite>(options);
  }
  visado::TMainWindowSuite& W() { return static_cast<visado::TMainWindowSuite&>(h->Window()); }
  visado::Course& C() { return W().Race(); }
  int Phase() { return W().Jeu().phase; }
  QPoint CentreOf(int i) {
    const visado::CaseToAfi& c = C().row.Cell(i);
    return {c.left + visado::kSide / 2, c.top + visado::kSide / 2};
  }
  QImage Picture(int index) { return W().PictureDC(index).Image()->copy(); }
  // The one message shown since the last look.
  ShownMessage OnlyMessage() {
    auto shown = h->TakeMessages();
    EXPECT_EQ(shown.size(), 1u);
    return shown.empty() ? ShownMessage{} : shown.front();
  }
  // Steps the timers 10 ms at a time until `done` holds, at most `limit` ms.
  template <class Done>
  bool RunUntil(Done done, int limit = 60000) {
    for (int t = 0; t < limit && !done(); t += 10) h->StepTimers(10);
    return done();
  }
  // The jalopy's square on `surface`: the vehicle where the mask is black,
  // and elsewhere what lies behind it, the tree's picture `stage` or white.
  void ExpectJalopy(const QImage& surface, int stage = 0) {
    const QImage mask = Picture(visado::Tacot::kMaskPicture), colour = Picture(visado::Tacot::kColourPicture);
    const QImage tree = Picture(visado::Arbre::kFirstPicture + stage);
    const visado::Tacot& t = C().tacot;
    const visado::Arbre& a = C().arbre;
    for (int y = 0; y < visado::kSide; ++y)
      for (int x = 0; x < visado::kSide; ++x) {
        const QPoint p(t.x + x, t.y + y), inTree = p - QPoint(a.x, a.y);
        const QRgb behind = tree.rect().contains(inTree) ? tree.pixel(inTree) : qRgb(255, 255, 255);
        const QRgb want = mask.pixel(x, y) == qRgb(0, 0, 0) ? colour.pixel(x, y) : behind;
        ASSERT_EQ(surface.pixel(p), want) << "jalopy at " << t.x << ", pixel " << x << "," << y;
      }
  }
  // Whether `surface` shows `picture` with its corner at `corner`.
  bool Shows(const QImage& surface, int picture, QPoint corner) {
    const QImage want = Picture(picture);
    return surface.copy(QRect(corner, want.size())) == want;
  }

  std::unique_ptr<GameHarness> h;
};
