#pragma once
#include "FriseEcran.h"
#include "GameHarness.h"
#include "RandomPlayer.h"

#include <gtest/gtest.h>

// A sequence game run headless, 1024 x 768 unless a test asks for another
// screen; `App` is the game's application, `Window` its window class.
template <class App, class Window>
class FriseFixture : public ::testing::Test {
protected:
  void SetUp() override { Start({}); }
  void TearDown() override {
    if (h) {
      EXPECT_EQ(h->PendingMessages(), 0u) << "a message was shown that the test did not look at";
    }
  }
  void Start(const GameHarness::Options& options) {
    h.reset();
    h = GameHarness::Start<App>(options);
  }
  Window& W() { return static_cast<Window&>(h->Window()); }
  motifs::Frise& F() { return W().Game().Board(); }
  motifs::JeuFrise& Jeu() { return W().Jeu(); }

  static QPoint Centre(const motifs::CaseMotif& c) { return {c.left + 24, c.top + 24}; }
  QPoint Bar(int i) { return Centre(F().Bar().At(i)); }
  QPoint Fill(int row, int j) { return Centre(F().Fill().At(row, j)); }
  QPoint Model(int row, int j) { return Centre(F().Models().At(row, j)); }
  // The bar cell showing `picture`.
  int BarCellOf(int picture) {
    for (int i = 0; i < F().Bar().Count(); ++i)
      if (F().Bar().At(i).picture == picture) return i;
    ADD_FAILURE() << "no bar cell shows picture " << picture;
    return 0;
  }
  // Drags the picture of bar cell `i` to `to`, by two moves.
  void Drag(int i, QPoint to) {
    const QPoint from = Bar(i) + QPoint(-7, 5);
    h->Press(from);
    h->Move((from + to) / 2);
    h->Move(to);
    h->Release(to);
  }
  // Fills cell `j` of the current row with the picture it expects.
  void FillRight(int j) { Drag(BarCellOf(F().Expected(j)), Fill(F().CurrentRow(), j)); }
  // Fills the current row, the last cell left out when `all` is false.
  void FillRow(bool all = true) {
    const int n = F().Fill().used - (all ? 0 : 1);
    for (int j = 0; j < n; ++j) FillRight(j);
  }

  // Where the random player aims: the bar, and the four rows.
  std::vector<QRect> Aims() {
    const int width = W().DrawingArea().width();
    return {QRect(0, F().Y(5), width, motifs::kCell), QRect(0, F().Y(0), width, F().Y(3) + motifs::kCell - F().Y(0))};
  }
  QImage Picture(int index) { return W().PictureDC(index).Image()->copy(); }
  static QImage CellOn(const QImage& surface, const motifs::CaseMotif& c) {
    return surface.copy(c.left, c.top, motifs::kCell, motifs::kCell);
  }
  bool Shows(const QImage& surface, const motifs::CaseMotif& c, int picture) {
    return CellOn(surface, c) == Picture(picture);
  }
  // The one message shown since the last look.
  ShownMessage OnlyMessage() {
    auto shown = h->TakeMessages();
    EXPECT_EQ(shown.size(), 1u);
    return shown.empty() ? ShownMessage{} : shown.front();
  }

  std::unique_ptr<GameHarness> h;
};
