#pragma once
#include "../formes/ExpectMessage.h"
#include "GameHarness.h"
#include "RempartWindow.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using Rows = std::vector<std::string>;

// The pitch as text, in the letters ToAfi2D::Load reads.
inline Rows PitchText(const rempart::ToAfi2D& t) {
  Rows rows;
  for (int r = 0; r < t.Rows(); ++r) {
    std::string row;
    for (int c = 0; c < t.Columns(); ++c) {
      const rempart::Kind k = t.Cell(r, c).kind;
      char ch = k == rempart::Kind::Defender ? 'X' : k == rempart::Kind::DefenderWithBall ? 'x'
              : k == rempart::Kind::Trail ? '*' : '.';
      if (r == t.Attacker().row && c == t.Attacker().column) ch = t.Attacker().ball ? 'A' : 'a';
      row += ch;
    }
    rows.push_back(row);
  }
  return rows;
}

// The football game run headless, at 1024 x 768 unless a test asks otherwise.
class RempartTest : public ::testing::Test {
protected:
  void SetUp() override { Start({}); }
  void TearDown() override {
    if (h) {
      EXPECT_EQ(h->PendingMessages(), 0u) << "a message was shown that the test did not look at";
      EXPECT_EQ(h->UnexpectedQuestions(), 0);
    }
  }
  void Start(const GameHarness::Options& options) {
    h.reset();
    h = GameHarness::Start<rempart::TMyAppCumMenuSuite>(options);
  }
  rempart::TMainWindowSuite& W() { return static_cast<rempart::TMainWindowSuite&>(h->Window()); }
  rempart::ToAfi2D& T() { return W().Terrain(); }
  rempart::Pile1DVert& P() { return W().Pile(); }
  int Phase() { return W().Jeu().phase; }

  // Lays a pitch from text and draws it, as a new game would.
  void Load(const Rows& rows) {
    T().Load(rows);
    W().Board().DrawAll();
  }
  // Pushes the moves, then executes: the first step is taken at once.
  void Program(std::initializer_list<int> moves) {
    for (int m : moves) h->Command(m);
  }
  void Run(std::initializer_list<int> moves) {
    Program(moves);
    h->Command(rempart::cmd::Execute);
  }
  // Steps the run's timer until the run is over.
  void Finish() {
    for (int i = 0; i < 20 && W().Board().Running(); ++i) h->StepTimers(rempart::kStepMilliseconds);
  }

  // Picture `picture` is at (x, y) on both surfaces.
  void ExpectPicture(int x, int y, int picture, const char* what) {
    const QImage want = W().PictureDC(picture).Image()->copy();
    EXPECT_EQ(h->Screen().copy(x, y, want.width(), want.height()), want) << what << " on the screen";
    EXPECT_EQ(h->Copy().copy(x, y, want.width(), want.height()), want) << what << " on the copy";
  }
  void ExpectCell(int r, int c, int picture) {
    const auto& cell = T().Cell(r, c);
    ExpectPicture(cell.left, cell.top, picture, ("cell " + std::to_string(r) + "," + std::to_string(c)).c_str());
  }
  void ExpectSlot(int i, int picture) {
    ExpectPicture(P().Slot(i).left, P().Slot(i).top, picture, ("slot " + std::to_string(i)).c_str());
  }
  void ExpectGoal(int picture) { ExpectPicture(T().Goal().left, T().Goal().top, picture, "goal"); }

  ShownMessage OnlyMessage() {
    auto shown = h->TakeMessages();
    EXPECT_EQ(shown.size(), 1u);
    return shown.empty() ? ShownMessage{} : shown.front();
  }

  std::unique_ptr<GameHarness> h;
};
