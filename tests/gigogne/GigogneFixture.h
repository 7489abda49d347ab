#pragma once
#include "../formes/ExpectMessage.h"
#include "ControlHands.h"
#include "GameHarness.h"
#include "GigogneWindow.h"
#include "TCulDeSacWindow.h"
#include "TFeuilleTresorTerminaleWindow.h"
#include "TFourcheWindow.h"

#include <QPainter>
#include <gtest/gtest.h>

// The hunt in nested windows run headless, at 1024 x 768 unless told.
class GigogneTest : public ::testing::Test {
protected:
  void SetUp() override { Start({}); }
  void TearDown() override {
    if (h) {
      EXPECT_EQ(h->PendingMessages(), 0u) << "a message was shown that the test did not look at";
    }
  }
  void Start(GameHarness::Options options) {
    h.reset();
    h = GameHarness::Start<gigogne::TMyAppCumMenuSuite>(options);
  }
  gigogne::TMainWindowSuite& W() { return static_cast<gigogne::TMainWindowSuite&>(h->Window()); }
  // The window of caption `caption`.
  TChildFrame& Place(const char* caption) {
    for (const auto& place : W().World().Places())
      if (place.window->Caption() == QString::fromUtf8(caption)) return *place.window;
    ADD_FAILURE() << "no window " << caption;
    return *W().World().Places().front().window;
  }
  gigogne::TTresor& Tresor() { return dynamic_cast<gigogne::TTresor&>(Place("Trésor")); }
  // The room left for `w` in its parent's client area, right of and below it.
  static QSize Room(const TChildFrame& w) {
    const QSize parent = w.parentWidget()->size();
    return QSize(parent.width() - w.x() - 2, parent.height() - w.y() - 2);
  }
  // `w` enlarged by its lower right corner until it fills the room it has.
  void Fill(const TChildFrame& w) {
    const QSize room = Room(w);
    DragFrame(*h, w, TChildFrame::Right | TChildFrame::Bottom, QPoint(room.width() - w.width(), room.height() - w.height()));
  }
  // The way down to the treasure opened by enlarging each place; where
  // `moveLeft`, the places laid far right are first carried to the left.
  void OpenTheWayDown(bool moveLeft) {
    for (const char* caption : {"Système solaire", "La Terre", "Sur terre", "Europe", "France", "Nantes", "Chateau",
                                "Trésor"}) {
      TChildFrame& w = Place(caption);
      if (moveLeft && w.x() > 3) DragFrame(*h, w, TChildFrame::CaptionBar, QPoint(3 - w.x(), 0));
      Fill(w);
    }
  }
  // The chests opened from the last up, so that none covers the next one's corner.
  void OpenTheChests() {
    for (const char* caption : {"Poivre", "Or", "Noix de muscade", "Argent"}) Fill(Place(caption));
  }
  // Whether `w`'s client area shows `text` from (2, 2) and nothing else.
  static bool Shows(TChildFrame& w, const QString& text) {
    const QRect client = w.ClientRect();
    const QImage shown = w.grab(client).toImage().convertToFormat(QImage::Format_RGB32);
    QImage expected(shown.size(), QImage::Format_RGB32);
    expected.fill(Qt::white);
    QPainter p(&expected);
    p.setFont(w.font());
    gigogne::TFeuilleTerminaleWindow::PaintText(p, text);
    p.end();
    return shown == expected;
  }
  ShownMessage OnlyMessage() {
    auto shown = h->TakeMessages();
    EXPECT_EQ(shown.size(), 1u);
    return shown.empty() ? ShownMessage{} : shown.front();
  }

  std::unique_ptr<GameHarness> h;
};
