#pragma once
#include "GameHarness.h"
#include "OrpelloWindow.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

// A gold nugget game run headless, 1024 x 768 unless a test asks otherwise.
class OrpelloTest : public ::testing::Test {
protected:
  void SetUp() override { Start({}); }
  void TearDown() override {
    if (h) {
      EXPECT_EQ(h->PendingMessages(), 0u) << "a message was shown that the test did not look at";
    }
  }
  void Start(const GameHarness::Options& options) {
    h.reset();
    h = GameHarness::Start<orpello::TMyAppCumMenuSuite>(options);
  }
  orpello::TMainWindowSuite& W() { return static_cast<orpello::TMainWindowSuite&>(h->Window()); }
  orpello::Grille& G() { return W().Board(); }
  orpello::EcranSuite& E() { return W().BoardScreen(); }
  orpello::Rectang& F() { return E().Frame(); }

  // Lays the shown cells from rows of digits and draws the board, as a new game would.
  void Load(const std::vector<std::string>& rows) {
    G().Load(rows);
    W().ClearScreen();
    E().DrawAll();
  }
  // Grid lines and cell centres.
  int X(int column) { return G().X0() + column * G().Pitch(); }
  int Y(int row) { return G().Y0() + row * G().Pitch(); }
  QPoint Centre(int row, int column) { return QPoint(X(column) + G().Half(), Y(row) + G().Half()); }
  QRect Edges() { return QRect(QPoint(F().left, F().top), QPoint(F().right, F().bottom)); }
  orpello::Span S() { return F().span; }

  // Declares `d` nuggets for the cell under `p` through the right button's menu.
  void Declare(QPoint p, int d) {
    h->AnswerPopups({d + 1});
    h->Click(p, Qt::RightButton);
    EXPECT_EQ(h->TakePopups().size(), 1u);
  }
  // The titles of the messages shown since the last look.
  std::vector<QString> Titles() {
    std::vector<QString> titles;
    for (const ShownMessage& m : h->TakeMessages()) titles.push_back(m.title);
    return titles;
  }
  ShownMessage OnlyMessage() {
    auto shown = h->TakeMessages();
    EXPECT_EQ(shown.size(), 1u);
    return shown.empty() ? ShownMessage{} : shown.front();
  }
  // The board without its frame: every cell as it stands on white.
  QImage BoardAlone() {
    QImage image(h->Copy().size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    TMemoryDC dc(&image);
    E().DrawCells(dc);
    return image;
  }
  // Takes the frame off a surface's image, as lifting it would.
  QImage Lifted(QImage image) {
    TMemoryDC dc(&image);
    W().DrawXor(dc, F().Outline());
    return image;
  }
  // The frame at rest on both surfaces over the cells as they stand.
  void ExpectBoardAtRest() {
    ASSERT_EQ(h->Screen().convertToFormat(QImage::Format_RGB32), h->Copy().convertToFormat(QImage::Format_RGB32))
        << "window and copy differ";
    const QImage lifted = Lifted(h->Copy()).convertToFormat(QImage::Format_RGB32), board = BoardAlone();
    ASSERT_EQ(lifted.size(), board.size());
    for (int y = 0; y < board.height(); ++y)
      for (int x = 0; x < board.width(); ++x)
        ASSERT_EQ(lifted.pixel(x, y), board.pixel(x, y)) << "board under the frame at " << x << "," << y;
  }

  std::unique_ptr<GameHarness> h;
};
